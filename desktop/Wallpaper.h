#pragma once

#include "DesktopSession.h"

#include <QImage>
#include <QString>

#include <functional>

namespace marvane {

// Makes a bitmap the wallpaper of the running desktop session.
class Wallpaper
{
public:
    // `bitmap` is the file on disk, `image` its picture. Desktops that keep a path and ignore
    // the same path twice get a fresh hard link beside the bitmap each time, older ones removed.
    // Empty on success, else why it failed. `bitmapReady` is called before the file is first used,
    // or, where the picture goes to the screen without the file, before anything is shown; it
    // waits for the file to be written and returns why it was not, and then nothing is changed.
    static QString install(const QString &bitmap, const QImage &image, const DesktopSession &session,
                           const std::function<QString()> &bitmapReady = {});

    // The quoting of the tools' argument languages.
    static QString gvariantString(const QString &text);
    static QString swayQuoted(const QString &path);
    static QString fileUri(const QString &path);
};

} // namespace marvane
