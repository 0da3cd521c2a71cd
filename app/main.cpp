#include "app/AppIcon.h"
#include "app/MainWindow.h"
#include "desktop/DesktopScreen.h"
#include "desktop/X11Display.h"
#include "platform/AppPaths.h"
#include "platform/Fonts.h"
#include "platform/PhaseLog.h"
#include "platform/LocaleNames.h"
#include "platform/StandardError.h"
#include "platform/SystemClock.h"

#include <QApplication>

namespace {

using namespace marvane;

// Picks Qt's platform before the application object exists. Returns false when no display can
// be used: the program then paints offscreen. A platform the user named is taken as it is.
bool chooseDisplay()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return true;
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (wayland && platform.isEmpty())
        return true;
    if (x11 && x11DisplayAnswers())
        return true;
    if (x11)
        printError(QStringLiteral("cannot open the display \"%1\"; painting headless").arg(qEnvironmentVariable("DISPLAY")));
    else
        printError(QStringLiteral("no display found; painting headless"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return false;
}

} // namespace

int main(int argc, char *argv[])
{
    markPhase("main");
    // Nothing is read or written before the program knows its own folder.
    if (const QString problem = AppPaths::problem(); !problem.isEmpty()) {
        printError(problem);
        return 2;
    }
    const bool display = chooseDisplay();
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    // A silent run shows nothing: the desktop's Qt theme plugin (which may pull in a whole toolkit)
    // need not load.
    const bool plainTheme = (!display || MainWindow::parseStartArgument(given.join(QLatin1Char(' '))) == 9) &&
                            qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME");
    if (plainTheme)
        qputenv("QT_QPA_PLATFORMTHEME", "generic");
    QApplication app(argc, argv);
    // Read only while the application object was made: programs started later (a desktop's
    // wallpaper tool among them) keep the user's theme.
    if (plainTheme)
        qunsetenv("QT_QPA_PLATFORMTHEME");
    markPhase("application");
    QApplication::setApplicationName(QStringLiteral("Marvane"));
    QApplication::setApplicationVersion(QStringLiteral("1.0"));
    QApplication::setWindowIcon(AppIcon::icon());
    QGuiApplication::setDesktopFileName(QStringLiteral("marvane"));

    for (const QString &problem : Fonts::ensureLoaded())
        printError(problem);
    markPhase("fonts");

    // What Qt leaves of the command line once it has taken its own options.
    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const SystemClock clock;
    // The size of the primary monitor as the desktop has it, in device pixels.
    const DesktopScreen screen(DesktopSession::fromEnvironment());
    const LocaleNames names;
    // Without a display there is no one to show a window to: every start is a silent run that
    // saves the picture and says where it went.
    const QString commandLine = display ? arguments.join(QLatin1Char(' ')) : QStringLiteral("9");
    MainWindow window(MainWindowServices::forProgram(clock, screen, names, commandLine, display));
    window.start();
    markPhase("window");
    return QApplication::exec();
}
