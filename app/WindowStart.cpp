#include "app/WindowStart.h"

#include "app/AppIcon.h"
#include "app/MainWindow.h"
#include "app/ProgramStart.h"
#include "app/WindowServices.h"
#include "platform/Fonts.h"
#include "platform/LocaleNames.h"
#include "platform/StandardError.h"
#include "platform/SystemClock.h"
#include "wallpaper/Desktop.h"

#include <QApplication>

namespace marvane {

int runWindow(int &argc, char **argv, bool display, const Desktop &desktop)
{
    QApplication app(argc, argv);
    describeApplication();
    installTranslations(true);
    if (const Result<> fonts = Fonts::ensureLoaded(); !fonts)
        printError(fonts.error().message());
    QGuiApplication::setWindowIcon(AppIcon::icon());
    const SystemClock clock;
    const LocaleNames names;
    MainWindow window(windowServices(MainWindowServices::forProgram(clock, desktop, names, display), &desktop.backend()));
    window.start();
    return QApplication::exec();
}

} // namespace marvane
