#pragma once

#include "platform/Shell.h"

#include <QString>

namespace marvane::Help {

// "help.htm" in the current directory, else beside the program; empty when neither has it.
QString page(const QString &currentDirectory, const QString &applicationDirectory);

// Opens the page with the user's program for web pages. A missing page changes nothing.
void open(const QString &currentDirectory, const QString &applicationDirectory, const UrlOpener &opener);

} // namespace marvane::Help
