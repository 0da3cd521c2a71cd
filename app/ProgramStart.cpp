#include "app/ProgramStart.h"

#include "app/MainWindowServices.h"
#include "app/SilentRun.h"
#include "desktop/DesktopScreen.h"
#include "desktop/DesktopSession.h"
#include "platform/LocaleNames.h"
#include "platform/SystemClock.h"

#include <QGuiApplication>

namespace marvane {

void describeApplication()
{
    QGuiApplication::setApplicationName(QStringLiteral("Marvane"));
    QGuiApplication::setApplicationVersion(QStringLiteral("1.0"));
    QGuiApplication::setDesktopFileName(QStringLiteral("marvane"));
}

int runSilently(bool display, const X11Connection *x11)
{
    const SystemClock clock;
    // The size of the primary monitor as the desktop has it, in device pixels.
    const DesktopScreen screen(DesktopSession::fromEnvironment(x11));
    const LocaleNames names;
    SilentRun run(MainWindowServices::forProgram(clock, screen, names, display, x11));
    run.start();
    return QGuiApplication::exec();
}

} // namespace marvane
