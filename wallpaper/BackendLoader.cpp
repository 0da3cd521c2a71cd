#include "wallpaper/BackendLoader.h"

#include "wallpaper/GsettingsWallpaper.h"
#include "wallpaper/LayerShellWallpaper.h"
#include "wallpaper/PcmanfmWallpaper.h"
#include "wallpaper/PlasmaWallpaper.h"
#include "wallpaper/X11RootWallpaper.h"
#include "wallpaper/XfceWallpaper.h"

namespace marvane {

namespace {

// A session whose desktop is none of those known: nothing can be set, and that is said.
class NoWallpaper final : public WallpaperBackend
{
public:
    using WallpaperBackend::WallpaperBackend;
    Result<> install(const WallpaperRequest &request) override
    {
        return fail(request.bitmap, QStringLiteral("no supported desktop found (%1)").arg(session().detected));
    }

protected:
    Result<> show(const QString &) override { return {}; }
};

} // namespace

std::unique_ptr<WallpaperBackend> loadBackend(const DesktopSession &session)
{
    using Kind = DesktopSession::Kind;
    switch (session.kind) {
    case Kind::Gnome:
        return std::make_unique<GsettingsWallpaper>(session, GsettingsWallpaper::gnome(),
                                                    !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"));
    case Kind::Cinnamon:
        return std::make_unique<GsettingsWallpaper>(session, GsettingsWallpaper::cinnamon(), false);
    case Kind::Mate:
        return std::make_unique<GsettingsWallpaper>(session, GsettingsWallpaper::mate(), false);
    case Kind::Plasma:
        return std::make_unique<PlasmaWallpaper>(session);
    case Kind::Xfce:
        return std::make_unique<XfceWallpaper>(session);
    case Kind::Lxqt:
        return std::make_unique<PcmanfmWallpaper>(session, true);
    case Kind::Lxde:
        return std::make_unique<PcmanfmWallpaper>(session, false);
    case Kind::Sway:
        return std::make_unique<LayerShellWallpaper>(session, true);
    case Kind::LayerShell:
        return std::make_unique<LayerShellWallpaper>(session, false);
    case Kind::X11:
        return std::make_unique<X11RootWallpaper>(session);
    case Kind::None:
        break;
    }
    return std::make_unique<NoWallpaper>(session);
}

} // namespace marvane
