#pragma once

#include <QString>

namespace marvane {

// A font as the renderers ask for it: a face name, a size in points and three styles.
struct FontSpec
{
    QString name;
    double points = 8.25;
    bool bold = false;
    bool italic = false;
    bool underline = false;

    friend bool operator==(const FontSpec &, const FontSpec &) = default;
};

} // namespace marvane
