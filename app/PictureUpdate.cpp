#include "app/PictureUpdate.h"

#include "calendar/WallpaperPainter.h"
#include "platform/SystemColors.h"

namespace marvane {

using namespace Qt::StringLiterals;

namespace {

RenderContext contextOf(const MainWindowServices &services, const PictureRequest &request)
{
    return RenderContext{services.clock, services.screen, services.names, request.background, request.displayScale};
}

} // namespace

Result<> paintPicture(Canvas &canvas, const Options &options, const MainWindowServices &services,
                      const PictureRequest &request, const ToDoStore &store)
{
    return WallpaperPainter::paint(canvas, options, contextOf(services, request), store,
                                   static_cast<std::int16_t>(request.year), static_cast<std::int16_t>(request.month));
}

Result<> paintPicture(Canvas &canvas, const Options &options, const MainWindowServices &services,
                      const PictureRequest &request, const ToDoStore::Items &items)
{
    return WallpaperPainter::paint(canvas, options, contextOf(services, request), items,
                                   static_cast<std::int16_t>(request.year), static_cast<std::int16_t>(request.month));
}

Result<> installPicture(Canvas &canvas, const Options &options, const MainWindowServices &services)
{
    const Result<> installed = services.installWallpaper(canvas.image(), SystemColors::resolve(options.desktopColor));
    // Told as the user reads it: the file and the reason in one line.
    if (!installed)
        return Failure({}, installed.error().message());
    return {};
}

Message notInstalledMessage(const QString &reason)
{
    return Message::of("PictureUpdate", QT_TRANSLATE_NOOP("PictureUpdate", "The wallpaper was not changed: the "
                                                                          "picture could not be painted (%1)."))
        .arg(reason);
}

} // namespace marvane
