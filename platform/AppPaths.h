#pragma once

#include "platform/Result.h"

#include <QString>

namespace marvane {

// Where the running executable lies, and where it keeps its files: beside itself when its folder
// is the user's own, else in the user's XDG folders.
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
    // $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
    static QString dataHome();
    // $XDG_CACHE_HOME, or ~/.cache.
    static QString cacheHome();

    // Whether the files live beside the program: when its folder is not under /usr or /opt and
    // already holds options.ini or todolist.ini, or is the user's own and writable. Else the
    // settings and to-do items live in configHome()/marvane and the pictures in dataHome()/marvane
    // (not a cache: the desktop keeps pointing at them).
    static bool keepsFilesBeside(const QString &programDirectory);
    // Where a program in `programDirectory` keeps options.ini and todolist.ini, by that rule.
    static QString settingsDirectoryFor(const QString &programDirectory);
    // options.ini and todolist.ini.
    static QString settingsDirectory();
    // temp.bmp and its copies.
    static QString pictureDirectory();

    // Joins a directory and a file name with exactly one '/'.
    static QString join(const QString &directory, const QString &fileName);
};

} // namespace marvane
