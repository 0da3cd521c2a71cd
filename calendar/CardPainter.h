#pragma once

#include "calendar/Canvas.h"
#include "calendar/LengthScale.h"
#include "calendar/Palette.h"
#include "calendar/RenderContext.h"
#include "settings/Options.h"
#include "todo/ToDoStore.h"

#include <QRect>

#include <cstdint>

namespace marvane {

// The card look (Look=1): the month and the to-do items on rounded cards of the user's colours,
// at CardOpacity over the picture, in an anti-aliased sans-serif face.

// The calendar card: in the chosen corner, the offsets' sizes as its margins from that corner's
// two edges (mirrored for the right and bottom ones), and never past the screen's edges.
QRect calendarCardBox(const Options &options, QSize screen, LengthScale scale);

// Paints both cards over what the canvas holds (the desktop colour and the user's picture): the
// to-do card under a top corner's calendar card, above a bottom corner's, with only the lines that
// hold items, each cut with "…" where it would not fit.
void paintCards(Canvas &canvas, const Options &options, const Palette &palette, const RenderContext &context,
                const ToDoStore::Items &items, std::int16_t year, std::int16_t month);

} // namespace marvane
