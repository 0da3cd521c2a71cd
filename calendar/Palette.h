#pragma once

#include "platform/SystemColors.h"
#include "settings/Options.h"

#include <QRgb>

namespace marvane {

// The screen colours of one paint: the settings' stored colours turned into screen colours once,
// for all the painters, with the system colours they use.
struct Palette
{
    // The event colour while none is chosen: a teal that reads on light and dark panels.
    static constexpr QRgb kStandardEvent = qRgb(0, 122, 150);

    QRgb desktop;
    QRgb calendar;
    QRgb toDoBack;
    QRgb toDoText;
    QRgb buttonFace; // the weekday header
    QRgb greyText;   // the to-do panel's rules
    QRgb event;      // events from the user's calendars

    static Palette of(const Options &options)
    {
        return {SystemColors::resolve(options.desktopColor), SystemColors::resolve(options.calendarColor),
                SystemColors::resolve(options.toDoBackColor), SystemColors::resolve(options.toDoTextColor),
                SystemColors::entry(15), SystemColors::entry(17),
                options.eventColor == 0 ? kStandardEvent : SystemColors::resolve(options.eventColor)};
    }
};

} // namespace marvane
