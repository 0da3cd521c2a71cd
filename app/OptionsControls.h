#pragma once

#include "platform/Fonts.h"
#include "widgets/ColorSwatch.h"
#include "widgets/FormControls.h"
#include "widgets/TextBox.h"

#include <QPushButton>

// The Options dialog's own kinds of control, as the form draws them.
namespace marvane::controls {

inline QPushButton *colorButton(QWidget *parent, const QString &name)
{
    QPushButton *b = button(parent, name, QStringLiteral("..."));
    b->setFixedSize(25, 20);
    b->setFont(Fonts::font(FontSpec{QStringLiteral("arial"), 8.25, true}));
    return b;
}

inline ColorSwatch *swatch(QWidget *parent, const QString &name)
{
    auto *s = new ColorSwatch(parent);
    s->setObjectName(name);
    s->setFixedSize(71, 20);
    return s;
}

inline TextBox *offsetBox(QWidget *parent, const QString &name)
{
    auto *t = new TextBox(parent);
    t->setObjectName(name);
    t->setTypingLimit(3);
    t->setText(QStringLiteral("0"));
    return t;
}

} // namespace marvane::controls
