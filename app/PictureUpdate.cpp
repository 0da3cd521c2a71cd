#include "app/PictureUpdate.h"

#include "calendar/WallpaperPainter.h"
#include "platform/SystemColors.h"

namespace marvane {

using namespace Qt::StringLiterals;

std::optional<QString> paintPicture(Canvas &canvas, const Options &options, const MainWindowServices &services,
                                    const ToDoStore &store, int year, int month)
{
    return reasonOfThrow([&] {
        WallpaperPainter::paint(canvas, options, RenderContext{services.clock, services.screen, services.names},
                                store, static_cast<std::int16_t>(year), static_cast<std::int16_t>(month));
    });
}

std::optional<QString> paintPicture(Canvas &canvas, const Options &options, const MainWindowServices &services,
                                    const ToDoStore::Items &items, int year, int month)
{
    return reasonOfThrow([&] {
        WallpaperPainter::paint(canvas, options, RenderContext{services.clock, services.screen, services.names},
                                items, static_cast<std::int16_t>(year), static_cast<std::int16_t>(month));
    });
}

std::optional<QString> installPicture(Canvas &canvas, const Options &options,
                                      const MainWindowServices &services)
{
    std::optional<QString> failure;
    if (const std::optional<QString> thrown = reasonOfThrow([&] {
            if (const Result<> e = services.installWallpaper(canvas.image(), SystemColors::resolve(options.desktopColor)); !e.has_value())
                failure = e.error().message();
        }))
        return thrown;
    return failure;
}

QString notInstalledMessage(const QString &reason)
{
    return u"The wallpaper was not changed: the picture could not be painted (%1)."_s.arg(reason);
}

} // namespace marvane
