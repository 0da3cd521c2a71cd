#include "app/AppIcon.h"
#include "app/MainWindow.h"
#include "platform/Fonts.h"
#include "platform/LocaleNames.h"
#include "platform/PrimaryScreen.h"
#include "platform/StandardError.h"
#include "platform/SystemClock.h"

#include <QApplication>


int main(int argc, char *argv[])
{
    // Without any display the picture is still painted and saved, on Qt's offscreen platform.
    const bool headless = qEnvironmentVariableIsEmpty("DISPLAY") &&
                          qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                          qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
    if (headless)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Marvane"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setWindowIcon(marvane::AppIcon::icon());
    QGuiApplication::setDesktopFileName(QStringLiteral("marvane"));

    using namespace marvane;
    for (const QString &problem : Fonts::ensureLoaded())
        printError(problem);
    if (headless)
        printError(QStringLiteral("no display found; painting headless"));

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const SystemClock clock;
    const PrimaryScreen screen;
    const LocaleNames names;
    MainWindow window(MainWindowServices::forProgram(clock, screen, names, arguments.join(QLatin1Char(' '))));
    window.start();
    return QApplication::exec();
}
