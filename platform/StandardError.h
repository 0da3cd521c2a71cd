#pragma once

#include <QString>

namespace marvane {

// One line "pendrel: message" on standard error: the program's voice where no window can speak.
void printError(const QString &message);

} // namespace marvane
