// zone_patterns.h: the quiet pattern each zone carries over its tint, so zones differ without colour.
#pragma once

#include "canvas.h"

// Draws the zone's pattern in its pattern ink over the box, clipped to it and centred on its middle
// (so a cell's pattern is symmetric and a small cell still shows the pattern's middle motif).
// Positions and strokes are in picture units, so the pattern scales with the canvas; `scale` shrinks
// the pattern itself for small pictures of the board. Spacing at scale 1: 8 units for the fine
// patterns, 12 for the open ones.
void paintZonePattern(cairo_t* cr, int zone, Box box, double scale);
