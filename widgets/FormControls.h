#pragma once

#include "calendar/DateMath.h"
#include "widgets/ShortListStyle.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace marvane::controls {

// Builders for the named controls the windows are made of, each at least the size it was
// designed at; the windows' layouts place them and give them more room where captions need it.

inline QLabel *label(QWidget *parent, const QString &name, const QString &caption)
{
    auto *l = new QLabel(caption, parent);
    l->setObjectName(name);
    return l;
}

inline QPushButton *button(QWidget *parent, const QString &name, const QString &caption,
                           QSize least = {81, 25})
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(name);
    b->setMinimumSize(least);
    return b;
}

// A drop-down list the user can only pick from; its list shows at most twelve rows at a time
// rather than dropping down over the whole screen.
inline QComboBox *list(QWidget *parent, const QString &name, QSize least)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    c->setMinimumSize(least);
    c->setEditable(false);
    c->setMaxVisibleItems(12);
    auto *style = new ShortListStyle;
    style->setParent(c);
    c->setStyle(style);
    return c;
}

inline QCheckBox *checkBox(QWidget *parent, const QString &name, const QString &caption)
{
    auto *c = new QCheckBox(caption, parent);
    c->setObjectName(name);
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
