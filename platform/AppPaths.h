#pragma once

#include "platform/Result.h"

#include <QString>

namespace marvane {

// Where the running executable lies; settings, to-do list and bitmap live beside it.
class AppPaths
{
public:
    // The executable's real path, from the bytes of /proc/self/exe, worked out once.
    static QString executablePath();
    static QString applicationDirectory();
    // Whether the executable's folder can be used: not when its name is not valid UTF-8 or the
    // kernel will not give the path. Nothing may then be read or written "beside" it.
    static Result<> checkLocation();

    // $XDG_CONFIG_HOME when it is an absolute path, else ~/.config: where log-on entries and user
    // units live.
    static QString configHome();

    // Joins a directory and a file name with exactly one '/'.
    static QString join(const QString &directory, const QString &fileName);
};

} // namespace marvane
