#pragma once

#include <QString>

namespace marvane {

// The wallpaper of LXQt's desktop, pcmanfm-qt: shown at once through the running instance, and
// kept in its profile's settings.conf, so that it is still there when pcmanfm-qt starts again.
// `mode` is pcmanfm-qt's name of how the picture covers the screen ("stretch", "zoom"). Empty on
// success, else why not.
QString setPcmanfmQtWallpaper(const QString &path, const QString &mode);

} // namespace marvane
