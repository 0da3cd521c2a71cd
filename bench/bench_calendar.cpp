// paintCalendar, warm, beside the floor of one fill of the whole canvas.
#include "bench/BenchTimer.h"
#include "calendar/CalendarPainter.h"
#include "tests/support/FixedClock.h"
#include "tests/support/FixedScreen.h"
#include "platform/Fonts.h"

#include <QGuiApplication>

#include <cstdio>

using namespace marvane;

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    (void)Fonts::ensureLoaded();
    FixedClock clock(QDate(2026, 12, 7));
    const LocaleNames names(QLocale(QLocale::English, QLocale::UnitedStates));
    const Options options = Options::defaults();
    int failures = 0;
    for (const QSize size : {QSize(1920, 1080), QSize(3840, 2160)}) {
        FixedScreen screen(size);
        Canvas canvas;
        const RenderContext context{clock, screen, names};
        QImage floorImage(size, QImage::Format_RGB32);
        QRgb colour = 0;
        const auto [draw, floor] = bench::pairedMedianMs(
            [&] {
                (void)paintCalendar(canvas, options, Palette::of(options), context, 2026, 12);
                (void)canvas.image();
            },
            [&] { floorImage.fill(++colour); });
        const double ratio = draw / floor;
        const bool gated = size.width() == 3840;
        std::printf("paintCalendar %dx%d: %.3f ms; one fill: %.3f ms; ratio %.2f%s\n", size.width(), size.height(),
                    draw, floor, ratio, gated ? (ratio <= 1.5 ? " (goal <= 1.5: met)" : " (goal <= 1.5: MISSED)") : "");
        failures += gated && ratio > 1.5;
    }
    return failures == 0 ? 0 : 1;
}
