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

QImage allocateImage(int width, int height)
{
    const auto bytesPerLine = static_cast<qsizetype>(width) * 4;
    const std::size_t size = static_cast<std::size_t>(bytesPerLine) * static_cast<std::size_t>(height);
    // Small pictures gain nothing from a mapping of their own.
    if (width <= 0 || height <= 0 || size < (4u << 20))
        return QImage(width, height, QImage::Format_RGB32);
    void *address = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (address == MAP_FAILED)
        return QImage(width, height, QImage::Format_RGB32);
    // Small pages, not populated: the canvas writes only where something is drawn, so only the
    // pages under the calendar are ever backed by memory (and cleared by the kernel). Huge pages
    // would clear whole 2 MB blocks around them.
    ::madvise(address, size, MADV_NOHUGEPAGE);
    auto *mapping = new (std::nothrow) Mapping{address, size};
    if (!mapping) {
        ::munmap(address, size);
        return QImage(width, height, QImage::Format_RGB32);
    }
    return QImage(static_cast<uchar *>(address), width, height, bytesPerLine, QImage::Format_RGB32, unmap, mapping);
}

} // namespace marvane
