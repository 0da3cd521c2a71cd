#include "wallpaper/PcmanfmWallpaper.h"

#include "ini/IniFile.h"
#include "wallpaper/RunningProgram.h"
#include "wallpaper/ToolRun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
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

// A value as QSettings, which pcmanfm-qt reads with, takes it back: quoted where a comma would
// make it a list, a backslash an escape or a blank at either end be dropped.
std::string settingsValue(const QString &value)
{
    const bool plain = !value.contains(QRegularExpression(u"[,;\"\\\\]|^\\s|\\s$"_s));
    if (plain)
        return value.toStdString();
    QString quoted = value;
    quoted.replace(u'\\', u"\\\\"_s).replace(u'"', u"\\\""_s);
    return QString(u'"' + quoted + u'"').toStdString();
}

// Edited line by line where it stands, so the user's comments and pcmanfm-qt's other keys stay. A
// pcmanfm-qt that runs shows the picture at once (its command line) and keeps the mode it started
// with; a screen-sized picture looks the same in every mode, and the stored one counts from its next start.
Result<> store(const QString &file, const QString &path, const QString &mode)
{
    return IniFile::write(file, {{"Desktop", "Wallpaper", settingsValue(path)},
                                 {"Desktop", "WallpaperMode", mode.toStdString()}});
}

} // namespace

WallpaperSettings PcmanfmWallpaper::wallpaperSettings() const
{
    if (m_qt) {
        const QSettings settings(settingsFile(profileOf(desktopInstance())), QSettings::IniFormat);
        return {{u"Wallpaper"_s, settings.value(u"Desktop/Wallpaper"_s).toString()},
                {u"WallpaperMode"_s, settings.value(u"Desktop/WallpaperMode"_s).toString()}};
    }
    // LXDE's pcmanfm keeps it per desktop in a section named "*".
    const QString file = QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
                             .filePath(u"pcmanfm/LXDE/desktop-items-0.conf"_s);
    WallpaperSettings found{{u"wallpaper"_s, {}}, {u"wallpaper_mode"_s, {}}};
    QFile in(file);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    for (const QByteArray &raw : in.readAll().split('\n'))
        for (auto &[key, value] : found)
            if (const QString line = QString::fromUtf8(raw.trimmed()); line.startsWith(key + u'='))
                value = line.mid(key.size() + 1);
    return found;
}

QString PcmanfmWallpaper::currentPicture() const
{
    return wallpaperSettings().value(0).second;
}

std::optional<int> PcmanfmWallpaper::currentStyle() const
{
    static const QList<std::pair<QString, int>> styles{{u"zoom"_s, 0},   {u"crop"_s, 0}, {u"fit"_s, 1},
                                                       {u"center"_s, 2}, {u"stretch"_s, 3}, {u"tile"_s, 4}};
    const QString mode = wallpaperSettings().value(1).second;
    for (const auto &[name, style] : styles)
        if (mode == name)
            return style;
    return std::nullopt;
}

Result<> PcmanfmWallpaper::restoreSettings(const WallpaperSettings &settings)
{
    const QString picture = settings.value(0).second;
    const QString mode = settings.value(1).second;
    if (picture.isEmpty())
        return fail(u"pcmanfm"_s, u"the desktop showed no picture before, so there is none to put back"_s);
    return m_qt ? showThroughPcmanfmQt(picture, mode.isEmpty() ? u"stretch"_s : mode)
                : showThroughPcmanfm(picture, mode.isEmpty() ? u"crop"_s : mode);
}

bool PcmanfmWallpaper::spansMonitors() const
{
    return m_qt && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

Result<> PcmanfmWallpaper::show(const QString &file)
{
    if (!m_qt)
        return showThroughPcmanfm(file, u"crop"_s);
    return showThroughPcmanfmQt(file, spansMonitors() ? u"stretch"_s : u"zoom"_s);
}

Result<> PcmanfmWallpaper::showThroughPcmanfm(const QString &file, const QString &mode)
{
    if (const Result<QString> done = runTool(u"pcmanfm"_s, {u"--set-wallpaper"_s, file, u"--wallpaper-mode="_s + mode});
        !done)
        return std::unexpected(done.error());
    return {};
}

Result<> PcmanfmWallpaper::showThroughPcmanfmQt(const QString &path, const QString &mode)
{
    const RunningProgram desktop = desktopInstance();
    const QString file = settingsFile(desktop.pid ? profileOf(desktop) : u"default"_s);
    if (const Result<QString> shown = runTool(u"pcmanfm-qt"_s, {u"--set-wallpaper"_s, path, u"--wallpaper-mode="_s + mode});
        !shown)
        return std::unexpected(shown.error());
    return store(file, path, mode);
}

} // namespace marvane
