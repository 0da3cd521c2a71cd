#pragma once

namespace marvane {

// With MARVANE_PHASES set, prints "phase NAME NANOSECONDS CPU" (CLOCK_MONOTONIC, then the
// process's CPU time, both in nanoseconds) to standard error, so that a benchmark can split a run
// into its steps. Otherwise does nothing.
void markPhase(const char *name);

} // namespace marvane
