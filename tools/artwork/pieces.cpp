// pieces.cpp: small drawings shared by several pictures: captions, check boxes, ticks, the emblem.
#include "pieces.h"

#include "game/screen_layout.h"
#include "palette.h"
#include "zone_patterns.h"

#include <algorithm>
#include <cmath>

static const TextStyle kCaptionStyle{Face::Bold, 10.5, palette::inkFaint()};

// Letter-spaced capitals for small section captions.
void drawCaption(Canvas& canvas, double x, double baseline, const std::string& text,
                 Align align, double room)
{
    std::string spaced;
    for (size_t i = 0; i < text.size(); i++) {
        // A thin space before each character, not inside one: UTF-8's continuation bytes are 10xxxxxx.
        bool continuation = (static_cast<unsigned char>(text[i]) & 0xc0) == 0x80;
        if (!spaced.empty() && !continuation) spaced += "\u2009";
        spaced += text[i];
    }
    drawText(canvas, kCaptionStyle, x, baseline, spaced, align, {room});
}

// An empty check box for an option; the check mark picture covers it when chosen.
void paintCheckSlot(cairo_t* cr, double x, double y)
{
    Box box{x + 1, y + 1, double(kCheckSize - 2), double(kCheckSize - 2)};
    fillRounded(cr, box, 7, rgb(0xffffff));
    strokeRounded(cr, inset(box, 0.75), 6.25, 1.5, rgb(0xc4bcad));
}

// A small board of tinted cells with its zone borders: the mark of the game on the splash, the
// menu and the board screen, and the layout pictures of the help page.
void paintEmblem(cairo_t* cr, double x, double y, double size, int (*zoneOf)(int, int))
{
    double cellSize = size / 9;
    softShadow(cr, {x, y, size, size}, size / 16, size / 24, size / 60, 0.22);
    cairo_save(cr);
    roundedRect(cr, {x, y, size, size}, size / 16);
    cairo_clip(cr);
    // The cells' patterns at a scale that leaves one motif in a small cell; too small, none.
    double patternScale = std::min(1.0, cellSize / 10);
    for (int cx = 0; cx < 9; cx++)
        for (int cy = 0; cy < 9; cy++) {
            int zone = zoneOf(cx, cy);
            setColour(cr, palette::zoneTint(zone));
            cairo_rectangle(cr, x + cx * cellSize, y + cy * cellSize, cellSize + 0.5, cellSize + 0.5);
            cairo_fill(cr);
            if (cellSize >= 6) paintZonePattern(cr, zone, {x + cx * cellSize, y + cy * cellSize, cellSize, cellSize}, patternScale);
        }
    setColour(cr, withAlpha(palette::borderInk(), 0.18));
    cairo_set_line_width(cr, std::max(0.6, size / 220));
    for (int i = 1; i < 9; i++) {
        cairo_move_to(cr, x + i * cellSize, y);
        cairo_line_to(cr, x + i * cellSize, y + size);
        cairo_move_to(cr, x, y + i * cellSize);
        cairo_line_to(cr, x + size, y + i * cellSize);
    }
    cairo_stroke(cr);
    // Zone borders wherever neighbouring cells belong to different zones.
    setColour(cr, palette::borderInk());
    cairo_set_line_width(cr, std::max(1.2, size / 90));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_SQUARE);
    for (int cx = 0; cx < 9; cx++)
        for (int cy = 0; cy < 9; cy++) {
            if (cx < 8 && zoneOf(cx, cy) != zoneOf(cx + 1, cy)) {
                cairo_move_to(cr, x + (cx + 1) * cellSize, y + cy * cellSize);
                cairo_line_to(cr, x + (cx + 1) * cellSize, y + (cy + 1) * cellSize);
            }
            if (cy < 8 && zoneOf(cx, cy) != zoneOf(cx, cy + 1)) {
                cairo_move_to(cr, x + cx * cellSize, y + (cy + 1) * cellSize);
                cairo_line_to(cr, x + (cx + 1) * cellSize, y + (cy + 1) * cellSize);
            }
        }
    cairo_stroke(cr);
    cairo_restore(cr);
    strokeRounded(cr, inset({x, y, size, size}, size / 180), size / 16, std::max(1.5, size / 90), palette::borderInk());
}

void paintTick(cairo_t* cr, Box box, double width, Colour colour)
{
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    cairo_set_line_width(cr, width);
    setColour(cr, colour);
    cairo_move_to(cr, box.x + box.w * 0.22, box.y + box.h * 0.52);
    cairo_line_to(cr, box.x + box.w * 0.42, box.y + box.h * 0.72);
    cairo_line_to(cr, box.x + box.w * 0.78, box.y + box.h * 0.30);
    cairo_stroke(cr);
}

