#pragma once

#include <QIcon>
#include <QImage>

namespace marvane::AppIcon {

// The program's 32 x 32 picture, a calendar page with today ringed, painted here rather than kept
// as a file so that every window and the menu entry show the same pixels.
QImage image();
QIcon icon();

} // namespace marvane::AppIcon
