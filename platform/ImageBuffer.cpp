#include "platform/ImageBuffer.h"

#include <sys/mman.h>

#include <cstddef>
#include <new>

namespace marvane {

namespace {

struct Mapping
{
    void *address;
    std::size_t size;
};

void unmap(void *info)
{
    auto *m = static_cast<Mapping *>(info);
    ::munmap(m->address, m->size);
    delete m;
}

} // namespace

QImage allocateImage(int width, int height, bool wholeUsed)
{
    const auto bytesPerLine = static_cast<qsizetype>(width) * 4;
    const std::size_t size = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(height);
    // Small pictures gain nothing from a mapping of their own.
    if (width <= 0 || height <= 0 || size < (4u << 20))
        return QImage(width, height, QImage::Format_RGB32);
    void *address = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (address == MAP_FAILED)
        return QImage(width, height, QImage::Format_RGB32);
    // Not populated: a canvas writes only where something is drawn. Where that is all of it, huge
    // pages; where it is the calendar only, small pages keep the rest unbacked and uncleared.
    ::madvise(address, size, wholeUsed ? MADV_HUGEPAGE : MADV_NOHUGEPAGE);
    auto *mapping = new (std::nothrow) Mapping{address, size};
    if (!mapping) {
        ::munmap(address, size);
        return QImage(width, height, QImage::Format_RGB32);
    }
    return QImage(static_cast<uchar *>(address), width, height, bytesPerLine, QImage::Format_RGB32, unmap, mapping);
}

} // namespace marvane
