#include "calendar/WallpaperPainter.h"

#include "calendar/CalendarPainter.h"
#include "calendar/ToDoPanelPainter.h"

namespace marvane {

void WallpaperPainter::paint(Canvas &canvas, const Options &options, const RenderContext &context,
                             const ToDoStore &store, std::int16_t year, std::int16_t month)
{
    paintCalendar(canvas, options, context, year, month);
    paintToDoPanel(canvas, options, context.screen, [&store](std::int16_t n) { return store.todayItem(n); });
}

} // namespace marvane
