#pragma once

#include "platform/Result.h"

#include <QString>

namespace marvane {

// The user's XDG autostart entry "Marvane.desktop": on, it starts the program with the argument 9
// at log-on; off, it stays in place hidden and with no command.
class AutostartEntry
{
public:
    // $XDG_CONFIG_HOME/autostart/Marvane.desktop, or ~/.config/autostart/Marvane.desktop.
    static QString path();

    // Why log-on could not start a program at `executable`; empty when it can.
    static Result<> checkExecutable(const QString &executable);

    // The entry's text, for an executable that passed the check.
    static QString contents(bool enabled, const QString &executable);

    // One argument of an Exec line, quoted and escaped by the Desktop Entry rules.
    static QString execArgument(const QString &argument);
    // A string value (TryExec's) escaped by the Desktop Entry rules.
    static QString stringValue(const QString &text);
};

} // namespace marvane
