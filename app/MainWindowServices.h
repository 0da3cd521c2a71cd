#pragma once

#include "app/Message.h"
#include "platform/Clock.h"
#include "platform/LocaleNames.h"
#include "settings/Options.h"
#include "platform/Screen.h"
#include "platform/Result.h"

#include <QString>

#include <functional>
#include <optional>
#include <utility>

class QWidget;

namespace marvane {

class Desktop;

// What the main window needs from outside, so that tests can stand in for any of it.
struct MainWindowServices
{
    const Clock &clock;
    const Screen &screen;
    const LocaleNames &names;
    QString settingsDirectory; // options.ini, todolist.ini, and what relative picture names start from
    QString executable;

    std::function<Result<>(bool startAtLogon)> updateAutostart;
    // `background` is the desktop colour, for monitors beside the primary one.
    std::function<Result<>(const QImage &picture, QRgb background)> installWallpaper;
    // Modal dialogs; each returns when its dialog has closed. The options dialog may ask for the
    // canvas to be repainted while it is open.
    std::function<void(QWidget *owner, Options &options, const std::function<void()> &repaint)> openOptions;
    // `saved` runs after each Save, while the editor stays open.
    std::function<void(QWidget *owner, const std::function<void()> &saved)> openToDo;
    std::function<void(QWidget *owner)> openAbout;
    std::function<void(QWidget *owner)> openHelp;
    // Tells the user of a failure: standard error in English, and a message box in the user's
    // language unless silent.
    std::function<void(QWidget *owner, bool silent, const Message &message)> report;
    std::function<void(int exitCode)> exit;
    // Whether the desktop's own setting names Marvane's picture now; false where it does not say.
    std::function<bool()> desktopShowsOurPicture;
    // Puts back the wallpaper the desktop showed before Marvane's; says why where it cannot.
    std::function<Result<>()> restoreWallpaper;
    // The user's own picture the desktop shows now, never one of Marvane's, with its style (Fill
    // where the desktop does not say); nothing where it shows none or does not say.
    std::function<std::optional<std::pair<QString, int>>()> usersWallpaper;

    // The real ones for the running program, without the dialogs (see windowServices()): failures
    // go to standard error. Without a display the picture is only saved, and that is reported as
    // the failure to set the wallpaper it is.
    static MainWindowServices forProgram(const Clock &clock, const Desktop &desktop, const LocaleNames &names,
                                         bool display);
};

} // namespace marvane
