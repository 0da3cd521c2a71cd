#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace marvane {

class Desktop;

// What every start does once Qt's application object exists: the program's names for Qt.
void describeApplication();
// The program's words in the user's language (LANGUAGE, LC_ALL, LC_MESSAGES, LANG), where it has
// them, and for a window Qt's own dialogs' too. Nothing under English or C.
void installTranslations(bool window);
// The text `pendrel --help` or `pendrel --version` prints, for exactly those command lines;
// nothing for every other one.
std::optional<QString> commandLineAnswer(const QStringList &arguments);
// What runItemCommand() answers for a command that changed the items: the caller repaints.
constexpr int kRepaint = -1;
// `pendrel add`, `list` or `remove`: prints what it did on standard output, or why not on
// standard error; the exit code, or kRepaint.
int runItemCommand(const QStringList &arguments);
// `pendrel --restore-wallpaper`: puts back the wallpaper the desktop showed before Marvane's
// picture, where it shows that picture now; the exit code.
int restoreWallpaper(const Desktop &desktop);
// Paints and sets the wallpaper without a window, then ends the program; the exit code.
// Without a display the picture is only saved.
int runSilently(bool display, const Desktop &desktop);

} // namespace marvane
