#pragma once

#include "platform/Clock.h"
#include "platform/LocaleNames.h"
#include "platform/Screen.h"

namespace marvane {

// What the painters ask of the system: today's date, the screen's size and the locale's names.
struct RenderContext
{
    const Clock &clock;
    const Screen &screen;
    const LocaleNames &names;
};

} // namespace marvane
