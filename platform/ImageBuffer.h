#pragma once

#include <QImage>

namespace marvane {

// A screen-sized RGB32 image in a mapping of its own, backed by memory only where it is written.
// `wholeUsed`: every pixel will be written, so huge pages cost nothing extra and save TLB misses;
// otherwise small pages, so that what is never written is never backed by memory.
QImage allocateImage(int width, int height, bool wholeUsed);

} // namespace marvane
