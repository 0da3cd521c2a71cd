#include "platform/SystemColors.h"

#include <array>

namespace marvane::SystemColors {

namespace {

// A fixed table, not the running desktop theme, so the wallpaper comes out the same on every machine.
// These are the long-standing classic defaults of the table the colour numbers come from.
constexpr std::array<QRgb, kCount> kTable = {
    qRgb(212, 208, 200), //  0 scroll bar
    qRgb(58, 110, 165),  //  1 desktop
    qRgb(10, 36, 106),   //  2 active caption
    qRgb(128, 128, 128), //  3 inactive caption
    qRgb(212, 208, 200), //  4 menu
    qRgb(255, 255, 255), //  5 window
    qRgb(0, 0, 0),       //  6 window frame
    qRgb(0, 0, 0),       //  7 menu text
    qRgb(0, 0, 0),       //  8 window text
    qRgb(255, 255, 255), //  9 caption text
    qRgb(212, 208, 200), // 10 active border
    qRgb(212, 208, 200), // 11 inactive border
    qRgb(128, 128, 128), // 12 application workspace
    qRgb(10, 36, 106),   // 13 highlight
    qRgb(255, 255, 255), // 14 highlight text
    qRgb(212, 208, 200), // 15 button face
    qRgb(128, 128, 128), // 16 button shadow
    qRgb(128, 128, 128), // 17 grey text
    qRgb(0, 0, 0),       // 18 button text
    qRgb(212, 208, 200), // 19 inactive caption text
    qRgb(255, 255, 255), // 20 button highlight
    qRgb(64, 64, 64),    // 21 3-D dark shadow
    qRgb(212, 208, 200), // 22 3-D light
    qRgb(0, 0, 0),       // 23 tooltip text
    qRgb(255, 255, 225), // 24 tooltip background
    qRgb(181, 181, 181), // 25 (unused slot, kept grey)
    qRgb(0, 0, 128),     // 26 hot-tracked item
    qRgb(166, 202, 240), // 27 gradient of the active caption
    qRgb(192, 192, 192), // 28 gradient of the inactive caption
    qRgb(49, 106, 197),  // 29 menu highlight
    qRgb(236, 233, 216), // 30 menu bar
};

} // namespace

QRgb entry(int index)
{
    if (index < 0 || index >= kCount)
        return qRgb(0, 0, 0);
    return kTable[static_cast<std::size_t>(index)];
}

QRgb resolve(StoredColor color)
{
    const auto bits = static_cast<std::uint32_t>(color);
    if (bits & 0x80000000u) {
        const std::uint32_t index = bits & 0x7FFFFFFFu;
        return index < static_cast<std::uint32_t>(kCount) ? entry(static_cast<int>(index)) : qRgb(0, 0, 0);
    }
    return qRgb(static_cast<int>(bits & 0xFF), static_cast<int>((bits >> 8) & 0xFF),
                static_cast<int>((bits >> 16) & 0xFF));
}

} // namespace marvane::SystemColors
