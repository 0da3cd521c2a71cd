#pragma once

#include <QImage>

namespace marvane {

// A screen-sized RGB32 image whose memory is mapped in one step (huge pages where the kernel
// offers them) instead of being faulted in page by page on first paint.
QImage allocateImage(int width, int height);

} // namespace marvane
