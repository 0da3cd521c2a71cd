#pragma once

#include "FontSpec.h"

#include <QFont>
#include <QStringList>

namespace marvane {

// Maps the face names the wallpaper uses ("arial", "verdana", "FixedSys") onto font files from
// Debian packages, at fixed pixel sizes, so the picture is the same bytes on every machine.
class Fonts
{
public:
    // Registers the faces with Qt once per process. Returns what could not be loaded.
    static QStringList ensureLoaded();

    static QFont font(const FontSpec &face);

    // Distance from the top of a text's first cell to its baseline.
    static int baseline(const FontSpec &face, const QFont &font);
};

} // namespace marvane
