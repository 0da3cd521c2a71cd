#pragma once

#include "platform/FontSpec.h"
#include "platform/Result.h"

#include <QFont>

namespace marvane {

// Maps the face names the wallpaper uses ("arial", "verdana", "FixedSys") onto font files from
// Debian packages, at fixed pixel sizes, so the picture is the same bytes on every machine.
class Fonts
{
public:
    // Registers the faces with Qt once per process. Fails naming, a line each, the faces that could
    // not be loaded and the ones taken instead.
    static Result<> ensureLoaded();

    static QFont font(const FontSpec &face);

    // The windows' own text: their layouts are drawn in pixels for an 8-point sans face, so they
    // take an Arial-metric face at that size rather than a desktop font that may not fit.
    static QFont formFont();

    // Distance from the top of a text's first cell to its baseline.
    static int baseline(const FontSpec &face, const QFont &font);
};

} // namespace marvane
