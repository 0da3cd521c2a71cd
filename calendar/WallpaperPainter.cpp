#include "calendar/WallpaperPainter.h"

#include "calendar/CalendarPainter.h"
#include "calendar/CardPainter.h"
#include "calendar/ToDoPanelPainter.h"

namespace marvane {

Result<> paintWallpaper(Canvas &canvas, const Options &options, const RenderContext &context,
                        const ToDoStore::Items &items, std::int16_t year, std::int16_t month)
{
    const Palette palette = Palette::of(options);
    if (options.look == 1) {
        if (const Result<> ready = paintBackground(canvas, palette, context, year, month); !ready)
            return ready;
        paintCards(canvas, options, palette, context, items, year, month);
        return {};
    }
    if (const Result<> painted = paintCalendar(canvas, options, palette, context, year, month); !painted)
        return painted;
    paintToDoPanel(canvas, options, palette, LengthScale::of(options, context.displayScale), items,
                   context.daysAhead, &context.names, context.events, context.clock.today());
    return {};
}

} // namespace marvane
