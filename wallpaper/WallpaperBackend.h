#pragma once

#include "session/DesktopSession.h"
#include "session/MonitorLayout.h"
#include "platform/Result.h"

#include <QImage>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace marvane {

// What installing a picture as the wallpaper is given.
struct WallpaperRequest
{
    QString bitmap;        // temp.bmp, being written
    QImage picture;        // its picture
    // Waits for the bitmap to be written and says why it was not; called before the file is first
    // used, or, where the picture goes to the screen without it, before anything is shown.
    std::function<Result<>()> bitmapReady;
    MonitorLayout layout;  // where the primary monitor is; empty: the picture's own box
    QRgb background = qRgb(0, 0, 0); // what shows around the picture where one covers all monitors
};

// A desktop's own wallpaper settings as it names them, each with its value as its tools print it.
using WallpaperSettings = QList<std::pair<QString, QString>>;

// How one desktop (or one family of desktops) shows a wallpaper. The session's kind is looked at
// once, in loadBackend(); nothing else switches on it.
class WallpaperBackend
{
public:
    explicit WallpaperBackend(DesktopSession session) : m_session(std::move(session)) {}
    virtual ~WallpaperBackend() = default;
    WallpaperBackend(const WallpaperBackend &) = delete;
    WallpaperBackend &operator=(const WallpaperBackend &) = delete;

    // Makes the picture the wallpaper. By default the desktop is pointed at a file beside the
    // bitmap: a fresh name each time where it ignores a path it shows already, older ones removed
    // once no setting names them.
    virtual Result<> install(const WallpaperRequest &request);
    // The text of the desktop's own wallpaper setting (it names the picture shown now), empty
    // where it keeps none.
    virtual QString currentPicture() const { return {}; }
    // How the desktop lays its own picture out, as BackgroundPicture's styles number it; nothing
    // where it does not say.
    virtual std::optional<int> currentStyle() const { return std::nullopt; }
    // The settings install() changes (picture, style and, where it has one, colour), as they are
    // now; empty where the desktop keeps none or does not answer.
    virtual WallpaperSettings wallpaperSettings() const { return {}; }
    // Puts back settings wallpaperSettings() read.
    virtual Result<> restoreSettings(const WallpaperSettings &settings);
    // Whether the desktop draws one picture over all monitors (else one on each, zoomed to cover it).
    virtual bool spansMonitors() const { return false; }
    // Where the monitors are, as the desktop says. Nothing when it did not answer; then Qt's
    // screens are taken, and when `saysWhereMonitorsAre()`, that is told.
    virtual std::optional<MonitorLayout> monitorLayout() const;
    virtual bool saysWhereMonitorsAre() const;
    // The primary monitor's scale as the desktop has it: its own setting, else on X11 the server's
    // Xft.dpi, else QT_SCALE_FACTOR or GDK_SCALE, else on Wayland Qt's pixel ratio; else 1.
    double displayScale() const;

    // file:// and the path, percent-encoded.
    static QString fileUri(const QString &path);
    // The picture file a desktop's setting names first (a path, or a file:// address, bare or in
    // quotes); empty when it names none.
    static QString pictureFileIn(const QString &setting);

protected:
    enum class Copy { None, Link, Png };
    // The file the desktop is pointed at: the bitmap itself, a fresh link to it, or a fresh PNG
    // for setters that may lack a BMP reader.
    virtual Copy copy() const { return Copy::Link; }
    // The desktop's own scale setting, where it keeps one that says more than "not scaled".
    virtual std::optional<double> desktopScale() const { return std::nullopt; }
    // Asked before the file is chosen: whether the desktop can be reached.
    virtual Result<> prepare() { return {}; }
    // Points the desktop at `file`.
    virtual Result<> show(const QString &file) = 0;

    const DesktopSession &session() const { return m_session; }

private:
    DesktopSession m_session;
};

} // namespace marvane
