// screens.cpp: the full-screen pictures: splash, menu, board backdrop and overlay, loading, solved.
#include "artwork.h"
#include "catalogue.h"
#include "game/screen_layout.h"
#include "palette.h"
#include "pieces.h"
#include "typeface.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {


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
    drawText(canvas, {Face::Bold, 64, palette::ink()}, kScreenWidth / 2, 400, "Pellix", Align::Centre);
    drawText(canvas, {Face::Regular, 17, palette::inkSoft()}, kScreenWidth / 2, 436,
             translate(text("splash line under the name, one line of 720 px", "Nine rows, nine columns, nine zones.")),
             Align::Centre, {720});
    drawCaption(canvas, kScreenWidth / 2, 540, translate(text("splash caption in capitals, 400 px", "LOADING")),
                Align::Centre, 400);
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
    const std::string tagline =
        translate(text("menu line under the name, one line of 480 px", "A calm number-placement puzzle"));
    const double taglineRoom = 480;
    double textWidth = std::max(textAdvance(cr, titleStyle, "Pellix"),
                                std::min(taglineRoom, textAdvance(cr, taglineStyle, tagline)) + 2);
    double left = std::round(kScreenWidth / 2.0 - (72 + 20 + textWidth) / 2);
    paintEmblem(cr, left, 66, 72, classicZone);
    drawText(canvas, titleStyle, left + 92, 124, "Pellix");
    drawText(canvas, taglineStyle, left + 94, 152, tagline, Align::Left, {taglineRoom});

    // The new-game card: Play on the left, the two option columns on the right.
    paintCard(cr, {150, 192, 500, 184}, 16);
    // Left of the divider at 318, the card's inside starts at 166.
    drawCaption(canvas, 232, 238, translate(text("menu caption in capitals over Play, 140 px", "NEW GAME")),
                Align::Centre, 140);
    drawText(canvas, {Face::Regular, 12.5, palette::inkFaint()}, 232, 336,
             translate(text("menu note under Play, up to two lines of 140 px", "Choose, then play")), Align::Centre,
             {140, 2, 15});
    setColour(cr, palette::hairline());
    cairo_rectangle(cr, 318, 212, 1, 146);
    cairo_fill(cr);
    const double layoutRoom = kDifficultyColumn - 12 - kLayoutColumn;
    const double difficultyRoom = 650 - 12 - kDifficultyColumn;
    drawCaption(canvas, kLayoutColumn, 238, translate(text("menu caption in capitals, 156 px", "LAYOUT")), Align::Left,
                layoutRoom);
    drawCaption(canvas, kDifficultyColumn, 238, translate(text("menu caption in capitals, 124 px", "DIFFICULTY")),
                Align::Left, difficultyRoom);
    const Text layouts[3] = {
        text("menu option, layout of nine 3x3 boxes, 118 px", "Classic"),
        text("menu option, layout of nine irregular joined zones, 118 px", "Random"),
        text("menu option, layout of nine scattered zones, 118 px", "Chaos"),
    };
    const Text difficulties[3] = {
        text("menu option, difficulty, 86 px", "Easy"),
        text("menu option, difficulty, 86 px", "Normal"),
        text("menu option, difficulty, 86 px", "Hard"),
    };
    const TextStyle optionStyle{Face::Regular, 15, palette::ink()};
    const double optionLeft = kCheckSize + 10;
    for (int row = 0; row < 3; row++) {
        paintCheckSlot(cr, kLayoutColumn, kOptionRows[row]);
        paintCheckSlot(cr, kDifficultyColumn, kOptionRows[row]);
        drawText(canvas, optionStyle, kLayoutColumn + optionLeft, kOptionRows[row] + 19.5, translate(layouts[row]),
                 Align::Left, {layoutRoom - optionLeft});
        drawText(canvas, optionStyle, kDifficultyColumn + optionLeft, kOptionRows[row] + 19.5,
                 translate(difficulties[row]), Align::Left, {difficultyRoom - optionLeft});
    }

    // The best-times card: the game writes the names and times into its rows.
    paintCard(cr, {150, 390, 500, 102}, 16);
    drawCaption(canvas, kBestNameLeft, 411, translate(text("menu caption in capitals over the best times, 400 px",
                                                           "BEST TIMES")), Align::Left, 400);
    setColour(cr, palette::hairline());
    cairo_rectangle(cr, kBestNameLeft, 419, kBestTimeLeft + 74 - kBestNameLeft, 1);
    cairo_fill(cr);
    // Gold, silver and bronze beside the three rows the game writes, one text line apart.
    const uint32_t medals[3] = {0xd4a53a, 0xa9b0ba, 0xc27c4a};
    for (int rank = 0; rank < 3; rank++) {
        cairo_arc(cr, kBestNameLeft - 12, kBestTop + rank * rowHeight + rowHeight / 2.0, 4.5, 0, 2 * M_PI);
        setColour(cr, rgb(medals[rank]));
        cairo_fill(cr);
    }
}

