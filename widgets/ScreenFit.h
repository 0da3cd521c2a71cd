#pragma once

#include <QSize>

class QWidget;

namespace marvane {

// Sizes a top-level window to `preferred`, or to what its screen's available area leaves of it,
// and places it centred on its parent (or the screen) and wholly inside that area.
void fitToScreen(QWidget *window, QSize preferred);

} // namespace marvane
