#include "widgets/ColorSwatch.h"

namespace marvane {

ColorSwatch::ColorSwatch(QWidget *parent) : QLabel(parent)
{
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    setAutoFillBackground(true);
    setColor(0);
}

void ColorSwatch::setColor(StoredColor color)
{
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor::fromRgb(SystemColors::resolve(color)));
    setPalette(p);
}

} // namespace marvane
