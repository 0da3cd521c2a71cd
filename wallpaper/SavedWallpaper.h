#pragma once

#include "platform/Result.h"

#include <QString>

namespace marvane {

class Desktop;

// The user's own wallpaper as the desktop showed it before Marvane's picture, kept in a small file
// of the program's own (one section per desktop family), so that it can be put back exactly.
class SavedWallpaper
{
public:
    // Keeps the desktop's settings as they are now, unless they name one of Marvane's pictures
    // (in `pictureDirectory`) or the desktop does not say. Kept anew when the user has chosen
    // another picture since.
    static Result<> keep(const Desktop &desktop, const QString &stateFile, const QString &pictureDirectory);
    // Puts the kept settings back and forgets them; says why where it cannot.
    static Result<> restore(const Desktop &desktop, const QString &stateFile);
};

} // namespace marvane
