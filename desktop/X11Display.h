#pragma once

#include <QString>

namespace marvane {

// Whether the X display named by DISPLAY accepts a connection. Asked before the application object
// is made: Qt aborts the process when it cannot reach the display it was given.
bool x11DisplayAnswers();

} // namespace marvane
