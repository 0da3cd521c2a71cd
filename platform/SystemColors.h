#pragma once

#include <QRgb>
#include <cstdint>

namespace marvane {

// A colour as stored in the settings: 0x00BBGGRR, or 0x80000000 + n for system colour n.
using StoredColor = std::int32_t;

namespace SystemColors {

constexpr int kCount = 31;

constexpr StoredColor system(int index)
{
    return static_cast<StoredColor>(0x80000000u | static_cast<std::uint32_t>(index));
}

// Entry n of the system colour table; entries beyond the table are black.
QRgb entry(int index);

// Resolves a StoredColor to the RGB value painted.
QRgb resolve(StoredColor color);

} // namespace SystemColors
} // namespace marvane
