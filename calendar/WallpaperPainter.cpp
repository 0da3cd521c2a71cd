#include "CanvasRefresh.h"

#include "CalendarRenderer.h"
#include "ToDoPanelRenderer.h"

namespace marvane {

void RefreshCanvas(Canvas &canvas, const Options &options, const RenderContext &context,
                   const ToDoStore &store, std::int16_t year, std::int16_t month)
{
    DrawCalendar(canvas, options, context, year, month);
    DrawToDoList(canvas, options, context.screen, [&store](std::int16_t n) { return store.GetTodayToDo(n); });
}

} // namespace marvane
