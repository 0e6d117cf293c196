// help_page.cpp: the help page, a whole opaque screen explaining rules, layouts, mouse and keys.
#include "artwork.h"
#include "game/screen_layout.h"
#include "palette.h"
#include "pieces.h"
#include "typeface.h"

#include <algorithm>
#include <string>
#include <vector>

namespace {

const TextStyle kBodyStyle{Face::Regular, 13, palette::inkSoft()};
const TextStyle kSmallStyle{Face::Regular, 12, palette::inkSoft()};
const TextStyle kStrongStyle{Face::Bold, 13.5, palette::ink()};
const TextStyle kKeyStyle{Face::Bold, 11.5, palette::ink()};
constexpr double kLeading = 18.5;

// A key cap with its label; returns the x just right of it.
double drawKey(Canvas& canvas, double x, double baseline, const std::string& label)
{
    cairo_t* cr = canvas.cr();
    double width = std::max(22.0, textAdvance(cr, kKeyStyle, label) + 14);
    Box cap{x, baseline - 14.5, width, 20};
    fillRounded(cr, {cap.x, cap.y + 2, cap.w, cap.h}, 5, rgb(0xd2cbbd));
    fillRoundedGradient(cr, cap, 5, rgb(0xffffff), rgb(0xf1eee7));
    strokeRounded(cr, inset(cap, 0.5), 4.5, 1, rgb(0xc9c1b1));
    drawText(canvas, kKeyStyle, x + width / 2, baseline, label, Align::Centre);
    return x + width;
}

// Coloured digit samples, so the three inks of the board are explained by example.
double drawInkSample(Canvas& canvas, double x, double baseline, const char* digit, Colour colour,
                     const char* meaning)
{
    drawText(canvas, {Face::Bold, 15, colour}, x, baseline, digit);
    drawText(canvas, kSmallStyle, x + 14, baseline, meaning);
    return x + 14 + textAdvance(canvas.cr(), kSmallStyle, meaning) + 18;
}

void paintRules(Canvas& canvas, double x, double width)
{
    drawCaption(canvas, x, 118, "THE RULES");
    double y = drawParagraph(canvas, kBodyStyle, x, 142, width, kLeading,
                             "Fill the board so that every row, every column and every coloured "
                             "zone holds each digit from 1 to 9 exactly once.");
    double sampleX = drawInkSample(canvas, x, y + 8, "7", palette::ink(), "given");
    sampleX = drawInkSample(canvas, sampleX, y + 8, "7", palette::playerBlue(), "yours");
    drawInkSample(canvas, sampleX, y + 8, "7", palette::conflictRed(), "clashes with another 7");
    y = drawParagraph(canvas, kBodyStyle, x, y + 34, width, kLeading,
                      "Pencil marks note the digits a cell might hold. A tick on the number panel "
                      "means all nine of that digit are in place.");
    drawParagraph(canvas, kBodyStyle, x, y + 4, width, kLeading,
                  "The three best times of each layout and difficulty are kept.");
}

void paintLayouts(Canvas& canvas, double x)
{
    drawCaption(canvas, x, 118, "THREE LAYOUTS");
    struct Entry {
        const char* name;
        const char* lines[2];
        int (*zoneOf)(int, int);
    };
    const Entry entries[3] = {
        {"Classic", {"nine boxes", "of 3 \u00d7 3 cells"}, classicZone},
        {"Random", {"nine irregular", "joined zones"}, bandedZone},
        {"Chaos", {"nine zones", "scattered about"}, scatteredZone},
    };
    for (int i = 0; i < 3; i++) {
        double centre = x + 48 + i * 112;
        paintEmblem(canvas.cr(), centre - 42, 134, 84, entries[i].zoneOf);
        drawText(canvas, kStrongStyle, centre, 244, entries[i].name, Align::Centre);
        drawText(canvas, kSmallStyle, centre, 263, entries[i].lines[0], Align::Centre);
        drawText(canvas, kSmallStyle, centre, 279, entries[i].lines[1], Align::Centre);
    }
}

struct ControlRow {
    std::vector<std::string> keys;
    const char* text;
};

void paintControls(Canvas& canvas, double x, double keyColumn, double width, const char* caption,
                   const std::vector<ControlRow>& rows)
{
    drawCaption(canvas, x, 354, caption);
    double baseline = 382;
    for (const ControlRow& row : rows) {
        double keyX = x;
        for (const std::string& key : row.keys) keyX = drawKey(canvas, keyX, baseline, key) + 4;
        double textX = std::max(keyX + 6, x + keyColumn);
        baseline = drawParagraph(canvas, kBodyStyle, textX, baseline, x + width - textX, kLeading, row.text) + 6;
    }
}

}  // namespace

void addHelpPage(Artwork& art)
{
    Canvas& canvas = art.add("dialog_help.png", kScreenWidth, kScreenHeight);
    paintPaper(canvas);
    paintCard(canvas.cr(), {24, 20, 752, 488}, 18);
    drawText(canvas, {Face::Bold, 28, palette::ink()}, 56, 72, "How to play");
    drawText(canvas, {Face::Regular, 14, palette::inkFaint()}, 744, 72,
             "nine rows, nine columns, nine zones", Align::Right);
    cairo_t* cr = canvas.cr();
    setColour(cr, palette::hairline());
    cairo_rectangle(cr, 56, 90, 688, 1);
    cairo_rectangle(cr, 56, 326, 688, 1);
    cairo_rectangle(cr, 397, 110, 1, 196);
    cairo_rectangle(cr, 397, 344, 1, 146);
    cairo_fill(cr);
    paintRules(canvas, 56, 318);
    paintLayouts(canvas, 418);
    paintControls(canvas, 56, 96, 318, "MOUSE",
                  {{{"Left click"}, "places the number, or takes it out"},
                   {{"Right click"}, "sets or clears a pencil mark"},
                   {{"Side panel"}, "chooses the number; top: eraser"}});
    paintControls(canvas, 418, 112, 326, "KEYS",
                  {{{"0", "\u2013", "9"}, "choose the number (0 erases)"},
                   {{"Backspace"}, "chooses the eraser"},
                   {{"T"}, "pencil mode: swaps the clicks"},
                   {{"Space", "P"}, "pause"},
                   {{"Z"}, "undo"}});
}
