#pragma once

#include <QString>

namespace marvane {

// A font as the renderers ask for it: a face name, a size in points, three styles, and the scale
// it is drawn at (its size in pixels is that many times larger).
struct FontSpec
{
    QString name;
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    double scale = 1.0;

    friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

} // namespace marvane
