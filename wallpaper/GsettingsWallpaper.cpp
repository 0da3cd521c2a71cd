#include "wallpaper/GsettingsWallpaper.h"

#include "session/DisplayScale.h"
#include "platform/Quoting.h"
#include "wallpaper/ToolRun.h"

#include <algorithm>

namespace marvane {

using namespace Qt::StringLiterals;

GsettingsWallpaper::Keys GsettingsWallpaper::gnome()
{
    return {u"org.gnome.desktop.background"_s, {u"picture-uri"_s, u"picture-uri-dark"_s}, true,
            u"org.gnome.desktop.interface"_s, u"scaling-factor"_s};
}

GsettingsWallpaper::Keys GsettingsWallpaper::cinnamon()
{
    return {u"org.cinnamon.desktop.background"_s, {u"picture-uri"_s}, true, u"org.cinnamon.desktop.interface"_s,
            u"scaling-factor"_s};
}

GsettingsWallpaper::Keys GsettingsWallpaper::mate()
{
    return {u"org.mate.background"_s, {u"picture-filename"_s}, false, u"org.mate.interface"_s,
            u"window-scaling-factor"_s};
}

GsettingsWallpaper::GsettingsWallpaper(const DesktopSession &session, Keys keys, bool mutter)
    : WallpaperBackend(session), m_keys(std::move(keys)), m_mutter(mutter)
{
}

QString GsettingsWallpaper::currentPicture() const
{
    QString all;
    for (const QString &key : m_keys.pictureKeys)
        all += runTool(u"gsettings"_s, {u"get"_s, m_keys.schema, key}).value_or(QString());
    return all;
}

std::optional<int> GsettingsWallpaper::currentStyle() const
{
    // The numbers are BackgroundPicture's: fill, fit, centre, stretch, tile.
    static const QList<std::pair<QString, int>> styles{{u"'zoom'"_s, 0},     {u"'spanned'"_s, 0},  {u"'scaled'"_s, 1},
                                                       {u"'centered'"_s, 2}, {u"'stretched'"_s, 3}, {u"'wallpaper'"_s, 4}};
    const QString shown = runTool(u"gsettings"_s, {u"get"_s, m_keys.schema, u"picture-options"_s}).value_or(QString()).trimmed();
    for (const auto &[name, style] : styles)
        if (shown == name)
            return style;
    return std::nullopt;
}

WallpaperSettings GsettingsWallpaper::wallpaperSettings() const
{
    // One call for the whole schema; its lines read "schema key value".
    const Result<QString> listing = runTool(u"gsettings"_s, {u"list-recursively"_s, m_keys.schema});
    if (!listing)
        return {};
    QStringList wanted = m_keys.pictureKeys;
    wanted << u"picture-options"_s << u"primary-color"_s << u"secondary-color"_s << u"color-shading-type"_s;
    WallpaperSettings settings;
    for (const QString &line : listing->split(u'\n', Qt::SkipEmptyParts)) {
        const QString key = line.section(u' ', 1, 1);
        if (line.section(u' ', 0, 0) == m_keys.schema && wanted.contains(key))
            settings.append({key, line.section(u' ', 2)});
    }
    // In the order of `wanted`: the light picture first.
    std::sort(settings.begin(), settings.end(),
              [&wanted](const auto &a, const auto &b) { return wanted.indexOf(a.first) < wanted.indexOf(b.first); });
    return settings;
}

Result<> GsettingsWallpaper::restoreSettings(const WallpaperSettings &settings)
{
    for (const auto &[key, value] : settings)
        if (const Result<QString> done = runTool(u"gsettings"_s, {u"set"_s, m_keys.schema, key, value}); !done)
            return std::unexpected(done.error());
    return {};
}

Result<> GsettingsWallpaper::show(const QString &file)
{
    const auto set = [this](const QString &key, const QString &value) {
        return runTool(u"gsettings"_s, {u"set"_s, m_keys.schema, key, value});
    };
    // "zoom" covers each monitor keeping the picture's proportions: 1:1 on the primary monitor.
    if (const Result<QString> done = set(u"picture-options"_s, u"'zoom'"_s); !done)
        return std::unexpected(done.error());
    const QString value = backslashQuoted(m_keys.takesUri ? fileUri(file) : file, u'\'', {});
    for (const QString &key : std::as_const(m_keys.pictureKeys))
        if (const Result<QString> done = set(key, value); !done)
            return std::unexpected(done.error());
    return {};
}

std::optional<MonitorLayout> GsettingsWallpaper::monitorLayout() const
{
    return m_mutter ? MonitorLayout::fromMutter() : WallpaperBackend::monitorLayout();
}

std::optional<double> GsettingsWallpaper::desktopScale() const
{
    // Under Wayland Mutter's logical monitor has the scale, fractional ones too.
    if (m_mutter) {
        const std::optional<MonitorLayout> layout = MonitorLayout::fromMutter();
        return layout ? layout->primaryScale : std::nullopt;
    }
    const Result<QString> value = runTool(u"gsettings"_s, {u"get"_s, m_keys.scaleSchema, m_keys.scaleKey});
    return value ? displayscale::fromToolOutput(*value) : std::nullopt;
}

bool GsettingsWallpaper::saysWhereMonitorsAre() const
{
    return m_mutter || WallpaperBackend::saysWhereMonitorsAre();
}

} // namespace marvane
