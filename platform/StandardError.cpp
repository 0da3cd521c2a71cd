#include "platform/StandardError.h"

#include <cstdio>

namespace marvane {

void printError(const QString &message)
{
    std::fprintf(stderr, "pendrel: %s\n", message.toLocal8Bit().constData());
    std::fflush(stderr);
}

} // namespace marvane
