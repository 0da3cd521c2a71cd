#include "app/WindowModule.h"

#include "app/AppIcon.h"
#include "app/MainWindow.h"
#include "app/ProgramStart.h"
#include "app/WindowServices.h"
#include "desktop/DesktopScreen.h"
#include "desktop/DesktopSession.h"
#include "platform/Fonts.h"
#include "platform/LocaleNames.h"
#include "platform/StandardError.h"
#include "platform/SystemClock.h"

#include <QApplication>

#include <type_traits>

extern "C" Q_DECL_EXPORT int marvaneRunWindow(int *argc, char **argv, bool display)
{
    using namespace marvane;
    static_assert(std::is_same_v<WindowEntry, decltype(&marvaneRunWindow)>);
    QApplication app(*argc, argv);
    describeApplication();
    // Qt's own options (-platform and the like) may have stood before the 9.
    if (silentRunAsked())
        return runSilently(display);
    for (const QString &problem : Fonts::ensureLoaded())
        printError(problem);
    QGuiApplication::setWindowIcon(AppIcon::icon());
    const SystemClock clock;
    const DesktopScreen screen(DesktopSession::fromEnvironment());
    const LocaleNames names;
    MainWindow window(windowServices(clock, screen, names, display));
    window.start();
    return QApplication::exec();
}
