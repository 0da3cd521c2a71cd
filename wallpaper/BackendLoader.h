#pragma once

#include "session/DesktopSession.h"
#include "wallpaper/WallpaperBackend.h"

#include <memory>

namespace marvane {

// The backend of the session's desktop family; one that says so for a desktop it does not know.
std::unique_ptr<WallpaperBackend> loadBackend(const DesktopSession &session);

} // namespace marvane
