#pragma once

#include "platform/FontSpec.h"
#include "platform/Picture.h"
#include "platform/SystemColors.h"

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class QPainter;

namespace marvane {

// The off-screen picture the wallpaper is painted on, with a drawing state (colours, fill style,
// font, text position). Raster rules follow the classic GDI ones: lines leave out their end
// point, filled boxes leave out their right and bottom edges.
class Canvas
{
public:
    // What becomes of the picture: shown whole (a window), or only saved and uploaded, where what
    // nothing was drawn on is never written at all.
    enum class Use { Shown, Saved };

    explicit Canvas(Use use = Use::Shown);
    ~Canvas();
    Canvas(const Canvas &) = delete;
    Canvas &operator=(const Canvas &) = delete;

    void clear();
    void resize(int width, int height);

    void setBackColor(ColorRef color);
    void setForeColor(ColorRef color) { m_foreColor = color; }
    void setFillColor(ColorRef color) { m_fillColor = color; }
    void setFillSolid(bool solid) { m_fillSolid = solid; }

    void setFontName(const QString &name) { m_font.name = name; }
    void setFontSize(double points) { m_font.points = points; }
    void setFontBold(bool on) { m_font.bold = on; }
    void setFontItalic(bool on) { m_font.italic = on; }
    void setFontUnderline(bool on) { m_font.underline = on; }
    const FontSpec &font() const { return m_font; }

    QPoint textPosition() const { return m_textPos; }

    void drawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2);
    void drawLine(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, ColorRef color);
    void fillBox(std::int64_t x1, std::int64_t y1, std::int64_t x2, std::int64_t y2, ColorRef color);
    void plot(double x, double y);
    void drawDisc(double x, double y, double radius, ColorRef color);
    void printText(const QString &text);
    void printNumber(std::int32_t n);

    QSize size() const { return m_image.size(); }
    // The finished picture; ends any drawing in progress.
    const QImage &image();
    // The same without filling in what nothing was drawn on: cheaper to save and show.
    Picture picture();

private:
    void eraseAll(QRgb color);
    // Makes columns left..right-1 of the rows top..bottom-1 part of what is drawn, erasing what
    // they newly take in to the erase colour.
    void takeIn(std::int64_t top, std::int64_t bottom, std::int64_t left, std::int64_t right);
    // The same for one row, the columns already clipped; `erase` false leaves them to the caller.
    void takeInRow(int y, int left, int right, bool erase);
    QPainter &painter();
    void endPainting();
    void fillSpan(std::int64_t x1, std::int64_t x2, std::int64_t y, QRgb rgb);

    Use m_use;
    QImage m_image;
    // An erase is deferred: a part of a row is filled with m_eraseColor only when something is
    // drawn there, and what nothing touches is never written at all. Each row's drawn columns are
    // one span, which grows as drawing reaches further.
    QRgb m_eraseColor = 0;
    QList<RowSpan> m_drawn;
    std::unique_ptr<QPainter> m_painter;
    ColorRef m_backColor = 0x00FFFFFF;
    ColorRef m_foreColor = 0;
    ColorRef m_fillColor = 0;
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
