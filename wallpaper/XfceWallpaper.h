#pragma once

#include "wallpaper/WallpaperBackend.h"

#include <QStringList>

namespace marvane {

// XFCE: xfconf's backdrop of every monitor and workspace, zoomed; or, where the first monitor is
// set to span all screens, one picture over all of them.
class XfceWallpaper final : public WallpaperBackend
{
public:
    using WallpaperBackend::WallpaperBackend;

    bool spansMonitors() const override { return m_spans; }
    QString currentPicture() const override;
    std::optional<int> currentStyle() const override;
    WallpaperSettings wallpaperSettings() const override;
    Result<> restoreSettings(const WallpaperSettings &settings) override;

protected:
    std::optional<double> desktopScale() const override;
    Result<> prepare() override;
    Result<> show(const QString &file) override;

private:
    // The per-monitor backdrop folders (".../monitorX/workspaceN/"), in the order xfconf lists them.
    QStringList m_folders;
    bool m_spans = false;
};

} // namespace marvane
