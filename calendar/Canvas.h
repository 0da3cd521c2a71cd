#pragma once

#include "platform/FontSpec.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QPainter;

namespace marvane {

// The off-screen picture the wallpaper is painted on, with a drawing state (colours, fill style,
// font and its scale, text position). Filled boxes leave out their right and bottom edges.
class Canvas
{
public:
    Canvas();
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    // A fresh picture of `size`, all `background`, the text position at the origin.
    void reset(QSize size, QRgb background);

    void setForeColor(QRgb color) { m_foreColor = color; }
    void setFillColor(QRgb color) { m_fillColor = color; }
    void setFillSolid(bool solid) { m_fillSolid = solid; }

    void setFontName(const QString &name) { m_font.name = name; }
    void setFontSize(double points) { m_font.points = points; }
    void setFontBold(bool on) { m_font.bold = on; }
    void setFontItalic(bool on) { m_font.italic = on; }
    void setFontUnderline(bool on) { m_font.underline = on; }
    // Text from now on at `scale` times its size.
    void setFontScale(double scale) { m_font.scale = scale; }
    const FontSpec &font() const { return m_font; }

    void fillBox(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, QRgb color);
    void plot(double x, double y);
    void drawDisc(double x, double y, double radius, QRgb color);
    // Text at the text position, which then moves to the start of the next line. Text that would
    // reach past `rightEdge` ends in "…" before it.
    void printText(const QString &text, std::optional<int> rightEdge = std::nullopt);
    void printNumber(std::int32_t n);
    // A picture scaled (bilinearly, when it is not the size already) into `target`, blended over what
    // is there; or repeated from the origin over the whole canvas.
    void drawImage(const QRect &target, const QImage &image);
    void tileImage(const QImage &image);

    // Draws with Qt's painter itself, anti-aliased, for the card look; the drawing state above is
    // neither used nor changed.
    void paintSmooth(const std::function<void(QPainter &)> &paint);

    QSize size() const { return m_image.size(); }
    // The finished picture; ends any drawing in progress.
    const QImage &image();

private:
    QPainter &painter();
    void endPainting();
    void fillSpan(std::int64_t x1, std::int64_t x2, std::int64_t y, QRgb rgb);

    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
    QRgb m_foreColor = qRgb(0, 0, 0);
    QRgb m_fillColor = qRgb(0, 0, 0);
    bool m_fillSolid = false;
    FontSpec m_font{QStringLiteral("MS Sans Serif"), 8.25, false, false, false};
    struct TextFont
    {
        FontSpec face;
        QFont font;
        int baseline;
        int height;
    };
    std::optional<TextFont> m_textFont;
    QPoint m_textPos;
};

} // namespace marvane