void paintGameBackground(Canvas& canvas)
{
    paintPaper(canvas);
    cairo_t* cr = canvas.cr();
    // Board and panel rest on shadows; the cells and the panel picture are drawn over them.
    Box board{double(kBoardLeft - kBorderOffset), double(kBoardTop - kBorderOffset), 9.0 * kCellSize + kBorderThickness,
              9.0 * kCellSize + kBorderThickness};
    softShadow(cr, board, 3, 14, 5, 0.24);
    softShadow(cr, board, 3, 3, 1, 0.14);
    // The cells cover this; it only keeps the shadow from reading as a grey slab beneath them.
    fillRounded(cr, board, 3, rgb(0xf7f3ec));
    Box panel{kPanelLeft - 4.0, kPanelTop - 6.0, kPanelWidth + 8.0, kPanelHeight + 12.0};
    paintCard(cr, panel, 14);

    drawText(canvas, {Face::Bold, 27, palette::ink()}, kGameButtonsLeft + 2, 58, "Pellix");
    paintEmblem(cr, kGameButtonsLeft + 104, 33, 30, classicZone);

    paintCard(cr, {double(kGameButtonsLeft), 158, double(kGameButtonWidth), 70}, 12);
    drawCaption(canvas, kClockLeft, 184, translate(text("board caption in capitals over the clock, 90 px", "TIME")),
                Align::Left, 90);
    cairo_new_path(cr);
    cairo_arc(cr, kGameButtonsLeft + kGameButtonWidth - 18.0, 180.5, 5.5, 0, 2 * M_PI);
    setColour(cr, palette::inkFaint());
    cairo_set_line_width(cr, 1.4);
    cairo_stroke(cr);
    cairo_move_to(cr, kGameButtonsLeft + kGameButtonWidth - 18.0, 177.5);
    cairo_line_to(cr, kGameButtonsLeft + kGameButtonWidth - 18.0, 180.5);
    cairo_line_to(cr, kGameButtonsLeft + kGameButtonWidth - 15.5, 182);
    cairo_stroke(cr);

    // A small cup right of where the best time ends.
    double cupX = kBestTimeRight + 8;
    setColour(cr, rgb(0xc99a2e));
    cairo_move_to(cr, cupX, kTopTextsTop + 2);
    cairo_line_to(cr, cupX + 12, kTopTextsTop + 2);
    cairo_curve_to(cr, cupX + 12, kTopTextsTop + 10, cupX + 9, kTopTextsTop + 12, cupX + 6, kTopTextsTop + 12);
    cairo_curve_to(cr, cupX + 3, kTopTextsTop + 12, cupX, kTopTextsTop + 10, cupX, kTopTextsTop + 2);
    cairo_fill(cr);
    cairo_rectangle(cr, cupX + 5, kTopTextsTop + 11, 2, 3);
    cairo_rectangle(cr, cupX + 2.5, kTopTextsTop + 14, 7, 2);
    cairo_fill(cr);
    cairo_set_line_width(cr, 1.3);
    cairo_arc(cr, cupX, kTopTextsTop + 5.5, 2.6, M_PI / 2, 3 * M_PI / 2);
    cairo_stroke(cr);
    cairo_arc_negative(cr, cupX + 12, kTopTextsTop + 5.5, 2.6, M_PI / 2, -M_PI / 2);
    cairo_stroke(cr);

    // The pencil-mode box: the check mark picture covers it while pencil mode is on.
    paintCheckSlot(cr, kPencilBoxLeft, kPencilBoxTop);
    // Under the pencil-mode box, between the board's right edge and the screen's.
    drawText(canvas, {Face::Bold, 10, palette::inkSoft()}, kPencilBoxLeft + kCheckSize / 2.0, 52,
             translate(text("board label under the pencil-mode box: pencil marks, up to two lines of 50 px", "Pencil")),
             Align::Centre, {50, 2, 11});

    setColour(cr, palette::hairline());
    cairo_rectangle(cr, kGameButtonsLeft + 12, 460, kGameButtonWidth - 24, 1);
    cairo_fill(cr);
}

// Over the board: its outer frame, in the same ink and thickness as the zone borders.
void paintGameOverlay(Canvas& canvas)
{
    cairo_t* cr = canvas.cr();
    setColour(cr, palette::borderInk());
    double left = kBoardLeft - kBorderOffset;
    double top = kBoardTop - kBorderOffset;
    double size = 9.0 * kCellSize + kBorderThickness;
    cairo_rectangle(cr, left, top, size, size);
    cairo_rectangle(cr, left + kBorderThickness, top + kBorderThickness, size - 2 * kBorderThickness,
                    size - 2 * kBorderThickness);
    cairo_set_fill_rule(cr, CAIRO_FILL_RULE_EVEN_ODD);
    cairo_fill(cr);
}

void paintBanner(Canvas& canvas, Box box, Text title, Text line, Colour accent)
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
    drawText(canvas, {Face::Bold, 30, palette::ink()}, cx, box.y + 56, translate(title), Align::Centre, {box.w - 32});
    drawText(canvas, {Face::Regular, 15, palette::inkSoft()}, cx, box.y + 84, translate(line), Align::Centre,
             {box.w - 32});
}

void paintLoading(Canvas& canvas)
{
    Box box{250, 236, 300, 128};
    paintBanner(canvas, box, text("loading banner title while a puzzle is made, 268 px", "Preparing"),
                text("loading banner line, 268 px", "A fresh puzzle is on its way"), palette::accent());
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
    double cx = kBoardLeft + 9 * kCellSize / 2.0;
    Box box{cx - 190, 236, 380, 128};
    paintBanner(canvas, box, text("solved banner title, 348 px", "Solved!"),
                text("solved banner line, 348 px", "Every row, column and zone is complete"), palette::doneGreen());
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
    paintSplash(art.add("splash.png", kScreenWidth, kScreenHeight));
    const FontSheet* text = art.font("font_main.fnt");
    paintMenu(art.add("menu_background.png", kScreenWidth, kScreenHeight), text ? fontLineHeight(*text) : 18);
    paintGameBackground(art.add("game_background.png", kScreenWidth, kScreenHeight));
    paintGameOverlay(art.add("game_overlay.png", kScreenWidth, kScreenHeight));
    paintLoading(art.add("game_loading.png", kScreenWidth, kScreenHeight));
    paintGameOver(art.add("game_over.png", kScreenWidth, kScreenHeight));
}
