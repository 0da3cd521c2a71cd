#pragma once

#include "platform/Result.h"

#include <QString>

namespace marvane {

// What the program remembers of its own beside the settings, in state.ini: whether the user
// answered the notice about the log-on run. Never written by a silent run.
class ProgramState
{
public:
    static QString path(const QString &settingsDirectory);
    static bool logonNoticeAnswered(const QString &settingsDirectory);
    static Result<> setLogonNoticeAnswered(const QString &settingsDirectory);
};

} // namespace marvane
