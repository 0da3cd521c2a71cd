#pragma once

#include "app/MainWindowServices.h"
#include "app/Message.h"
#include "calendar/BackgroundPicture.h"
#include "calendar/Canvas.h"
#include "settings/Options.h"
#include "todo/ToDoStore.h"

#include <QString>

namespace marvane {

// What a picture shows besides the settings and today's items.
struct PictureRequest
{
    int year = 0;
    int month = 0;
    double displayScale = 1.0;                    // as the screen said, asked once for the picture
    const BackgroundPicture *background = nullptr; // the user's picture, where there is one
};

// Paints the month and today's items over the background picture, when there is one; a failure
// when the picture could not be painted whole.
Result<> paintPicture(Canvas &canvas, const Options &options, const MainWindowServices &services,
                      const PictureRequest &request, const ToDoStore &store);
// The same with today's items read before.
Result<> paintPicture(Canvas &canvas, const Options &options, const MainWindowServices &services,
                      const PictureRequest &request, const ToDoStore::Items &items);

// Sets the painted picture as the wallpaper.
Result<> installPicture(Canvas &canvas, const Options &options, const MainWindowServices &services);

// Why a picture that could not be painted whole did not become the wallpaper.
Message notInstalledMessage(const QString &reason);

} // namespace marvane
