#pragma once

#include <QString>

#include <cstdint>

namespace marvane {

// The argument the log-on entry and the midnight timer start the program with.
constexpr std::int16_t kSilentArgument = 9;

// The start argument: 0 for an empty command line; a text that is not a 16-bit number is 0.
std::int16_t parseStartArgument(const QString &commandLine);

} // namespace marvane
