#include "wallpaper/SavedWallpaper.h"

#include "ini/IniStrings.h"
#include "wallpaper/Desktop.h"
#include "wallpaper/WallpaperInstaller.h"

namespace marvane {

namespace {

using namespace Qt::StringLiterals;

// More settings than any desktop has: a hand-edited count stays bounded.
constexpr int kMostSettings = 64;

QString sectionFor(DesktopSession::Kind kind)
{
    using Kind = DesktopSession::Kind;
    switch (kind) {
    case Kind::Gnome: return u"wallpaper-gnome"_s;
    case Kind::Plasma: return u"wallpaper-plasma"_s;
    case Kind::Xfce: return u"wallpaper-xfce"_s;
    case Kind::Mate: return u"wallpaper-mate"_s;
    case Kind::Cinnamon: return u"wallpaper-cinnamon"_s;
    case Kind::Lxqt: return u"wallpaper-lxqt"_s;
    case Kind::Lxde: return u"wallpaper-lxde"_s;
    default: return {};
    }
}

// Percent-encoded, so that spaces at either end, quotes and line breaks come back as they were.
QString encoded(const QString &text)
{
    return QString::fromLatin1(text.toUtf8().toPercentEncoding("/:'.,-_~@+()=[]#"));
}

QString decoded(const QString &text)
{
    return QString::fromUtf8(QByteArray::fromPercentEncoding(text.toLatin1()));
}

WallpaperSettings read(const QString &stateFile, const QString &section)
{
    const Result<FileContents> text = ini::readFile(stateFile);
    if (!text)
        return {};
    const int count = std::min(ini::lookupString(text->view(), section, u"Count"_s, u"0"_s).toInt(), kMostSettings);
    WallpaperSettings settings;
    for (int i = 1; i <= count; ++i) {
        const QStringList pair = ini::lookupStrings(text->view(), section, {u"Key%1"_s.arg(i), u"Value%1"_s.arg(i)});
        if (!pair[0].isEmpty())
            settings.append({decoded(pair[0]), decoded(pair[1])});
    }
    return settings;
}

// Whether the first picture the settings name (the primary monitor's, the light one's) is Marvane's.
bool namesOwnPicture(const WallpaperSettings &settings, const QString &pictureDirectory)
{
    for (const auto &setting : settings)
        if (const QString file = WallpaperBackend::pictureFileIn(setting.second); !file.isEmpty())
            return WallpaperInstaller::isOwnPicture(file, pictureDirectory);
    return false;
}

} // namespace

Result<> SavedWallpaper::keep(const Desktop &desktop, const QString &stateFile, const QString &pictureDirectory)
{
    const QString section = sectionFor(desktop.session().kind);
    if (section.isEmpty())
        return {};
    const WallpaperSettings now = desktop.backend().wallpaperSettings();
    if (now.isEmpty() || namesOwnPicture(now, pictureDirectory) || now == read(stateFile, section))
        return {};
    QList<ini::Entry> entries{{section, {}, {}}, {section, u"Count"_s, QString::number(now.size())}};
    for (qsizetype i = 0; i < now.size(); ++i) {
        const QString value = encoded(now[i].second);
        // Longer than a value the settings engine reads back.
        if (value.size() > 2000)
            return fail(stateFile, u"the wallpaper setting %1 is too long to keep"_s.arg(now[i].first));
        entries.append({section, u"Key%1"_s.arg(i + 1), encoded(now[i].first)});
        entries.append({section, u"Value%1"_s.arg(i + 1), value});
    }
    return ini::writeStrings(entries, stateFile);
}

Result<> SavedWallpaper::restore(const Desktop &desktop, const QString &stateFile)
{
    const QString section = sectionFor(desktop.session().kind);
    const WallpaperSettings kept = section.isEmpty() ? WallpaperSettings() : read(stateFile, section);
    if (section.isEmpty())
        return desktop.backend().restoreSettings({});
    if (kept.isEmpty())
        return fail(stateFile, u"no earlier wallpaper of this desktop was kept"_s);
    if (const Result<> back = desktop.backend().restoreSettings(kept); !back)
        return back;
    return ini::writeStrings({{section, {}, {}}}, stateFile);
}

} // namespace marvane
