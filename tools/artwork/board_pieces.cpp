// board_pieces.cpp: the cells, borders, selection, check mark and side panel of the board screen.
#include "artwork.h"
#include "game/screen_layout.h"
#include "palette.h"
#include "pieces.h"
#include "typeface.h"
#include "zone_patterns.h"

#include <cmath>
#include <string>

int classicZone(int x, int y) { return (y / 3) * 3 + x / 3 + 1; }

// Three bands of three zones with staggered seams: each zone nine connected cells.
int bandedZone(int x, int y)
{
    static const char* rows[9] = {"111122233", "111222333", "112223333",
                                  "445555666", "444556666", "444455566",
                                  "777888899", "778889999", "777788999"};
    return rows[y][x] - '0';
}

// Scattered zones: every zone touches every row once, in a pattern that hops across the board.
int scatteredZone(int x, int y) { return (x * 4 + y * 2 + (y / 3) * 5) % 9 + 1; }

namespace {

void paintZone(Canvas& canvas, int zone)
{
    cairo_t* cr = canvas.cr();
    Colour tint = palette::zoneTint(zone);
    setColour(cr, tint);
    cairo_paint(cr);
    paintZonePattern(cr, zone, {0, 0, kCellSize - 1.0, kCellSize - 1.0}, 1);
    // A hairline on the right and bottom edges draws the cell grid once the cells are tiled.
    setColour(cr, mix(tint, palette::borderInk(), 0.16));
    cairo_rectangle(cr, kCellSize - 1, 0, 1, kCellSize);
    cairo_rectangle(cr, 0, kCellSize - 1, kCellSize - 1, 1);
    cairo_fill(cr);
    // A faint light edge on top and left keeps neighbouring cells from running together.
    setColour(cr, rgb(0xffffff, 0.35));
    cairo_rectangle(cr, 0, 0, kCellSize - 1, 1);
    cairo_rectangle(cr, 0, 1, 1, kCellSize - 2);
    cairo_fill(cr);
}

void paintCheck(Canvas& canvas)
{
    cairo_t* cr = canvas.cr();
    Box box = inset(canvas.bounds(), 1);
    fillRoundedGradient(cr, box, 7, rgb(0x5484ea), rgb(0x3862d2));
    strokeRounded(cr, inset(box, 0.5), 6.5, 1, palette::accentDeep());
    paintTick(cr, box, 3.2, rgb(0xffffff));
}

void paintSelect(Canvas& canvas)
{
    cairo_t* cr = canvas.cr();
    Box ring = inset(canvas.bounds(), 2.5);
    fillRounded(cr, ring, 6, withAlpha(palette::accent(), 0.10));
    strokeRounded(cr, ring, 6, 3, palette::accent());
    strokeRounded(cr, inset(ring, 2), 4, 1, rgb(0xffffff, 0.8));
}

void paintLine(Canvas& canvas)
{
    setColour(canvas.cr(), palette::borderInk());
    cairo_paint(canvas.cr());
}

void paintSideSelect(Canvas& canvas)
{
    cairo_t* cr = canvas.cr();
    Box box = inset(canvas.bounds(), 1);
    fillRounded(cr, box, 10, palette::accentSoft());
    strokeRounded(cr, inset(box, 1), 9, 2, palette::accent());
}

void paintEraser(cairo_t* cr, double cx, double cy, Colour colour)
{
    cairo_save(cr);
    cairo_translate(cr, cx, cy);
    cairo_rotate(cr, -M_PI / 4);
    Box body{-11, -6, 22, 12};
    strokeRounded(cr, body, 3, 2, colour);
    cairo_rectangle(cr, -11, -6, 8, 12);
    cairo_clip(cr);
    fillRounded(cr, body, 3, colour);
    cairo_restore(cr);
    cairo_move_to(cr, cx - 9, cy + 11.5);
    cairo_line_to(cr, cx + 10, cy + 11.5);
    cairo_set_line_width(cr, 1.5);
    setColour(cr, withAlpha(colour, 0.5));
    cairo_stroke(cr);
}

// The number panel, transparent between its marks so the highlight drawn beneath shows through.
void paintSidePanel(Canvas& canvas, bool pencil)
{
    cairo_t* cr = canvas.cr();
    Colour digitColour = pencil ? palette::pencilGrey() : palette::ink();
    for (int n = 0; n < 10; n++) {
        double top = n * kPanelSlot;
        double cx = kPanelWidth / 2.0;
        double cy = top + kPanelSlot / 2.0;
        if (n > 0) {
            setColour(cr, rgb(0x6f6656, 0.16));
            cairo_rectangle(cr, 12, top, kPanelWidth - 24, 1);
            cairo_fill(cr);
        }
        if (n == 0) {
            paintEraser(cr, cx, cy - 1, digitColour);
            continue;
        }
        // In pencil mode the digits shrink to pencil-mark grey, as they will appear in the cells.
        std::string digit(1, char('0' + n));
        if (pencil) drawText(canvas, {Face::Regular, 17, digitColour}, cx, cy + 6, digit, Align::Centre);
        else drawText(canvas, {Face::Bold, 24, digitColour}, cx, cy + 8.5, digit, Align::Centre);
    }
}

void paintDone(Canvas& canvas)
{
    cairo_t* cr = canvas.cr();
    // A wash fades the finished digit; a green ring and a corner tick say why.
    Box slotBox = inset(canvas.bounds(), 3);
    fillRounded(cr, slotBox, 9, rgb(0xfffdf9, 0.55));
    strokeRounded(cr, inset(slotBox, 0.75), 8.25, 1.5, withAlpha(palette::doneGreen(), 0.7));
    double cx = kPanelSlot - 7.0;
    double cy = 7.0;
    cairo_arc(cr, cx, cy, 6.5, 0, 2 * M_PI);
    setColour(cr, rgb(0xfffdf9));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 5.5, 0, 2 * M_PI);
    setColour(cr, palette::doneGreen());
    cairo_fill(cr);
    paintTick(cr, {cx - 5.5, cy - 5.5, 11, 11}, 1.7, rgb(0xffffff));
}

}  // namespace

void addBoardPieces(Artwork& art)
{
    for (int zone = 1; zone <= 9; zone++)
        paintZone(art.add("game_zone" + std::to_string(zone) + ".png", kCellSize, kCellSize), zone);
    paintSelect(art.add("game_select.png", kSelectionSize, kSelectionSize));
    paintCheck(art.add("game_check.png", kCheckSize, kCheckSize));
    paintSidePanel(art.add("game_side_numbers.png", kPanelWidth, kPanelHeight), false);
    paintSidePanel(art.add("game_side_numbers_small.png", kPanelWidth, kPanelHeight), true);
    paintSideSelect(art.add("game_side_select.png", kSlotHighlightSize, kSlotHighlightSize));
    paintLine(art.add("game_line_horz.png", kBorderLength, kBorderThickness));
    paintLine(art.add("game_line_vert.png", kBorderThickness, kBorderLength));
    paintDone(art.add("game_done.png", kPanelSlot, kPanelSlot));
}
