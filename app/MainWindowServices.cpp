#include "Form1Services.h"

#include "AppPaths.h"
#include "DesktopSession.h"
#include "Help.h"
#include "Module3.h"
#include "Module1.h"
#include "WallpaperInstaller.h"
#include "frmAbout.h"
#include "frmOptions.h"
#include "frmToDo.h"

#include <QCoreApplication>
#include <QDir>
#include <QMessageBox>

#include <cstdio>

namespace marvane {

Form1Services Form1Services::forProgram(const Clock &clock, const Screen &screen, const LocaleNames &names,
                                        const QString &commandLine)
{
    const QString dir = AppPaths::applicationDirectory();
    const QString exe = AppPaths::executablePath();
    Form1Services s{clock, screen, names, dir, exe, commandLine, {}, {}, {}, {}, {}, {}, {}, {}};
    s.setAutoRun = [exe](bool on) { return Module3::SetAutoRun(on, exe); };
    s.installWallpaper = [dir](const QImage &picture) {
        return WallpaperInstaller::install(picture, dir, DesktopSession::fromEnvironment());
    };
    s.openOptions = [dir, setAutoRun = s.setAutoRun](QWidget *owner, Options &options,
                                                     const std::function<void()> &repaint) {
        frmOptions dialog(options, Module1::optionsFile(dir), setAutoRun, owner);
        QObject::connect(&dialog, &frmOptions::applied, &dialog, repaint);
        dialog.exec();
    };
    s.openToDo = [dir, &clock](QWidget *owner) {
        const ToDoStore store(ToDoStore::fileIn(dir), clock);
        frmToDo dialog(store, clock, owner);
        dialog.exec();
    };
    s.openAbout = [](QWidget *owner) {
        frmAbout box(Shell::open, owner);
        box.exec();
    };
    s.openHelp = [dir] { Help::open(QDir::currentPath(), dir, Shell::open); };
    s.report = [](QWidget *owner, bool silent, const QString &message) {
        std::fprintf(stderr, "pendrel: %s\n", qPrintable(message));
        if (!silent)
            QMessageBox::warning(owner, QStringLiteral("Marvane"), message);
    };
    s.exit = [](int code) { QCoreApplication::exit(code); };
    return s;
}

} // namespace marvane
