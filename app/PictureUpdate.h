#pragma once

#include "app/MainWindowServices.h"
#include "calendar/BackgroundPicture.h"
#include "calendar/Canvas.h"
#include "settings/Options.h"
#include "todo/ToDoStore.h"

#include <QString>

namespace marvane {

// Paints the month and today's items over the background picture, when there is one; a failure
// when the picture could not be painted whole.
Result<> paintPicture(Canvas &canvas, const Options &options, const MainWindowServices &services,
                      const BackgroundPicture *background, const ToDoStore &store, int year, int month);
// The same with today's items read before.
Result<> paintPicture(Canvas &canvas, const Options &options, const MainWindowServices &services,
                      const BackgroundPicture *background, const ToDoStore::Items &items, int year, int month);

// Sets the painted picture as the wallpaper.
Result<> installPicture(Canvas &canvas, const Options &options, const MainWindowServices &services);

// Why a picture that could not be painted whole did not become the wallpaper.
QString notInstalledMessage(const QString &reason);

} // namespace marvane
