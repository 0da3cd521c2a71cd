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
    timespec cpu{};
    ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &cpu);
    std::fprintf(stderr, "phase %s %lld %lld\n", name,
                 static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec,
                 static_cast<long long>(cpu.tv_sec) * 1000000000LL + cpu.tv_nsec);
}

} // namespace marvane
