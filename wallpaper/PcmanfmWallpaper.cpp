#include "wallpaper/PcmanfmWallpaper.h"

#include "wallpaper/RunningProgram.h"
#include "wallpaper/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// The desktop instance's profile, from its command line ("--profile=lxqt", "-p lxqt"). A name
// that is no plain folder name is not followed out of pcmanfm-qt's own folder.
QString profileOf(const RunningProgram &desktop)
{
    const QStringList &arguments = desktop.arguments;
    QString profile = u"default"_s;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a.startsWith(u"--profile="_s))
            profile = a.mid(10);
        else if ((a == u"--profile"_s || a == u"-p"_s) && i + 1 < arguments.size())
            profile = arguments[i + 1];
        else
            continue;
        break;
    }
    const bool plain = !profile.isEmpty() && !profile.contains(u'/') && profile != u"."_s && profile != u".."_s;
    return plain ? profile : u"default"_s;
}

RunningProgram desktopInstance()
{
    for (const RunningProgram &program : RunningProgram::named(u"pcmanfm-qt"_s))
        if (program.arguments.contains(u"--desktop"_s) || program.arguments.contains(u"-d"_s))
            return program;
    return {};
}

// The user's settings file of `profile`; made from the system's copy (LXQt's defaults) if the user has none.
QString settingsFile(const QString &profile)
{
    const QString relative = u"pcmanfm-qt/%1/settings.conf"_s.arg(profile);
    const QString user = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)).filePath(relative);
    if (!QFileInfo::exists(user)) {
        QDir().mkpath(QFileInfo(user).absolutePath());
        const QString system = QStandardPaths::locate(QStandardPaths::GenericConfigLocation, relative);
        if (!system.isEmpty() && system != user)
            QFile::copy(system, user);
    }
    return user;
}

QString storedMode(const QString &file)
{
    return QSettings(file, QSettings::IniFormat).value(u"Desktop/WallpaperMode"_s).toString();
}

Result<> store(const QString &file, const QString &path, const QString &mode)
{
    // QSettings replaces the file whole, as pcmanfm-qt's own saves do.
    QSettings settings(file, QSettings::IniFormat);
    settings.setValue(u"Desktop/Wallpaper"_s, path);
    settings.setValue(u"Desktop/WallpaperMode"_s, mode);
    settings.sync();
    if (settings.status() != QSettings::NoError)
        return fail(file, u"cannot write %1"_s.arg(file));
    return {};
}

// pcmanfm-qt 1.2 shows a new mode but keeps the one it started with, and writes that back when
// it quits. An instance that started with another mode is started again, once, on the stored one.
Result<> restartOnStoredMode(const RunningProgram &desktop, const QString &file, const QString &path,
                             const QString &mode)
{
    if (!desktop.stop(5000))
        return fail(u"pcmanfm-qt"_s, u"pcmanfm-qt did not end to take the new wallpaper mode"_s);
    if (const Result<> stored = store(file, path, mode); !stored.has_value())
        return stored;
    if (!QProcess::startDetached(desktop.arguments.first(), desktop.arguments.mid(1)))
        return fail(u"pcmanfm-qt"_s, u"pcmanfm-qt did not start again"_s);
    return {};
}

} // namespace

QString PcmanfmWallpaper::currentPicture() const
{
    if (m_qt)
        return QSettings(settingsFile(profileOf(desktopInstance())), QSettings::IniFormat)
            .value(u"Desktop/Wallpaper"_s)
            .toString();
    // LXDE's pcmanfm keeps it per desktop as "wallpaper=" in a section named "*".
    const QString file = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                             .filePath(u"pcmanfm/LXDE/desktop-items-0.conf"_s);
    QFile in(file);
    if (in.open(QIODevice::ReadOnly))
        for (const QByteArray &line : in.readAll().split('\n'))
            if (line.trimmed().startsWith("wallpaper="))
                return QString::fromUtf8(line.trimmed().mid(10));
    return {};
}

bool PcmanfmWallpaper::spansMonitors() const
{
    return m_qt && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

Result<> PcmanfmWallpaper::show(const QString &file)
{
    if (!m_qt) {
        if (const Result<QString> done = runTool(u"pcmanfm"_s, {u"--set-wallpaper"_s, file, u"--wallpaper-mode=crop"_s});
            !done)
            return std::unexpected(done.error());
        return {};
    }
    return showThroughPcmanfmQt(file, spansMonitors() ? u"stretch"_s : u"zoom"_s);
}

Result<> PcmanfmWallpaper::showThroughPcmanfmQt(const QString &path, const QString &mode)
{
    const RunningProgram desktop = desktopInstance();
    const QString file = settingsFile(desktop.pid ? profileOf(desktop) : u"default"_s);
    const QString before = storedMode(file);
    if (const Result<QString> shown = runTool(u"pcmanfm-qt"_s, {u"--set-wallpaper"_s, path, u"--wallpaper-mode="_s + mode});
        !shown)
        return std::unexpected(shown.error());
    if (const Result<> stored = store(file, path, mode); !stored.has_value())
        return stored;
    if (desktop.pid && before != mode)
        return restartOnStoredMode(desktop, file, path, mode);
    return {};
}

} // namespace marvane
