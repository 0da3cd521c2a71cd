#include "AppPaths.h"
#include "CanvasRefresh.h"
#include "Canvas.h"
#include "Fonts.h"
#include "LocaleNames.h"
#include "PrimaryScreen.h"
#include "SystemClock.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    using namespace marvane;
    for (const QString &problem : Fonts::ensureLoaded())
        std::fprintf(stderr, "pendrel: %s\n", qPrintable(problem));
    SystemClock clock;
    PrimaryScreen screen;
    LocaleNames names;
    Canvas canvas;
    const QDate today = clock.today();
    const QString dir = AppPaths::applicationDirectory();
    const ToDoStore store(ToDoStore::fileIn(dir), clock);
    RefreshCanvas(canvas, Options::defaults(), RenderContext{clock, screen, names}, store,
                  static_cast<std::int16_t>(today.year()), static_cast<std::int16_t>(today.month()));
    const QString path = AppPaths::join(dir, QStringLiteral("temp.bmp"));
    if (!canvas.image().save(path, "BMP")) {
        std::fprintf(stderr, "pendrel: cannot write %s\n", qPrintable(path));
        return 1;
    }
    std::printf("%s\n", qPrintable(path));
    return 0;
}
