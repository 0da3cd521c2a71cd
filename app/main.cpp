#include "app/ItemCommands.h"
#include "app/ProgramStart.h"
#include "app/StartArgument.h"
#include "app/WindowStart.h"
#include "session/WaylandDisplay.h"
#include "wallpaper/Desktop.h"
#include "wallpaper/WallpaperInstaller.h"
#include "platform/AppPaths.h"
#include "platform/PhaseLog.h"
#include "platform/StandardError.h"

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>

namespace {

using namespace marvane;

// Picks Qt's platform before the application object exists. Returns false when no display can
// be used: the program then paints offscreen. A platform the user named is taken as it is. An X
// display is asked through `x11`, which the caller holds for the whole run.
bool chooseDisplay(X11Connection &x11Display)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb"))
        return true;
    const bool x11 = !qEnvironmentVariableIsEmpty("DISPLAY");
    const bool wayland = !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (wayland && platform.isEmpty()) {
        const Result<> usable = checkWaylandDisplay();
        if (usable)
            return true;
        // Without Qt's Wayland platform, XWayland (where there is one) shows the window.
        if (!x11 || qtHasWayland()) {
            printError(usable.error().message() + QStringLiteral("; painting headless"));
            qputenv("QT_QPA_PLATFORM", "offscreen");
            return false;
        }
    }
    if (x11 && x11Display.open())
        return true;
    if (x11)
        printError(QStringLiteral("cannot open the display \"%1\"; painting headless").arg(qEnvironmentVariable("DISPLAY")));
    else
        printError(QStringLiteral("no display found; painting headless"));
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return false;
}

// Whether the session names a display at all; one that is named but cannot be opened is told.
bool canReachDisplay()
{
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace

int main(int argc, char *argv[])
{
    markPhase("main");
    // Without TZ the C library reads /etc/localtime's details again for every local time it works
    // out, and the user's calendars need thousands: named once, the same zone is read once.
    if (!qEnvironmentVariableIsSet("TZ"))
        qputenv("TZ", ":/etc/localtime");
    // Nothing is read or written before the program knows its own folder.
    if (const Result<> located = AppPaths::checkLocation(); !located) {
        printError(located.error().message());
        return 2;
    }
    QStringList given;
    for (int i = 1; i < argc; ++i)
        given << QString::fromLocal8Bit(argv[i]);
    if (const std::optional<QString> answer = commandLineAnswer(given)) {
        std::fputs(answer->toLocal8Bit().constData(), stdout);
        return 0;
    }
    // The to-do commands need no display; only a change reaches the desktop, where it shows
    // Marvane's picture.
    const bool itemCommand = ItemCommands::isItemCommand(given);
    if (itemCommand)
        if (const int code = runItemCommand(given); code != kRepaint)
            return code;
    // The session, its wallpaper backend and the display connection, once for the whole run.
    Desktop desktop;
    const bool display = !itemCommand || canReachDisplay() ? chooseDisplay(desktop.x11()) : false;
    if (itemCommand && !(display && WallpaperInstaller::desktopShowsOwnPicture(desktop, AppPaths::pictureDirectory())))
        return 0;
    if (given == QStringList{QStringLiteral("--restore-wallpaper")}) {
        const QCoreApplication app(argc, argv);
        return restoreWallpaper(desktop);
    }
    // The one place that decides whether the run shows a window. Without a display there is no
    // one to show a window to: every start is a silent run that saves the picture and says where
    // it went. A silent run shows nothing, so it needs neither the desktop's Qt theme plugin
    // (which may pull in a whole toolkit) nor, on X11, a connection of Qt's: the monitors and the
    // root window are asked of the server directly.
    const bool silent = !display || itemCommand || parseStartArgument(given.join(QLatin1Char(' '))) == kSilentArgument;
    QByteArrayList setForQt;
    if (silent && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORMTHEME"))
        setForQt << "QT_QPA_PLATFORMTHEME";
    if (silent && display && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        setForQt << "QT_QPA_PLATFORM";
    for (const QByteArray &name : setForQt)
        qputenv(name.constData(), name == "QT_QPA_PLATFORM" ? "offscreen" : "generic");
    if (!silent)
        return runWindow(argc, argv, display, desktop);
    QGuiApplication app(argc, argv);
    // Read only while the application object was made: programs started later (a desktop's
    // wallpaper tool among them) see the session as it was.
    for (const QByteArray &name : setForQt)
        qunsetenv(name.constData());
    markPhase("application");
    describeApplication();
    return runSilently(display, desktop);
}
