#pragma once

#include "calendar/Canvas.h"
#include "calendar/Palette.h"
#include "settings/Options.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace marvane {

// Item n (1..12) of today's date, "" when there is none.
using TodayItems = std::function<QString(std::int16_t)>;

// Paints today's items in a ruled panel near the right edge of the canvas paintCalendar sized to
// the screen, in the font it left behind. Paints nothing when showToDoList is off.
void paintToDoPanel(Canvas &canvas, const Options &options, const Palette &palette, const TodayItems &todayItem);

} // namespace marvane
