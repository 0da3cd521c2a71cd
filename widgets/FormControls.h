#pragma once

#include "calendar/DateMath.h"
#include "widgets/ShortListStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace marvane::controls {

// Builders for the named controls the windows are made of. A geometry's size is the control's
// least size; where a layout places it, its position is the layout's.

inline QLabel *label(QWidget *parent, const QString &name, const QString &caption, QPoint at)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(name);
    l->move(at);
    l->adjustSize(); // sized to its caption
    return l;
}

inline QPushButton *button(QWidget *parent, const QString &name, const QString &caption, QRect geometry)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setGeometry(geometry);
    b->setMinimumSize(geometry.size());
    return b;
}

// A drop-down list the user can only pick from; its list shows at most twelve rows at a time
// rather than dropping down over the whole screen.
inline QComboBox *list(QWidget *parent, const QString &name, QRect geometry)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    c->setGeometry(geometry);
    c->setMinimumSize(geometry.size());
    c->setEditable(false);
    c->setMaxVisibleItems(12);
    auto *style = new ShortListStyle;
    style->setParent(c);
    c->setStyle(style);
    return c;
}

// Widens a list, never narrows it, so its longest entry shows whole in the font and scale in use.
inline void widenToEntries(QComboBox *list)
{
    list->resize(std::max(list->width(), list->sizeHint().width()), list->height());
}

// A check box at least as large as its caption and box need.
inline QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption, QRect geometry)
{
    auto *c = new QCheckBox(caption, parent);
    c->setObjectName(name);
    c->setGeometry(QRect(geometry.topLeft(), geometry.size().expandedTo(c->sizeHint())));
    return c;
}

// Fills a list with the numbers first..last and leaves nothing selected, without raising its
// selection event: the program's first selection afterwards is then a change and raises it.
inline void fillNumbers(QComboBox *list, int first, int last)
{
    const QSignalBlocker quiet(list);
    for (int n = first; n <= last; ++n)
        list->addItem(QString::number(n));
    list->setCurrentIndex(-1);
    widenToEntries(list);
}

// Tab visits the controls in this order.
inline void setTabOrder(const QList<QWidget *> &order)
{
    QWidget *previous = nullptr;
    for (QWidget *w : order) {
        if (previous)
            QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

using marvane::kFirstYear;
using marvane::kLastYear;

constexpr int yearIndex(int year)
{
    return chooserYear(year) - kFirstYear;
}

} // namespace marvane::controls
