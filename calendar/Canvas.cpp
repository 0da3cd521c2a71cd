#include "calendar/Canvas.h"

#include "platform/Fonts.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

namespace marvane {

namespace {

// Text starting further out than this can never reach the canvas; QPainter works in 26.6 fixed
// point and must not see such coordinates.
constexpr std::int64_t kTextReach = 1 << 20;

int clampToInt(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
}

std::int64_t toPixel(double v)
{
    if (!std::isfinite(v))
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int64_t>(std::nearbyint(std::clamp(v, -4.0e18, 4.0e18)));
}

} // namespace

Canvas::Canvas() : m_image(1, 1, QImage::Format_RGB32)
{
    m_image.fill(qRgb(255, 255, 255));
}

Canvas::~Canvas() = default;

void Canvas::reset(QSize size, QRgb background)
{
    endPainting();
    size = size.expandedTo(QSize(1, 1));
    if (m_image.size() != size)
        m_image = QImage(size, QImage::Format_RGB32);
    m_image.fill(background);
    m_textPos = QPoint(0, 0);
}

QPainter &Canvas::painter()
{
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_image);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
    }
    return *m_painter;
}

void Canvas::paintSmooth(const std::function<void(QPainter &)> &paint)
{
    QPainter &p = painter();
    p.save();
    p.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    paint(p);
    p.restore();
}

void Canvas::endPainting()
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

void Canvas::drawImage(const QRect &target, const QImage &image)
{
    QPainter &p = painter();
    if (target.size() == image.size()) {
        p.drawImage(target.topLeft(), image);
        return;
    }
    p.setRenderHint(QPainter::SmoothPixmapTransform, true);
    p.drawImage(target, image);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
}

void Canvas::tileImage(const QImage &image)
{
    painter().fillRect(m_image.rect(), QBrush(image));
}

const QImage &Canvas::image()
{
    endPainting();
    return m_image;
}

void Canvas::fillSpan(std::int64_t x1, std::int64_t x2, std::int64_t y, QRgb rgb)
{
    // Fills x1..x2-1 of row y, clipped to the image.
    if (y < 0 || y >= m_image.height())
        return;
    const std::int64_t l = std::max<std::int64_t>(x1, 0);
    const std::int64_t r = std::min<std::int64_t>(x2, m_image.width());
    if (l >= r)
        return;
    auto *line = reinterpret_cast<QRgb *>(m_image.scanLine(static_cast<int>(y)));
    std::fill(line + l, line + r, rgb);
}

void Canvas::fillBox(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, QRgb rgb)
{
    const std::int64_t left = std::min(x1, x2);
    const std::int64_t right = std::max(x1, x2);
    const std::int64_t top = std::max<std::int64_t>(std::min(y1, y2), 0);
    const std::int64_t bottom = std::min<std::int64_t>(std::max(y1, y2), m_image.height());
    for (std::int64_t y = top; y < bottom; ++y)
        fillSpan(left, right, y, rgb);
}

void Canvas::plot(double x, double y)
{
    const std::int64_t px = toPixel(x);
    const std::int64_t py = toPixel(y);
    fillSpan(px, px + 1, py, m_foreColor);
    m_textPos = QPoint(clampToInt(px), clampToInt(py));
}

void Canvas::drawDisc(double x, double y, double radius, QRgb outline)
{
    if (!(radius >= 0.0) || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(radius))
        return;
    // Pixel (i, j) covers [i, i+1) x [j, j+1); it belongs to the disc when its centre lies inside.
    const double r2 = radius * radius;
    const auto inside = [&](std::int64_t i, std::int64_t j) {
        const double dx = static_cast<double>(i) + 0.5 - x;
        const double dy = static_cast<double>(j) + 0.5 - y;
        return dx * dx + dy * dy <= r2;
    };
    const std::int64_t top = std::max<std::int64_t>(toPixel(std::floor(y - radius)) - 1, 0);
    const std::int64_t bottom = std::min<std::int64_t>(toPixel(std::ceil(y + radius)) + 1, m_image.height() - 1);
    const QRgb fill = m_fillColor;
    for (std::int64_t j = top; j <= bottom; ++j) {
        const double dy = static_cast<double>(j) + 0.5 - y;
        if (dy * dy > r2)
            continue;
        const double half = std::sqrt(r2 - dy * dy);
        std::int64_t l = toPixel(std::ceil(x - half - 0.5));
        std::int64_t r = toPixel(std::floor(x + half - 0.5));
        while (l <= r && !inside(l, j))
            ++l;
        while (r >= l && !inside(r, j))
            --r;
        if (l > r)
            continue;
        if (m_fillSolid)
            fillSpan(l, r + 1, j, fill);
        // The outline is the disc's own border: pixels with a neighbour outside it.
        const std::int64_t from = std::max<std::int64_t>(l, 0);
        const std::int64_t to = std::min<std::int64_t>(r, m_image.width() - 1);
        for (std::int64_t i = from; i <= to; ++i)
            if (i == l || i == r || !inside(i, j - 1) || !inside(i, j + 1))
                fillSpan(i, i + 1, j, outline);
    }
}

void Canvas::printText(const QString &text, std::optional<int> rightEdge)
{
    // The same face line after line: its font and metrics are worked out once.
    if (!m_textFont || m_textFont->face != m_font) {
        const QFont qfont = Fonts::font(m_font);
        m_textFont = TextFont{m_font, qfont, Fonts::baseline(m_font, qfont), QFontMetrics(qfont).height()};
    }
    const QFont &qfont = m_textFont->font;
    const QPoint at = m_textPos;
    const bool reachable = at.x() > -kTextReach && at.x() < m_image.width() && at.y() > -kTextReach &&
                           at.y() < m_image.height();
    if (reachable && !text.isEmpty()) {
        QPainter &p = painter();
        p.setFont(qfont);
        p.setPen(QColor::fromRgb(m_foreColor));
        const QFontMetrics metrics(qfont);
        const int room = rightEdge ? *rightEdge - at.x() : 0;
        const bool cut = rightEdge && metrics.horizontalAdvance(text) > room;
        p.drawText(QPoint(at.x(), at.y() + m_textFont->baseline),
                   cut ? metrics.elidedText(text, Qt::ElideRight, std::max(room, 0)) : text);
    }
    const std::int64_t next = static_cast<std::int64_t>(at.y()) + m_textFont->height;
    m_textPos = QPoint(0, clampToInt(next));
}

void Canvas::printNumber(std::int32_t n)
{
    const QString digits = QString::number(n < 0 ? -static_cast<std::int64_t>(n) : static_cast<std::int64_t>(n));
    printText((n < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + digits + QStringLiteral(" "));
}

} // namespace marvane
