#pragma once

#include "Canvas.h"
#include "Options.h"
#include "RenderContext.h"
#include "ToDoStore.h"

#include <cstdint>

namespace marvane {

// One refresh of the picture: the month's calendar, then today's to-do panel. Touches no desktop.
void RefreshCanvas(Canvas &canvas, const Options &options, const RenderContext &context,
                   const ToDoStore &store, std::int16_t year, std::int16_t month);

} // namespace marvane
