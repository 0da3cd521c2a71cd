#pragma once

// The windows live in a module of their own beside the executable, loaded only when a window is
// to be shown: a run without one never loads Qt Widgets.
namespace marvane {

inline constexpr char kWindowModuleFile[] = "pendrel-window.so";
inline constexpr char kWindowEntryName[] = "marvaneRunWindow";
// Makes the application object from the command line (kept by the caller for the whole run),
// shows the main window and returns the program's exit code.
using WindowEntry = int (*)(int *argc, char **argv, bool display);

} // namespace marvane
