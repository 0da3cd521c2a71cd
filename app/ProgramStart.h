#pragma once

namespace marvane {

class X11Connection;

// What every start does once Qt's application object exists: the program's names for Qt.
void describeApplication();
// Paints and sets the wallpaper without a window, then ends the program; the exit code.
// Without a display the picture is only saved. Questions to an X server go through `x11` when it
// is given.
int runSilently(bool display, const X11Connection *x11 = nullptr);

} // namespace marvane
