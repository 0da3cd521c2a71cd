#pragma once

#include "desktop/DesktopSession.h"
#include "desktop/MonitorLayout.h"
#include "platform/WriteError.h"

#include <QImage>
#include <QString>

#include <functional>

namespace marvane {

// Makes a bitmap the wallpaper of the running desktop session.
class Wallpaper
{
public:
    // `bitmap` is the file on disk, `picture` its picture. Desktops that keep a path and ignore
    // the same path twice get a fresh hard link beside the bitmap each time, older ones removed.
    // `bitmapReady` is called before the file is first used,
    // or, where the picture goes to the screen without the file, before anything is shown; it
    // waits for the file to be written and returns why it was not, and then nothing is changed.
    // `layout` places the picture on the primary monitor: desktops that draw one picture per
    // monitor are told to show it 1:1 (zoomed to cover), those that draw one picture over all
    // monitors get one of their bounding box, `background` around the picture.
    static WriteError install(const QString &bitmap, const QImage &picture, const DesktopSession &session,
                              const std::function<WriteError()> &bitmapReady = {}, const MonitorLayout &layout = {},
                              QRgb background = qRgb(0, 0, 0));

    // file:// and the path, percent-encoded.
    static QString fileUri(const QString &path);
};

} // namespace marvane
