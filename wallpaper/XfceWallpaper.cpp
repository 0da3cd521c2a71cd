#include "wallpaper/XfceWallpaper.h"

#include "session/DisplayScale.h"
#include "wallpaper/ToolRun.h"

#include <QRegularExpression>

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// XFCE's image-style values.
constexpr int kZoomed = 5;
constexpr int kSpanning = 6;

Result<QString> query(const QStringList &arguments)
{
    return runTool(u"xfconf-query"_s, QStringList{u"-c"_s, u"xfce4-desktop"_s} + arguments);
}

} // namespace

Result<> XfceWallpaper::prepare()
{
    const Result<QString> listing = query({u"-l"_s});
    if (!listing)
        return std::unexpected(listing.error());
    static const QRegularExpression property(u"^(/backdrop/screen\\d+/monitor[^/]+/workspace\\d+/)last-image$"_s);
    m_folders.clear();
    for (const QString &line : listing->split(u'\n', Qt::SkipEmptyParts))
        if (const auto m = property.match(line.trimmed()); m.hasMatch())
            m_folders << m.captured(1);
    m_spans = !m_folders.isEmpty() &&
              query({u"-p"_s, m_folders.first() + u"image-style"_s}).value_or(QString()).trimmed().toInt() == kSpanning;
    return {};
}

QString XfceWallpaper::currentPicture() const
{
    // The first monitor's picture: the one the user looks at first.
    for (const QString &line : query({u"-l"_s}).value_or(QString()).split(u'\n', Qt::SkipEmptyParts))
        if (line.trimmed().endsWith(u"/last-image"_s))
            return query({u"-p"_s, line.trimmed()}).value_or(QString()).trimmed();
    return {};
}

WallpaperSettings XfceWallpaper::wallpaperSettings() const
{
    // One call for every property with its value, in a column two past the longest name:
    // "/backdrop/.../last-image   /a b.jpg".
    const QStringList lines = query({u"-l"_s, u"-v"_s}).value_or(QString()).split(u'\n', Qt::SkipEmptyParts);
    qsizetype column = 0;
    for (const QString &line : lines)
        column = std::max(column, line.indexOf(u' ') + 2);
    static const QRegularExpression ours(u"^/backdrop/\\S+/(last-image|image-style)$"_s);
    WallpaperSettings settings;
    for (const QString &line : lines)
        if (const QString key = line.section(u' ', 0, 0); ours.match(key).hasMatch())
            settings.append({key, line.mid(column)});
    return settings;
}

std::optional<int> XfceWallpaper::currentStyle() const
{
    // XFCE's none, centred, tiled, stretched, scaled, zoomed, spanning as BackgroundPicture's styles.
    static const int styles[] = {-1, 2, 4, 3, 1, 0, 0};
    for (const auto &[key, value] : wallpaperSettings())
        if (key.endsWith(u"/image-style"_s)) {
            const int style = value.toInt();
            return style > 0 && style <= 6 ? std::optional<int>(styles[style]) : std::nullopt;
        }
    return std::nullopt;
}

Result<> XfceWallpaper::restoreSettings(const WallpaperSettings &settings)
{
    for (const auto &[key, value] : settings) {
        const QString type = key.endsWith(u"/image-style"_s) ? u"int"_s : u"string"_s;
        if (const Result<QString> done = query({u"-p"_s, key, u"-n"_s, u"-t"_s, type, u"-s"_s, value}); !done)
            return std::unexpected(done.error());
    }
    return {};
}

Result<> XfceWallpaper::show(const QString &file)
{
    const QStringList folders = m_folders.isEmpty() ? QStringList{u"/backdrop/screen0/monitor0/workspace0/"_s} : m_folders;
    const QString style = QString::number(m_spans ? kSpanning : kZoomed);
    for (const QString &folder : folders) {
        const auto set = [&](const QString &key, const QString &type, const QString &value) {
            return query({u"-p"_s, folder + key, u"-n"_s, u"-t"_s, type, u"-s"_s, value});
        };
        if (const Result<QString> done = set(u"last-image"_s, u"string"_s, file); !done)
            return std::unexpected(done.error());
        if (const Result<QString> done = set(u"image-style"_s, u"int"_s, style); !done)
            return std::unexpected(done.error());
    }
    return {};
}

std::optional<double> XfceWallpaper::desktopScale() const
{
    // Window scaling is 1 or 2; at 1 a larger Xft.dpi may still say the user scales the desktop.
    const Result<QString> value =
        runTool(u"xfconf-query"_s, {u"-c"_s, u"xsettings"_s, u"-p"_s, u"/Gdk/WindowScalingFactor"_s});
    const std::optional<double> factor = value ? displayscale::fromToolOutput(*value) : std::nullopt;
    return factor && *factor > 1 ? factor : std::nullopt;
}

} // namespace marvane
