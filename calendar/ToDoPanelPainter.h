#pragma once

#include "calendar/Canvas.h"
#include "calendar/LengthScale.h"
#include "calendar/Palette.h"
#include "settings/Options.h"
#include "todo/ToDoStore.h"

#include <QRect>
#include <QString>


namespace marvane {

// Where the panel goes on a picture of `screen` size at `scale`: near the right edge, or where that
// would cover the calendar's box, 40 units below or above the box, its left edge on the box's.
QRect toDoPanelBox(const Options &options, QSize screen, LengthScale scale);

// Paints today's items in a ruled panel at toDoPanelBox on the canvas paintCalendar sized to the
// screen at `scale`, in the font it left behind. Paints nothing when showToDoList is off.
void paintToDoPanel(Canvas &canvas, const Options &options, const Palette &palette, LengthScale scale,
                    const ToDoStore::Items &items);

} // namespace marvane
