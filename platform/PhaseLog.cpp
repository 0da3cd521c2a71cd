#include "platform/PhaseLog.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

namespace marvane {

void markPhase(const char *name)
{
    static const bool enabled = std::getenv("MARVANE_PHASES") != nullptr;
    if (!enabled)
        return;
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    std::fprintf(stderr, "phase %s %lld\n", name, static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec);
}

} // namespace marvane
