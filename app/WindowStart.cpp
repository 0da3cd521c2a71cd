#include "app/WindowStart.h"

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

namespace marvane {

int runWindow(int &argc, char **argv, bool display)
{
    QApplication app(argc, argv);
    describeApplication();
    installTranslations(true);
    if (const Result<> fonts = Fonts::ensureLoaded(); !fonts)
        printError(fonts.error().message());
    QGuiApplication::setWindowIcon(AppIcon::icon());
    const SystemClock clock;
    const DesktopScreen screen(DesktopSession::fromEnvironment());
    const LocaleNames names;
    MainWindow window(windowServices(clock, screen, names, display));
    window.start();
    return QApplication::exec();
}

} // namespace marvane
