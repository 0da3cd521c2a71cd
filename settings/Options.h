#pragma once

#include "SystemColors.h"

#include <QMetaType>

#include <cstdint>

namespace marvane {

// The settings record. All zero until loaded, as the first paint at start-up expects.
struct Options
{
    ColorRef DesktopColor = 0;
    ColorRef CalendarColor = 0;
    ColorRef ToDoBackColor = 0;
    ColorRef ToDoTextColor = 0;
    std::int32_t CalendarPos = 0;
    std::int32_t OffsetX = 0;
    std::int32_t OffsetY = 0;
    bool ShowToDoList = false;
    bool AutoRun = false;

    static constexpr Options defaults()
    {
        Options o;
        o.DesktopColor = SystemColors::system(1);
        o.CalendarColor = 0x00FFFFFF;
        o.ToDoBackColor = 0x00FFFFFF;
        o.ToDoTextColor = 0x000000FF;
        o.CalendarPos = 1;
        o.OffsetX = -10;
        o.OffsetY = 10;
        o.ShowToDoList = true;
        o.AutoRun = true;
        return o;
    }

    friend bool operator==(const Options &, const Options &) = default;
};

} // namespace marvane

Q_DECLARE_METATYPE(marvane::Options)
