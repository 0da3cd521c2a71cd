#include "app/PictureUpdate.h"

#include "calendar/WallpaperPainter.h"
#include "platform/SystemColors.h"

namespace marvane {

using namespace Qt::StringLiterals;

Result<> paintPicture(Canvas &canvas, const Options &options, const MainWindowServices &services,
                      const BackgroundPicture *background, const ToDoStore &store, int year, int month)
{
    return WallpaperPainter::paint(canvas, options,
                                   RenderContext{services.clock, services.screen, services.names, background},
                                   store, static_cast<std::int16_t>(year), static_cast<std::int16_t>(month));
}

Result<> paintPicture(Canvas &canvas, const Options &options, const MainWindowServices &services,
                      const BackgroundPicture *background, const ToDoStore::Items &items, int year, int month)
{
    return WallpaperPainter::paint(canvas, options,
                                   RenderContext{services.clock, services.screen, services.names, background},
                                   items, static_cast<std::int16_t>(year), static_cast<std::int16_t>(month));
}

Result<> installPicture(Canvas &canvas, const Options &options, const MainWindowServices &services)
{
    const Result<> installed = services.installWallpaper(canvas.image(), SystemColors::resolve(options.desktopColor));
    // Told as the user reads it: the file and the reason in one line.
    if (!installed)
        return Failure({}, installed.error().message());
    return {};
}

QString notInstalledMessage(const QString &reason)
{
    return u"The wallpaper was not changed: the picture could not be painted (%1)."_s.arg(reason);
}

} // namespace marvane
