#include "calendar/WallpaperPainter.h"

#include "calendar/CalendarPainter.h"
#include "calendar/ToDoPanelPainter.h"

namespace marvane {

Result<> WallpaperPainter::paint(Canvas &canvas, const Options &options, const RenderContext &context,
                                 const ToDoStore &store, std::int16_t year, std::int16_t month)
{
    // One read of the file for all twelve items, and none when the panel is off.
    return paint(canvas, options, context, options.showToDoList ? store.todayItems() : ToDoStore::Items(), year, month);
}

Result<> WallpaperPainter::paint(Canvas &canvas, const Options &options, const RenderContext &context,
                                 const ToDoStore::Items &items, std::int16_t year, std::int16_t month)
{
    const Palette palette = Palette::of(options);
    if (const Result<> painted = paintCalendar(canvas, options, palette, context, year, month); !painted)
        return painted;
    paintToDoPanel(canvas, options, palette, LengthScale::of(options, context.displayScale),
                   [&](std::int16_t n) { return items[static_cast<std::size_t>(n - 1)]; });
    return {};
}

} // namespace marvane
