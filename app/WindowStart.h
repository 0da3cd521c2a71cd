#pragma once

namespace marvane {

class Desktop;

// Makes the application object from the command line (kept by the caller for the whole run),
// shows the main window and returns the program's exit code.
int runWindow(int &argc, char **argv, bool display, const Desktop &desktop);

} // namespace marvane
