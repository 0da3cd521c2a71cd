// libFuzzer target for the look past far-off events that a large calendar gets before the
// library reads it: any bytes are read to their end, and nothing is ever added.
#include "events/IcsWindow.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray text(reinterpret_cast<const char *>(data), qsizetype(size));
    const QByteArray near = marvane::eventsNear(text, QDate(2026, 10, 1), QDate(2026, 11, 30));
    if (near.size() > text.size())
        std::abort();
    return 0;
}
