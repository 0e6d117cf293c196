// damage_areas.h: the parts of a picture a new frame changes, kept as a few rectangles.
#pragma once

#include "base/geometry.h"

#include <vector>

// Whether two rectangles of positive size share a pixel.
bool rectsMeet(const BWRect& a, const BWRect& b);
// The same pixels with a width and height of at least zero (a rectangle may be given from its
// far corner, as a mirrored picture's destination is).
BWRect rectWithPositiveSize(const BWRect& rect);
// The smallest rectangle holding both.
BWRect rectUnion(const BWRect& a, const BWRect& b);

// Adds a rectangle to the areas. Areas that meet or touch are merged, so that no pixel is
// drawn twice; past a handful the areas become one that holds them all, as every area costs
// a walk over the frame's commands.
void addDamage(std::vector<BWRect>& areas, BWRect area);
