#include "AutostartEntry.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

const QString kReserved = u" \t\n\"'\\><~|&;$*?#()`"_s;

} // namespace

QString AutostartEntry::path()
{
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty() || !QDir::isAbsolutePath(config))
        config = QDir::homePath() + u"/.config"_s;
    return config + u"/autostart/Marvane.desktop"_s;
}

QString AutostartEntry::execArgument(const QString &argument)
{
    bool quote = argument.isEmpty();
    for (const QChar c : argument)
        quote = quote || kReserved.contains(c);
    QString arg;
    if (quote) {
        arg = u"\""_s;
        for (const QChar c : argument) {
            if (c == u'"' || c == u'`' || c == u'$' || c == u'\\')
                arg += u'\\';
            arg += c;
        }
        arg += u'"';
    } else {
        arg = argument;
    }
    // Then the string escapes of the whole value, and %% for a literal percent sign.
    QString out;
    for (const QChar c : arg) {
        if (c == u'\\')
            out += u"\\\\"_s;
        else if (c == u'\n')
            out += u"\\n"_s;
        else if (c == u'\t')
            out += u"\\t"_s;
        else if (c == u'\r')
            out += u"\\r"_s;
        else if (c == u'%')
            out += u"%%"_s;
        else
            out += c;
    }
    return out;
}

QString AutostartEntry::contents(bool enabled, const QString &executable, QString *error)
{
    QString text = u"[Desktop Entry]\n"
                   "Type=Application\n"
                   "Name=Marvane\n"
                   "Comment=Paints this month's calendar onto the desktop wallpaper\n"_s;
    if (!enabled)
        return text + u"Hidden=true\n"_s;
    // GLib will not start a program whose path holds a '%', however it is escaped.
    if (executable.contains(u'%')) {
        *error = u"the program's path \"%1\" holds a '%', which log-on cannot start; move it to a folder "
                 "without one"_s.arg(executable);
        return {};
    }
    if (executable.contains(u'\n') || executable.contains(u'\r')) {
        *error = u"the program's path holds a line break, which log-on cannot start"_s;
        return {};
    }
    return text + u"Exec="_s + execArgument(executable) + u" 9\n"_s + u"Terminal=false\n"
                  "X-GNOME-Autostart-enabled=true\n"_s;
}

QString AutostartEntry::write(bool enabled, const QString &executable)
{
    QString error;
    const QString text = contents(enabled, executable, &error);
    if (text.isEmpty())
        return error;
    const QString file = path();
    if (!QDir().mkpath(QFileInfo(file).absolutePath()))
        return u"cannot create the folder %1"_s.arg(QFileInfo(file).absolutePath());
    QSaveFile out(file);
    if (!out.open(QIODevice::WriteOnly))
        return u"cannot write %1: %2"_s.arg(file, out.errorString());
    out.write(text.toUtf8());
    if (!out.commit())
        return u"cannot write %1: %2"_s.arg(file, out.errorString());
    return {};
}

} // namespace marvane
