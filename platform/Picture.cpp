#include "platform/Picture.h"

#include <algorithm>

namespace marvane {

QImage Picture::toImage() const
{
    if (!hasPlainRows())
        return m_image;
    QImage whole = m_image.copy();
    for (int y = 0; y < whole.height(); ++y)
        if (isPlain(y)) {
            auto *line = reinterpret_cast<QRgb *>(whole.scanLine(y));
            std::fill(line, line + whole.width(), m_background);
        }
    return whole;
}

} // namespace marvane
