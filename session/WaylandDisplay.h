#pragma once

#include "platform/Result.h"

namespace marvane {

// Whether the Wayland display named by WAYLAND_DISPLAY can be used: asked before the application
// object exists, since Qt aborts when the display it was given does not answer.
Result<> checkWaylandDisplay();

// Whether Qt has its Wayland platform here (Debian's qt6-wayland).
bool qtHasWayland();

} // namespace marvane
