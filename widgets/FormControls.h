#pragma once

#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace marvane::controls {

// Builders for the named, fixed-position controls the windows are made of.

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
    return b;
}

// A drop-down list the user can only pick from.
inline QComboBox *list(QWidget *parent, const QString &name, QRect geometry)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(name);
    c->setGeometry(geometry);
    c->setEditable(false);
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

// The years the date choosers offer; a clock outside them selects the nearest end.
constexpr int kFirstYear = 2000;
constexpr int kLastYear = 2100;

constexpr int yearIndex(int year)
{
    return std::clamp(year, kFirstYear, kLastYear) - kFirstYear;
}

} // namespace marvane::controls
