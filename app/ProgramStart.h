#pragma once

namespace marvane {

class X11Connection;

// What every start does once Qt's application object exists: the program's names for Qt.
void describeApplication();
// Whether the command line, as Qt leaves it once it has taken its own options, asks for a run
// without a window.
bool silentRunAsked();
// Paints and sets the wallpaper without a window, then ends the program; the exit code.
// Without a display the picture is only saved. Questions to an X server go through `x11` when it
// is given.
int runSilently(bool display, const X11Connection *x11 = nullptr);

} // namespace marvane
