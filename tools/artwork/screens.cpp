// screens.cpp: the full-screen pictures: splash, menu, board backdrop and overlay, loading, solved.
#include "artwork.h"
#include "layout.h"
#include "palette.h"
#include "pieces.h"
#include "typeface.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using namespace layout;

void paintSplash(Canvas& canvas)
{
    paintPaper(canvas);
    cairo_t* cr = canvas.cr();
    paintEmblem(cr, 310, 120, 180, classicZone);
    // A few digits, given ones in ink and the player's in blue, make the emblem a game in play.
    const double step = 20;
    for (int x = 0; x < 9; x++)
        for (int y = 0; y < 9; y++) {
            int kind = (x * 73 + y * 151 + x * y * 29) % 10;
            if (kind > 3) continue;
            kind = kind == 3 ? 1 : 0;
            std::string digit(1, char('1' + (x + 3 * (y % 3) + y / 3) % 9));
            drawText(canvas, {kind == 0 ? Face::Bold : Face::Regular, 13, kind == 0 ? palette::ink() : palette::playerBlue()},
                     310 + x * step + step / 2, 120 + y * step + 15, digit, Align::Centre);
        }
    drawText(canvas, {Face::Bold, 64, palette::ink()}, 400, 400, "Pellix", Align::Centre);
    drawText(canvas, {Face::Regular, 17, palette::inkSoft()}, 400, 436,
             "Nine rows, nine columns, nine zones.", Align::Centre);
    drawCaption(canvas, 400, 540, "LOADING", Align::Centre);
    for (int i = 0; i < 3; i++) {
        cairo_arc(cr, 388 + i * 12, 556, 3, 0, 2 * M_PI);
        setColour(cr, withAlpha(palette::accent(), 0.35 + 0.3 * i));
        cairo_fill(cr);
    }
}

void paintMenu(Canvas& canvas, int rowHeight)
{
    paintPaper(canvas);
    cairo_t* cr = canvas.cr();
    // Emblem and name centred as one group over the cards.
    const TextStyle titleStyle{Face::Bold, 58, palette::ink()};
    const TextStyle taglineStyle{Face::Regular, 15, palette::inkSoft()};
    const std::string tagline = "A calm number-placement puzzle";
    double textWidth = std::max(textAdvance(cr, titleStyle, "Pellix"), textAdvance(cr, taglineStyle, tagline) + 2);
    double left = std::round(screenWidth / 2.0 - (72 + 20 + textWidth) / 2);
    paintEmblem(cr, left, 66, 72, classicZone);
    drawText(canvas, titleStyle, left + 92, 124, "Pellix");
    drawText(canvas, taglineStyle, left + 94, 152, tagline);

    // The new-game card: Play on the left, the two option columns on the right.
    paintCard(cr, {150, 192, 500, 184}, 16);
    drawCaption(canvas, 232, 238, "NEW GAME", Align::Centre);
    drawText(canvas, {Face::Regular, 12.5, palette::inkFaint()}, 232, 336, "Choose, then play", Align::Centre);
    setColour(cr, palette::hairline());
    cairo_rectangle(cr, 318, 212, 1, 146);
    cairo_fill(cr);
    drawCaption(canvas, menuLayoutX, 238, "LAYOUT");
    drawCaption(canvas, menuDifficultyX, 238, "DIFFICULTY");
    const char* layouts[3] = {"Classic", "Random", "Chaos"};
    const char* difficulties[3] = {"Easy", "Normal", "Hard"};
    const TextStyle optionStyle{Face::Regular, 15, palette::ink()};
    for (int row = 0; row < 3; row++) {
        paintCheckSlot(cr, menuLayoutX, menuRows[row]);
        paintCheckSlot(cr, menuDifficultyX, menuRows[row]);
        drawText(canvas, optionStyle, menuLayoutX + check + 10, menuRows[row] + 19.5, layouts[row]);
        drawText(canvas, optionStyle, menuDifficultyX + check + 10, menuRows[row] + 19.5, difficulties[row]);
    }

    // The best-times card: the game writes the names and times into its rows.
    paintCard(cr, {150, 390, 500, 102}, 16);
    drawCaption(canvas, bestNameX, 411, "BEST TIMES");
    setColour(cr, palette::hairline());
    cairo_rectangle(cr, bestNameX, 419, bestTimeX + 74 - bestNameX, 1);
    cairo_fill(cr);
    // Gold, silver and bronze beside the three rows the game writes, one text line apart.
    const uint32_t medals[3] = {0xd4a53a, 0xa9b0ba, 0xc27c4a};
    for (int rank = 0; rank < 3; rank++) {
        cairo_arc(cr, bestNameX - 12, bestRowsY + rank * rowHeight + rowHeight / 2.0, 4.5, 0, 2 * M_PI);
        setColour(cr, rgb(medals[rank]));
        cairo_fill(cr);
    }
}

