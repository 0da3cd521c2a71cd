#include "logon/AutostartEntry.h"

#include "files/AtomicFile.h"
#include "platform/Quoting.h"
#include "platform/AppPaths.h"

#include <QDir>
#include <QFileInfo>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

const QString kReserved = u" \t\n\"'\\><~|&;$*?#()`"_s;

} // namespace

QString AutostartEntry::path()
{
    return AppPaths::configHome() + u"/autostart/Marvane.desktop"_s;
}

QString AutostartEntry::execArgument(const QString &argument)
{
    bool quote = argument.isEmpty();
    for (const QChar c : argument)
        quote = quote || kReserved.contains(c);
    const QString arg = quote ? backslashQuoted(argument, u'"', u"`$") : argument;
    // Then the string escapes of the whole value, and %% for a literal percent sign.
    return stringValue(arg).replace(u'%', u"%%"_s);
}

QString AutostartEntry::stringValue(const QString &text)
{
    QString out;
    for (const QChar c : text) {
        if (c == u'\\')
            out += u"\\\\"_s;
        else if (c == u'\n')
            out += u"\\n"_s;
        else if (c == u'\t')
            out += u"\\t"_s;
        else if (c == u'\r')
            out += u"\\r"_s;
        else
            out += c;
    }
    return out;
}

Result<> AutostartEntry::checkExecutable(const QString &executable)
{
    if (executable.isEmpty() || !QDir::isAbsolutePath(executable))
        return fail(path(), u"the program's own path is unknown, so log-on could not start it"_s);
    // GLib will not start a program whose path holds a '%', however it is escaped.
    if (executable.contains(u'%'))
        return fail(path(), u"the program's path \"%1\" holds a '%', which log-on cannot start; move it to a "
                                  "folder without one"_s.arg(executable));
    if (executable.contains(u'\n') || executable.contains(u'\r'))
        return fail(path(), u"the program's path holds a line break, which log-on cannot start"_s);
    return {};
}

QString AutostartEntry::contents(bool enabled, const QString &executable)
{
    const QString text = u"[Desktop Entry]\n"
                         "Type=Application\n"
                         "Name=Marvane\n"
                         "Comment=Paints this month's calendar onto the desktop wallpaper\n"_s;
    if (!enabled)
        return text + u"Hidden=true\n"_s;
    // A program moved or deleted since is skipped, not started and failing.
    return text + u"TryExec="_s + stringValue(executable) + u"\nExec="_s + execArgument(executable) +
           u" 9\nTerminal=false\nX-GNOME-Autostart-enabled=true\n"_s;
}

} // namespace marvane
