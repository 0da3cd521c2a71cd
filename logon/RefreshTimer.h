#pragma once

#include "platform/Result.h"

#include <QString>

namespace marvane {

// Per-user systemd units that repaint the wallpaper a few seconds after every midnight, at resume
// when midnight passed during suspend, and when the settings or to-do items change:
// marvane-refresh.service runs the program with the argument 9; marvane-refresh.timer and
// marvane-refresh.path start it. Kept beside the log-on entry while the log-on option is on,
// removed when it is off.
class RefreshTimer
{
public:
    // $XDG_CONFIG_HOME/systemd/user, or ~/.config/systemd/user.
    static QString unitDirectory();
    static QString servicePath();
    static QString timerPath();
    // The link that enables the timer.
    static QString wantsLink();
    // marvane-refresh.path, which starts the service when todolist.ini or options.ini of the
    // program at `executable` changes, and the link that enables it.
    static QString pathUnitPath();
    static QString pathWantsLink();
    static QString pathUnitText(const QString &executable);

    static QString serviceText(const QString &executable);
    static QString timerText();

    // ExecStart's value for the program with the argument 9, in systemd's own quoting, for a path
    // that passed the check.
    static QString execStart(const QString &executable);

    // Why a timer could not start a program at `executable`, if it could not.
    static Result<> checkExecutable(const QString &executable);

    // Writes or removes the units and the link, atomically and only when something changes; then
    // tells the user manager on the session bus, when one answers. Both units are written before
    // either is put in place; the link goes first and comes last.
    static Result<> update(bool enabled, const QString &executable);
};

} // namespace marvane
