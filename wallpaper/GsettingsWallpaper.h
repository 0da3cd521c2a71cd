#pragma once

#include "wallpaper/WallpaperBackend.h"

namespace marvane {

// The desktops that keep their wallpaper in GSettings: GNOME (also Unity and Budgie), Cinnamon
// and MATE, each with its own schema and keys. The picture is zoomed to cover each monitor, so
// the primary one shows it 1:1.
class GsettingsWallpaper final : public WallpaperBackend
{
public:
    // Where a desktop keeps its picture.
    struct Keys
    {
        QString schema;
        QStringList pictureKeys;
        bool takesUri = true; // else a plain path
        // Where it keeps its scale: a whole number, 0 for "as the monitor suggests".
        QString scaleSchema;
        QString scaleKey;
    };
    static Keys gnome();
    static Keys cinnamon();
    static Keys mate();

    // `mutter`: Mutter says where the monitors are (GNOME on Wayland).
    GsettingsWallpaper(const DesktopSession &session, Keys keys, bool mutter);

    QString currentPicture() const override;
    std::optional<int> currentStyle() const override;
    WallpaperSettings wallpaperSettings() const override;
    Result<> restoreSettings(const WallpaperSettings &settings) override;
    std::optional<MonitorLayout> monitorLayout() const override;
    bool saysWhereMonitorsAre() const override;

protected:
    std::optional<double> desktopScale() const override;
    Result<> show(const QString &file) override;

private:
    Keys m_keys;
    bool m_mutter;
};

} // namespace marvane
