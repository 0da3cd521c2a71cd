#pragma once

#include "platform/SystemColors.h"

#include <QMetaType>
#include <QString>

#include <cstdint>

namespace marvane {

// The settings record. All zero until loaded, as the first paint at start-up expects.
struct Options
{
    StoredColor desktopColor = 0;
    StoredColor calendarColor = 0;
    StoredColor toDoBackColor = 0;
    StoredColor toDoTextColor = 0;
    std::int32_t calendarCorner = 0;
    std::int32_t offsetX = 0;
    std::int32_t offsetY = 0;
    bool showToDoList = false;
    bool startAtLogon = false;
    // The user's picture under the calendar: a path, absolute or relative to the program's folder;
    // empty for the desktop colour alone. How it covers the screen: see BackgroundPicture::Style.
    QString backgroundPicture;
    std::int32_t backgroundStyle = 0;
    // The calendar's size in percent: 0 follows the display's scale, else kMinScale to kMaxScale.
    std::int32_t calendarScale = 0;
    static constexpr std::int32_t kMinScale = 50;
    static constexpr std::int32_t kMaxScale = 400;
    // The week's first column: 0 Sunday, 1 Monday, 2 as the locale has it.
    std::int32_t weekStart = 0;
    // The date line: 0 "Today: M-D-YYYY", 1 the locale's short date.
    std::int32_t dateFormat = 0;
    // 1: a day of the month shown that has to-do items gets a mark under its number.
    std::int32_t markDays = 0;
    // How many days the to-do panel lists: 0 or 1 today only; up to 14 today and the days after.
    std::int32_t agendaDays = 0;
    // 1: ISO week numbers in a narrow column before the first weekday.
    std::int32_t weekNumbers = 0;
    // 0 the classic look; 1 rounded cards at cardOpacity percent (0: 85) in a smooth face.
    std::int32_t look = 0;
    std::int32_t cardOpacity = 0;
    static constexpr std::int32_t kStandardOpacity = 85;
    // The user's calendars: .ics files, folders of them and addresses, separated by ";".
    QString calendars;
    // The colour of their events; 0 the standard one.
    StoredColor eventColor = 0;

    static Options defaults()
    {
        Options o;
        o.desktopColor = SystemColors::system(1);
        o.calendarColor = 0x00FFFFFF;
        o.toDoBackColor = 0x00FFFFFF;
        o.toDoTextColor = 0x000000FF;
        o.calendarCorner = 1;
        o.offsetX = -10;
        o.offsetY = 10;
        o.showToDoList = true;
        o.startAtLogon = true;
        return o;
    }

    friend bool operator==(const Options &, const Options &) = default;
};

} // namespace marvane

Q_DECLARE_METATYPE(marvane::Options)
