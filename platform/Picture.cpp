#include "platform/Picture.h"

#include <algorithm>

namespace marvane {

bool Picture::hasUndrawnParts() const
{
    const int width = m_image.width();
    return std::any_of(m_drawn.cbegin(), m_drawn.cend(),
                       [width](const RowSpan &s) { return s.left > 0 || s.right < width; });
}

QImage Picture::toImage() const
{
    if (!hasUndrawnParts())
        return m_image;
    QImage whole = m_image.copy();
    for (int y = 0; y < whole.height(); ++y) {
        const RowSpan span = drawnSpan(y);
        auto *line = reinterpret_cast<QRgb *>(whole.scanLine(y));
        if (span.isEmpty()) {
            std::fill(line, line + whole.width(), m_background);
            continue;
        }
        std::fill(line, line + span.left, m_background);
        std::fill(line + span.right, line + whole.width(), m_background);
    }
    return whole;
}

} // namespace marvane
