#pragma once

#include <QString>

namespace marvane {

// One line "pendrel: message" on standard error: the program's voice where no window can speak.
void printError(const QString &message);

// While it lives, what the libraries print to standard error of their own (libpng's and
// libtiff's default handlers write there directly) goes nowhere: the program says what failed in
// its own line.
class StandardErrorSilenced
{
public:
    StandardErrorSilenced();
    ~StandardErrorSilenced();
    StandardErrorSilenced(const StandardErrorSilenced &) = delete;
    StandardErrorSilenced &operator=(const StandardErrorSilenced &) = delete;

private:
    int m_saved = -1;
};

} // namespace marvane
