// pieces.h: small drawings shared by several pictures: captions, check boxes, ticks, the emblem.
#pragma once

#include "canvas.h"
#include "typeface.h"

#include <string>

// Letter-spaced capitals for small section captions, within `room` pixels (0: no limit).
void drawCaption(Canvas& canvas, double x, double baseline, const std::string& text,
                 Align align = Align::Left, double room = 0);

// An empty check box for an option; the check mark picture covers it when chosen.
void paintCheckSlot(cairo_t* cr, double x, double y);

// A small board of tinted cells with its zone borders: the mark of the game on the splash, the
// menu and the board screen, and the layout pictures of the help page.
void paintEmblem(cairo_t* cr, double x, double y, double size, int (*zoneOf)(int, int));

// A check-mark stroke inside the box.
void paintTick(cairo_t* cr, Box box, double width, Colour colour);
