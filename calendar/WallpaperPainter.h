#pragma once

#include "calendar/Canvas.h"
#include "calendar/RenderContext.h"
#include "platform/Result.h"
#include "settings/Options.h"
#include "todo/ToDoStore.h"

#include <cstdint>

namespace marvane {

// One refresh of the picture: the month's calendar, then today's to-do panel with `items`.
// Touches no desktop. Fails as paintCalendar does, and then paints no panel.
Result<> paintWallpaper(Canvas &canvas, const Options &options, const RenderContext &context,
                        const ToDoStore::Items &items, std::int16_t year, std::int16_t month);

} // namespace marvane
