#pragma once

#include "app/Message.h"
#include "platform/Shell.h"

#include <QString>

class QWidget;

namespace marvane::Help {

// The help page in the user's language (its translation of "help.htm" names it), else "help.htm";
// in the current directory, else beside the program; empty when neither has it.
QString page(const QString &currentDirectory, const QString &applicationDirectory);

// Opens the page with the user's program for web pages. A missing page, or no program to show
// it, is told in a message box over `owner` and on standard error.
void open(QWidget *owner, const QString &currentDirectory, const QString &applicationDirectory,
          const UrlOpener &opener);

// Tells the user that `what` could not be opened, and why.
void reportOpenFailure(QWidget *owner, const Message &what, const Message &reason);

} // namespace marvane::Help
