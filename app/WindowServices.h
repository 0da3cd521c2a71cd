#pragma once

#include "app/MainWindowServices.h"

namespace marvane {

// The real services for the main window: those of the program, with its dialogs, and failures
// the user asked about told in a message box as well.
MainWindowServices windowServices(const Clock &clock, const Screen &screen, const LocaleNames &names, bool display);

} // namespace marvane
