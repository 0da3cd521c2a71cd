#include "AppIcon.h"
#include "Form1.h"
#include "Fonts.h"
#include "LocaleNames.h"
#include "PrimaryScreen.h"
#include "SystemClock.h"

#include <QApplication>

#include <cstdio>

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
        std::fprintf(stderr, "pendrel: %s\n", qPrintable(problem));
    if (headless)
        std::fprintf(stderr, "pendrel: no display found; painting headless\n");

    QStringList arguments = QApplication::arguments();
    arguments.removeFirst();
    const SystemClock clock;
    const PrimaryScreen screen;
    const LocaleNames names;
    Form1 form(Form1Services::forProgram(clock, screen, names, arguments.join(QLatin1Char(' '))));
    form.Form_Load();
    return QApplication::exec();
}
