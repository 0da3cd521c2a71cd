#include "app/MainWindowServices.h"

#include "logon/LogonRun.h"
#include "wallpaper/Desktop.h"
#include "wallpaper/WallpaperInstaller.h"
#include "platform/AppPaths.h"
#include "platform/StandardError.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace marvane {

using namespace Qt::StringLiterals;

namespace {

// temp.bmp or one of the copies the desktops are shown, in the program's picture folder.
bool isOwnPicture(const QString &path, const QString &pictureDirectory)
{
    const QFileInfo shown(path);
    return !path.isEmpty() && shown.absolutePath() == QFileInfo(pictureDirectory).absoluteFilePath() &&
           (shown.fileName() == u"temp.bmp"_s || shown.fileName().startsWith(u".temp-wallpaper-"_s));
}

} // namespace

MainWindowServices MainWindowServices::forProgram(const Clock &clock, const Desktop &desktop,
                                                  const LocaleNames &names, bool display)
{
    const QString dir = AppPaths::pictureDirectory();
    const QString exe = AppPaths::executablePath();
    const auto updateAutostart = [exe](bool on) { return LogonRun::update(on, exe); };
    return MainWindowServices{
        .clock = clock,
        .screen = desktop,
        .names = names,
        .settingsDirectory = AppPaths::settingsDirectory(),
        .executable = exe,
        .updateAutostart = updateAutostart,
        .installWallpaper =
            [dir, display, &desktop](const QImage &picture, QRgb background) -> Result<> {
                if (display)
                    return WallpaperInstaller::install(picture, dir, desktop, background);
                if (const Result<> e = WallpaperInstaller::saveBitmap(picture, dir); !e.has_value())
                    return e;
                return fail(WallpaperInstaller::bitmapPath(dir),
                                  QStringLiteral("the picture was saved here, but without a display no wallpaper "
                                                 "could be set"));
            },
        // No dialogs without windows.
        .openOptions = {},
        .openToDo = {},
        .openAbout = {},
        .openHelp = {},
        .report = [](QWidget *, bool, const Message &message) { printError(message.english); },
        // Only a finished silent run exits from here: everything it wrote is on disk and the
        // wallpaper is set, so the teardown of windows and connections is skipped.
        .exit =
            [](int code) {
                std::fflush(nullptr);
                std::quick_exit(code);
            },
        .desktopShowsOurPicture =
            [dir, &desktop] {
                return isOwnPicture(WallpaperBackend::pictureFileIn(desktop.backend().currentPicture()), dir);
            },
        .usersWallpaper = [dir, &desktop]() -> std::optional<std::pair<QString, int>> {
            const QString shown = WallpaperBackend::pictureFileIn(desktop.backend().currentPicture());
            if (shown.isEmpty() || isOwnPicture(shown, dir) || !QFileInfo(shown).isFile())
                return std::nullopt;
            return std::pair{shown, desktop.backend().currentStyle().value_or(0)};
        },
    };
}

} // namespace marvane
