#pragma once

#include "calendar/Canvas.h"
#include "calendar/RenderContext.h"
#include "settings/Options.h"
#include "todo/ToDoStore.h"

#include <cstdint>

namespace marvane {

// One refresh of the picture: the month's calendar, then today's to-do panel. Touches no desktop.
class WallpaperPainter
{
public:
    static void paint(Canvas &canvas, const Options &options, const RenderContext &context, const ToDoStore &store,
                      std::int16_t year, std::int16_t month);
    // The same with today's items read before.
    static void paint(Canvas &canvas, const Options &options, const RenderContext &context,
                      const ToDoStore::Items &items, std::int16_t year, std::int16_t month);
};

} // namespace marvane
