#pragma once

#include "calendar/Canvas.h"
#include "calendar/LengthScale.h"
#include "calendar/Palette.h"
#include "settings/Options.h"
#include "calendar/RenderContext.h"
#include "platform/Result.h"

#include <QRect>
#include <QString>

#include <cstdint>

namespace marvane {

// Repaints the whole canvas: screen-sized, filled with the desktop colour, with the month's box in
// the chosen corner, at the scale of LengthScale::of the options and the display. Fails for a month that does not exist and when the offsets push the box
// beyond 32-bit coordinates; the canvas is then all desktop colour.
Result<> paintCalendar(Canvas &canvas, const Options &options, const Palette &palette, const RenderContext &context,
                       std::int16_t year, std::int16_t month);

// The canvas at the screen's size in the desktop colour with the user's picture over it; fails
// for a month that does not exist.
Result<> paintBackground(Canvas &canvas, const Palette &palette, const RenderContext &context, std::int16_t year,
                         std::int16_t month);

// The corner the box is in (0 top left, 1 top right, 2 bottom right, 3 bottom left): a corner the
// dialog cannot offer (a hand-edited file) is taken as the default corner.
int calendarCorner(const Options &options);

// Where paintCalendar puts the month's box on a picture of `screen` size at `scale`, in 64-bit
// arithmetic so that offsets too large to paint still give an answer (outside the picture).
QRect calendarBox(const Options &options, QSize screen, LengthScale scale);

// The line above the grid: "Today: " and the date, as M-D-YYYY or in the locale's short form.
QString dateLine(const Options &options, const LocaleNames &names, QDate today);

// A two-character month name gets two spaces between its characters.
QString monthTitle(const QString &abbreviation);

} // namespace marvane
