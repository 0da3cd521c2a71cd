#pragma once

#include "Canvas.h"
#include "Options.h"
#include "Screen.h"

#include <QString>

#include <cstdint>
#include <functional>

namespace marvane {

// Item n (1..12) of today's date, "" when there is none.
using TodayItems = std::function<QString(std::int16_t)>;

// Paints today's items in a ruled panel near the right edge, in the font DrawCalendar left
// behind. Paints nothing when ShowToDoList is off.
void DrawToDoList(Canvas &canvas, const Options &options, const Screen &screen, const TodayItems &todayItem);

} // namespace marvane
