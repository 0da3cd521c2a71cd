#pragma once

#include <QString>

namespace marvane {

// The user's XDG autostart entry "Marvane.desktop": on, it starts the program with the argument 9
// at log-on; off, it stays in place hidden and with no command.
class AutostartEntry
{
public:
    // $XDG_CONFIG_HOME/autostart/Marvane.desktop, or ~/.config/autostart/Marvane.desktop.
    static QString path();

    // The entry's text; empty with `error` set when the program's path cannot be carried.
    static QString contents(bool enabled, const QString &executable, QString *error);

    // Writes the entry atomically; empty on success, else why not.
    static QString write(bool enabled, const QString &executable);

    // One argument of an Exec line, quoted and escaped by the Desktop Entry rules.
    static QString execArgument(const QString &argument);
};

} // namespace marvane
