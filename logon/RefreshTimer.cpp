#include "logon/RefreshTimer.h"

#include "files/AtomicFile.h"
#include "platform/Quoting.h"
#include "platform/AppPaths.h"
#include "platform/StandardError.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

const QString kTimer = u"marvane-refresh.timer"_s;
const QString kPath = u"marvane-refresh.path"_s;

// The systemd user manager, asked only when it is already on the session bus: activating one
// from here would start a second manager.
class UserManager
{
public:
    UserManager() : m_bus(QDBusConnection::sessionBus())
    {
        m_answers = m_bus.isConnected() && m_bus.interface() &&
                    m_bus.interface()->isServiceRegistered(u"org.freedesktop.systemd1"_s).value();
    }
    bool answers() const { return m_answers; }

    Result<> call(const QString &method, const QVariantList &arguments = {}) const
    {
        QDBusMessage message = QDBusMessage::createMethodCall(u"org.freedesktop.systemd1"_s,
                                                              u"/org/freedesktop/systemd1"_s,
                                                              u"org.freedesktop.systemd1.Manager"_s, method);
        message.setArguments(arguments);
        const QDBusMessage reply = m_bus.call(message, QDBus::Block, 10000);
        if (reply.type() == QDBusMessage::ErrorMessage)
            return fail(u"systemd"_s, reply.errorMessage());
        return {};
    }

private:
    QDBusConnection m_bus;
    bool m_answers = false;
};

bool exists(const QString &path)
{
    // A dangling link exists too.
    return QFileInfo(path).isSymLink() || QFileInfo::exists(path);
}

Result<> remove(const QString &path)
{
    if (!exists(path))
        return {};
    QFile file(path);
    if (QFileInfo(path).isDir() && !QFileInfo(path).isSymLink())
        return fail(path, u"cannot remove %1: a folder is in the way"_s.arg(path));
    if (!file.remove())
        return fail(path, u"cannot remove %1: %2"_s.arg(path, file.errorString()));
    return {};
}

} // namespace

QString RefreshTimer::unitDirectory()
{
    return AppPaths::configHome() + u"/systemd/user"_s;
}

QString RefreshTimer::servicePath()
{
    return unitDirectory() + u"/marvane-refresh.service"_s;
}

QString RefreshTimer::timerPath()
{
    return unitDirectory() + u"/"_s + kTimer;
}

QString RefreshTimer::wantsLink()
{
    return unitDirectory() + u"/timers.target.wants/"_s + kTimer;
}

QString RefreshTimer::pathUnitPath()
{
    return unitDirectory() + u"/"_s + kPath;
}

QString RefreshTimer::pathWantsLink()
{
    return unitDirectory() + u"/paths.target.wants/"_s + kPath;
}

QString RefreshTimer::pathUnitText(const QString &executable)
{
    // systemd takes a path literally but for %; a line break was refused with the executable.
    const QString folder = AppPaths::settingsDirectoryFor(QFileInfo(executable).absolutePath()).replace(u'%', u"%%"_s);
    return u"[Unit]\n"
           "Description=Marvane: repaint the calendar wallpaper when its settings or to-do items change\n"
           "\n"
           "[Path]\n"
           "PathChanged="_s + folder + u"/todolist.ini\n"
           "PathChanged="_s + folder + u"/options.ini\n"
           "Unit=marvane-refresh.service\n"
           "\n"
           "[Install]\n"
           "WantedBy=paths.target\n"_s;
}

QString RefreshTimer::execStart(const QString &executable)
{
    bool plain = true;
    for (const QChar c : executable)
        plain = plain && c != u'"' && c != u'\'' && c != u'\\' && c.unicode() >= 0x20 && c.unicode() != 0x7F;
    // systemd takes the executable's own path literally but for %, and refuses quotes, backslashes
    // and control characters in it; such a path goes to a shell as an argument, where every
    // character can be quoted.
    if (plain)
        return u"\""_s + QString(executable).replace(u'%', u"%%"_s) + u"\" 9"_s;
    QString argument = backslashQuoted(executable, u'"', {});
    argument.replace(u'%', u"%%"_s).replace(u'$', u"$$"_s);
    return u"/bin/sh -c \"exec \\\"$$0\\\" 9\" "_s + argument;
}

QString RefreshTimer::serviceText(const QString &executable)
{
    // A program moved or deleted since is skipped quietly, not run and failing.
    return u"[Unit]\n"
           "Description=Marvane: repaint the calendar wallpaper for the new day\n"
           "ConditionFileIsExecutable="_s +
           QString(executable).replace(u'%', u"%%"_s) +
           u"\n"
           "\n"
           "[Service]\n"
           "Type=oneshot\n"
           "# A burst of saves starts one repaint: those that come while it waits join it.\n"
           "ExecStartPre=/bin/sleep 2\n"
           "ExecStart="_s +
           execStart(executable) + u"\n"_s;
}

