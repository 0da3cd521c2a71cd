#pragma once

#include "app/MainWindowServices.h"

namespace marvane {

class WallpaperBackend;

// The main window's services: `base` with the program's dialogs, and failures the user asked about
// told in a message box as well. "Use current wallpaper" asks `desktop`, where there is one.
MainWindowServices windowServices(MainWindowServices base, const WallpaperBackend *desktop);

} // namespace marvane
