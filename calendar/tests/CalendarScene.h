#pragma once

#include "calendar/CalendarPainter.h"
#include "tests/support/FixedClock.h"
#include "tests/support/FixedScreen.h"

#include <QImage>

namespace marvane::test {

constexpr QRgb kWhite = 0xFFFFFFFF;
const QRgb kDesktop = SystemColors::entry(1) | 0xFF000000;
const QRgb kFace = SystemColors::entry(15) | 0xFF000000;
constexpr QRgb kBlack = 0xFF000000;
constexpr QRgb kRed = 0xFFFF0000;
constexpr QRgb kNavy = 0xFF000064;

struct Scene
{
    FixedClock clock{QDate(2005, 5, 17)};
    FixedScreen screen{QSize(1024, 768)};
    LocaleNames names{QLocale(QLocale::English, QLocale::UnitedStates)};
    Options options = Options::defaults();
    std::uint32_t daysWithItems = 0;
    Canvas canvas;

    Result<> painted;

    const QImage &paint(int year, int month)
    {
        painted = paintCalendar(canvas, options, Palette::of(options),
                                RenderContext{clock, screen, names, nullptr, screen.scale(), daysWithItems},
                                static_cast<std::int16_t>(year), static_cast<std::int16_t>(month));
        return canvas.image();
    }
};

// Inside of the grid cell at week row r (0 = header), weekday column c, with the default box.
inline QRect cellInside(int row, int column)
{
    return QRect(634 + 51 * (column - 1) + 1, 80 + 23 * row + 1, 50, 22);
}

// Pixels of an antialiased text whose channel `channel` (0 red, 2 blue) clearly dominates.
inline int countHue(const QImage &img, const QRect &area, int channel)
{
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = img.pixel(x, y);
            const int c[3] = {qRed(p), qGreen(p), qBlue(p)};
            n += c[channel] > c[1] + 80 && c[channel] > c[2 - channel] + 80;
        }
    return n;
}


} // namespace marvane::test
