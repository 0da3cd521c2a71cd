#include "app/MainWindowServices.h"

#include "logon/LogonRun.h"
#include "settings/ProgramState.h"
#include "wallpaper/Desktop.h"
#include "wallpaper/SavedWallpaper.h"
#include "wallpaper/WallpaperInstaller.h"
#include "platform/AppPaths.h"
#include "platform/StandardError.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace marvane {

using namespace Qt::StringLiterals;

MainWindowServices MainWindowServices::forProgram(const Clock &clock, const Desktop &desktop,
                                                  const LocaleNames &names, bool display)
{
    const QString dir = AppPaths::pictureDirectory();
    const QString exe = AppPaths::executablePath();
    const QString stateFile = ProgramState::path(AppPaths::settingsDirectory());
    const auto updateAutostart = [exe](bool on) { return LogonRun::update(on, exe); };
    return MainWindowServices{
        .clock = clock,
        .screen = desktop,
        .names = names,
        .settingsDirectory = AppPaths::settingsDirectory(),
        .executable = exe,
        .updateAutostart = updateAutostart,
        .installWallpaper =
            [dir, display, stateFile, &desktop](const QImage &picture, QRgb background) -> Result<> {
                if (display) {
                    // What the desktop showed before is kept first, so that it can be put back.
                    if (const Result<> kept = SavedWallpaper::keep(desktop, stateFile, dir); !kept)
                        printError(kept.error().message());
                    return WallpaperInstaller::install(picture, dir, desktop, background);
                }
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
                return WallpaperInstaller::desktopShowsOwnPicture(desktop, dir);
            },
        .restoreWallpaper = [stateFile, &desktop] { return SavedWallpaper::restore(desktop, stateFile); },
        .usersWallpaper = [dir, &desktop]() -> std::optional<std::pair<QString, int>> {
            const QString shown = WallpaperBackend::pictureFileIn(desktop.backend().currentPicture());
            if (shown.isEmpty() || WallpaperInstaller::isOwnPicture(shown, dir) || !QFileInfo(shown).isFile())
                return std::nullopt;
            return std::pair{shown, desktop.backend().currentStyle().value_or(0)};
        },
    };
}

} // namespace marvane
