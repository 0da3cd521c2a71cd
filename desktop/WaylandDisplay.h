#pragma once

#include <QString>

namespace marvane {

// Why the Wayland display named by WAYLAND_DISPLAY cannot be used, empty when it can: asked before
// the application object exists, since Qt aborts when the display it was given does not answer.
QString waylandDisplayProblem();

// Whether Qt has its Wayland platform here (Debian's qt6-wayland).
bool qtHasWayland();

} // namespace marvane
