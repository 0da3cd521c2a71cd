#pragma once

#include "platform/Clock.h"
#include "platform/LocaleNames.h"
#include "platform/Screen.h"

namespace marvane {

class BackgroundPicture;

// What the painters ask of the system: today's date, the screen's size and the locale's names;
// and the user's picture under the calendar, read before, where there is one.
struct RenderContext
{
    const Clock &clock;
    const Screen &screen;
    const LocaleNames &names;
    const BackgroundPicture *background = nullptr;
};

} // namespace marvane
