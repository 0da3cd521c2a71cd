#pragma once

#include <QString>

namespace marvane {

// Where the running executable lies; settings, to-do list and bitmap live beside it.
class AppPaths
{
public:
    static QString applicationDirectory();
    static QString executablePath();
    // Joins a directory and a file name with exactly one '/'.
    static QString join(const QString &directory, const QString &fileName);
};

} // namespace marvane
