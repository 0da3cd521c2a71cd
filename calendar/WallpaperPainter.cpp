#include "calendar/WallpaperPainter.h"

#include "calendar/CalendarPainter.h"
#include "calendar/ToDoPanelPainter.h"

#include <future>
#include <system_error>

namespace marvane {

void WallpaperPainter::paint(Canvas &canvas, const Options &options, const RenderContext &context,
                             const ToDoStore &store, std::int16_t year, std::int16_t month)
{
    // One read of the file for all twelve items, and none when the panel is off. It goes on a
    // second thread while the calendar is painted: a large file then costs the refresh little.
    std::future<ToDoStore::Items> reading;
    if (options.showToDoList) {
        const auto read = [&store] { return store.todayItems(); };
        try {
            reading = std::async(std::launch::async, read);
        } catch (const std::system_error &) {
            reading = std::async(std::launch::deferred, read);
        }
    }
    paintCalendar(canvas, options, context, year, month);
    if (!reading.valid())
        return;
    const ToDoStore::Items items = reading.get();
    paintToDoPanel(canvas, options, [&](std::int16_t n) { return items[static_cast<std::size_t>(n - 1)]; });
}

void WallpaperPainter::paint(Canvas &canvas, const Options &options, const RenderContext &context,
                             const ToDoStore::Items &items, std::int16_t year, std::int16_t month)
{
    paintCalendar(canvas, options, context, year, month);
    paintToDoPanel(canvas, options, [&](std::int16_t n) { return items[static_cast<std::size_t>(n - 1)]; });
}

} // namespace marvane