QString RefreshTimer::timerText()
{
    return u"[Unit]\n"
           "Description=Marvane: repaint the calendar wallpaper after midnight\n"
           "\n"
           "[Timer]\n"
           "OnCalendar=*-*-* 00:00:05\n"
           "Persistent=true\n"
           "AccuracySec=1s\n"
           "\n"
           "[Install]\n"
           "WantedBy=timers.target\n"_s;
}

Result<> RefreshTimer::checkExecutable(const QString &executable)
{
    if (executable.isEmpty() || !QDir::isAbsolutePath(executable))
        return fail(servicePath(), u"the program's own path is unknown, so no timer could start it"_s);
    if (executable.contains(u'\n') || executable.contains(u'\r'))
        return fail(servicePath(), u"the program's path holds a line break, which systemd cannot start"_s);
    return {};
}

namespace {

struct UnitLink
{
    QString link;
    QString unit;
};

QList<UnitLink> unitLinks()
{
    return {{RefreshTimer::wantsLink(), RefreshTimer::timerPath()},
            {RefreshTimer::pathWantsLink(), RefreshTimer::pathUnitPath()}};
}

Result<> removeAll()
{
    const UserManager manager;
    if (manager.answers())
        for (const QString &unit : {kTimer, kPath})
            (void)manager.call(u"StopUnit"_s, {unit, u"replace"_s});
    // The links first: a unit that is not wanted starts nothing, whatever is left of it.
    for (const QString &path : {RefreshTimer::wantsLink(), RefreshTimer::pathWantsLink(), RefreshTimer::timerPath(),
                                RefreshTimer::pathUnitPath(), RefreshTimer::servicePath()})
        if (const Result<> e = remove(path); !e.has_value())
            return e;
    if (manager.answers())
        (void)manager.call(u"Reload"_s);
    return {};
}

// Points each link at its unit; whether one changed.
Result<bool> linkAll()
{
    bool changed = false;
    for (const UnitLink &l : unitLinks()) {
        if (QFileInfo(l.link).symLinkTarget() == l.unit)
            continue;
        if (exists(l.link) && !QFileInfo(l.link).isSymLink())
            return fail(l.link, u"cannot enable %1: %2 is in the way"_s.arg(QFileInfo(l.unit).fileName(), l.link));
        if (!QDir().mkpath(QFileInfo(l.link).absolutePath()))
            return fail(l.link, u"cannot create the folder %1"_s.arg(QFileInfo(l.link).absolutePath()));
        QFile::remove(l.link);
        if (!QFile::link(l.unit, l.link))
            return fail(l.link, u"cannot enable %1 at %2"_s.arg(QFileInfo(l.unit).fileName(), l.link));
        changed = true;
    }
    return changed;
}

void tellManager()
{
    const UserManager manager;
    if (!manager.answers()) {
        printError(u"no systemd user manager answered; the midnight repaint starts at the next log-in"_s);
        return;
    }
    if (const Result<> e = manager.call(u"Reload"_s); !e) {
        printError(u"the systemd user manager did not reload: %1"_s.arg(e.error().reason()));
        return;
    }
    for (const QString &unit : {kTimer, kPath})
        if (const Result<> s = manager.call(u"StartUnit"_s, {unit, u"replace"_s}); !s)
            printError(u"the systemd user manager did not start %1: %2"_s.arg(unit, s.error().reason()));
}

} // namespace

Result<> RefreshTimer::update(bool enabled, const QString &executable)
{
    if (!enabled)
        return exists(servicePath()) || exists(timerPath()) || exists(pathUnitPath()) || exists(wantsLink()) ||
                       exists(pathWantsLink())
                   ? removeAll()
                   : Result<>();
    if (const Result<> e = checkExecutable(executable); !e)
        return e;
    if (!QDir().mkpath(unitDirectory()))
        return fail(unitDirectory(), u"cannot create the folder %1"_s.arg(unitDirectory()));
    // Every unit is written before any is put in place, so that a full disk refuses them all.
    const QList<std::pair<QString, QString>> texts{{servicePath(), serviceText(executable)},
                                                   {timerPath(), timerText()},
                                                   {pathUnitPath(), pathUnitText(executable)}};
    std::vector<std::unique_ptr<StagedFile>> staged;
    for (const auto &[path, text] : texts) {
        Result<std::unique_ptr<StagedFile>> unit = StagedFile::writeIfChanged(path, text.toUtf8());
        if (!unit)
            return std::unexpected(unit.error());
        staged.push_back(std::move(*unit));
    }
    bool changed = false;
    for (const std::unique_ptr<StagedFile> &unit : staged) {
        if (!unit)
            continue;
        if (const Result<> e = unit->commit(); !e)
            return e;
        changed = true;
    }
    const Result<bool> linked = linkAll();
    if (!linked)
        return std::unexpected(linked.error());
    if (changed || *linked)
        tellManager();
    return {};
}

} // namespace marvane
