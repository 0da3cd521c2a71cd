#pragma once

#include "platform/SystemColors.h"

#include <QLabel>

namespace marvane {

// A label that shows a stored colour as its back colour. It keeps the stored value itself, so a
// system-colour reference stays a reference until the user picks a plain colour.
class ColorSwatch : public QLabel
{
    Q_OBJECT

public:
    explicit ColorSwatch(QWidget *parent = nullptr);

    StoredColor color() const { return m_color; }
    void setColor(StoredColor color);

private:
    StoredColor m_color = 0;
};

} // namespace marvane