void paintGameBackground(Canvas& canvas)
{
    paintPaper(canvas);
    cairo_t* cr = canvas.cr();
    // Board and panel rest on shadows; the cells and the panel picture are drawn over them.
    Box board{double(boardX - 1), double(boardY - 1), 9.0 * cell + 3, 9.0 * cell + 3};
    softShadow(cr, board, 3, 14, 5, 0.24);
    softShadow(cr, board, 3, 3, 1, 0.14);
    // The cells cover this; it only keeps the shadow from reading as a grey slab beneath them.
    fillRounded(cr, board, 3, rgb(0xf7f3ec));
    Box panel{panelX - 4.0, panelY - 6.0, panelWidth + 8.0, panelHeight + 12.0};
    paintCard(cr, panel, 14);

    drawText(canvas, {Face::Bold, 27, palette::ink()}, gameButtonX + 2, 58, "Pellix");
    paintEmblem(cr, gameButtonX + 104, 33, 30, classicZone);

    paintCard(cr, {double(gameButtonX), 158, double(gameButtonWidth), 70}, 12);
    drawCaption(canvas, clockX, 184, "TIME");
    cairo_new_path(cr);
    cairo_arc(cr, gameButtonX + gameButtonWidth - 18.0, 180.5, 5.5, 0, 2 * M_PI);
    setColour(cr, palette::inkFaint());
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_move_to(cr, gameButtonX + gameButtonWidth - 18.0, 177.5);
    cairo_line_to(cr, gameButtonX + gameButtonWidth - 18.0, 180.5);
    cairo_line_to(cr, gameButtonX + gameButtonWidth - 15.5, 182);
    cairo_stroke(cr);

    // A small cup right of where the best time ends.
    double cupX = bestTimeRight + 8;
    setColour(cr, rgb(0xc99a2e));
    cairo_move_to(cr, cupX, labelY + 2);
    cairo_line_to(cr, cupX + 12, labelY + 2);
    cairo_curve_to(cr, cupX + 12, labelY + 10, cupX + 9, labelY + 12, cupX + 6, labelY + 12);
    cairo_curve_to(cr, cupX + 3, labelY + 12, cupX, labelY + 10, cupX, labelY + 2);
    cairo_fill(cr);
    cairo_rectangle(cr, cupX + 5, labelY + 11, 2, 3);
    cairo_rectangle(cr, cupX + 2.5, labelY + 14, 7, 2);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.3);
    cairo_arc(cr, cupX, labelY + 5.5, 2.6, M_PI / 2, 3 * M_PI / 2);
    cairo_stroke(cr);
    cairo_arc_negative(cr, cupX + 12, labelY + 5.5, 2.6, M_PI / 2, -M_PI / 2);
    cairo_stroke(cr);

    // The pencil-mode box: the check mark picture covers it while pencil mode is on.
    paintCheckSlot(cr, pencilBoxX, pencilBoxY);
    drawText(canvas, {Face::Bold, 10, palette::inkSoft()}, pencilBoxX + check / 2.0, 52, "Pencil",
             Align::Centre);

    setColour(cr, palette::hairline());
    cairo_rectangle(cr, gameButtonX + 12, 460, gameButtonWidth - 24, 1);
    cairo_fill(cr);
}

// Over the board: its outer frame, in the same ink and thickness as the zone borders.
void paintGameOverlay(Canvas& canvas)
{
    cairo_t* cr = canvas.cr();
    setColour(cr, palette::borderInk());
    double left = boardX - 1;
    double top = boardY - 1;
    double size = 9.0 * cell + lineThickness;
    cairo_rectangle(cr, left, top, size, size);
    cairo_rectangle(cr, left + lineThickness, top + lineThickness, size - 2 * lineThickness,
                    size - 2 * lineThickness);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
}

void paintBanner(Canvas& canvas, Box box, const std::string& title, const std::string& line,
                 Colour accent)
{
    cairo_t* cr = canvas.cr();
    // A deeper shadow than a card's: the banner floats above a screen full of cards.
    softShadow(cr, box, 18, 26, 12, 0.38);
    paintCard(cr, box, 18);
    cairo_save(cr);
    roundedRect(cr, box, 18);
    cairo_clip(cr);
    setColour(cr, accent);
    cairo_rectangle(cr, box.x, box.y, box.w, 6);
    cairo_fill(cr);
    cairo_restore(cr);
    double cx = box.x + box.w / 2;
    requireFit(cr, {Face::Regular, 15, palette::inkSoft()}, line, box.w - 32);
    drawText(canvas, {Face::Bold, 30, palette::ink()}, cx, box.y + 56, title, Align::Centre);
    drawText(canvas, {Face::Regular, 15, palette::inkSoft()}, cx, box.y + 84, line, Align::Centre);
}

void paintLoading(Canvas& canvas)
{
    Box box{250, 236, 300, 128};
    paintBanner(canvas, box, "Preparing", "A fresh puzzle is on its way", palette::accent());
    cairo_t* cr = canvas.cr();
    for (int i = 0; i < 5; i++) {
        cairo_arc(cr, 376 + i * 12, box.y + 106, 3, 0, 2 * M_PI);
        setColour(cr, palette::zoneColour(i + 1));
        cairo_fill(cr);
    }
}

void paintGameOver(Canvas& canvas)
{
    // Centred over the board, which fills the middle of the screen under it.
    double cx = boardX + 9 * cell / 2.0;
    Box box{cx - 190, 236, 380, 128};
    paintBanner(canvas, box, "Solved!", "Every row, column and zone is complete", palette::doneGreen());
    cairo_t* cr = canvas.cr();
    for (int i = 0; i < 9; i++) {
        cairo_arc(cr, cx - 48 + i * 12, box.y + 108, 3, 0, 2 * M_PI);
        setColour(cr, palette::zoneColour(i + 1));
        cairo_fill(cr);
    }
}

}  // namespace

void addScreens(Artwork& art)
{
    paintSplash(art.add("splash.png", screenWidth, screenHeight));
    const FontSheet* text = art.font("font_main.fnt");
    paintMenu(art.add("menu_background.png", screenWidth, screenHeight), text ? fontLineHeight(*text) : 18);
    paintGameBackground(art.add("game_background.png", screenWidth, screenHeight));
    paintGameOverlay(art.add("game_overlay.png", screenWidth, screenHeight));
    paintLoading(art.add("game_loading.png", screenWidth, screenHeight));
    paintGameOver(art.add("game_over.png", screenWidth, screenHeight));
}
