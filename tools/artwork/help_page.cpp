// help_page.cpp: the help page, a whole opaque screen explaining rules, layouts, mouse and keys.
#include "artwork.h"
#include "catalogue.h"
#include "game/screen_layout.h"
#include "palette.h"
#include "pieces.h"
#include "typeface.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace {

struct HelpStyles {
    TextStyle body;
    TextStyle small;
    TextStyle strong;
    TextStyle key;
    double leading;
};

// The page's styles with every size times `factor`: a section that does not fit in a language
// is set smaller as a whole, so its texts keep their proportions.
HelpStyles helpStyles(double factor)
{
    return {{Face::Regular, 13 * factor, palette::inkSoft()},
            {Face::Regular, 12 * factor, palette::inkSoft()},
            {Face::Bold, 13.5 * factor, palette::ink()},
            {Face::Bold, 11.5 * factor, palette::ink()},
            18.5 * factor};
}

// Paints a section with the largest size factor (down to the floor) at which its last baseline
// stays at or above `bottom`; trial runs go into a scratch picture and leave no problems behind.
void paintFitted(Canvas& canvas, double bottom, const std::string& section,
                 const std::function<double(Canvas&, const HelpStyles&)>& paint)
{
    for (double factor = 1.0; factor >= kSmallestTextFactor - 1e-9; factor -= 0.025) {
        Canvas scratch(canvas.width(), canvas.height(), canvas.scale());
        size_t known = artworkProblems().size();
        double end = paint(scratch, helpStyles(factor));
        artworkProblems().resize(known);
        if (end <= bottom) {
            paint(canvas, helpStyles(factor));
            return;
        }
    }
    reportProblem("the " + section + " section does not fit above " + std::to_string(int(bottom)));
    paint(canvas, helpStyles(1.0));
}

// A key cap with its label; returns the x just right of it.
double drawKey(Canvas& canvas, const HelpStyles& styles, double x, double baseline, const std::string& label)
{
    cairo_t* cr = canvas.cr();
    double width = std::max(22.0, textAdvance(cr, styles.key, label) + 14);
    Box cap{x, baseline - 14.5, width, 20};
    fillRounded(cr, {cap.x, cap.y + 2, cap.w, cap.h}, 5, rgb(0xd2cbbd));
    fillRoundedGradient(cr, cap, 5, rgb(0xffffff), rgb(0xf1eee7));
    strokeRounded(cr, inset(cap, 0.5), 4.5, 1, rgb(0xc9c1b1));
    drawText(canvas, styles.key, x + width / 2, baseline, label, Align::Centre);
    return x + width;
}

// Coloured digit samples, so the three inks of the board are explained by example.
double drawInkSample(Canvas& canvas, const HelpStyles& styles, double x, double right, double baseline,
                     Colour colour, const std::string& meaning)
{
    drawText(canvas, {Face::Bold, 15, colour}, x, baseline, "7");
    double room = right - x - 14;
    double width = std::min(room, textAdvance(canvas.cr(), styles.small, meaning));
    drawText(canvas, styles.small, x + 14, baseline, meaning, Align::Left, {room, 2, 13});
    return x + 14 + width + 18;
}

double paintRules(Canvas& canvas, const HelpStyles& s, double x, double width)
{
    double right = x + width;
    double y = drawParagraph(canvas, s.body, x, 142, width, s.leading,
                             translate(text("help paragraph, lines of 318 px",
                                            "Fill the board so that every row, every column and every coloured "
                                            "zone holds each digit from 1 to 9 exactly once.")));
    // The three samples share one row: each has what its predecessors leave.
    double sampleX = drawInkSample(canvas, s, x, right - 150, y + 8, palette::ink(),
                                   translate(text("help: a given digit, printed in the puzzle, after a sample 7",
                                                  "given")));
    sampleX = drawInkSample(canvas, s, sampleX, right - 110, y + 8, palette::playerBlue(),
                            translate(text("help: a digit the player entered, after a sample 7", "yours")));
    drawInkSample(canvas, s, sampleX, right, y + 8, palette::conflictRed(),
                  translate(text("help: a digit in conflict, after a red sample 7", "clashes with another 7")));
    y = drawParagraph(canvas, s.body, x, y + 34, width, s.leading,
                      translate(text("help paragraph, lines of 318 px; pencil marks are small candidate digits; "
                                     "the number panel is the column of digits beside the board",
                                     "Pencil marks note the digits a cell might hold. A tick on the number panel "
                                     "means all nine of that digit are in place.")));
    return drawParagraph(canvas, s.body, x, y + 4, width, s.leading,
                         translate(text("help paragraph, lines of 318 px",
                                        "The three best times of each layout and difficulty are kept."))) -
           s.leading;
}

double paintLayouts(Canvas& canvas, const HelpStyles& s, double x)
{
    struct Entry {
        Text name;
        Text lines[2];
        int (*zoneOf)(int, int);
    };
    const Entry entries[3] = {
        {text("help: layout name under its picture, 104 px", "Classic"),
         {text("help: first line about the Classic layout, 104 px", "nine boxes"),
          text("help: second line about the Classic layout, 104 px", "of 3 \u00d7 3 cells")},
         classicZone},
        {text("help: layout name under its picture, 104 px", "Random"),
         {text("help: first line about the Random layout, 104 px", "nine irregular"),
          text("help: second line about the Random layout, 104 px", "joined zones")},
         bandedZone},
        {text("help: layout name under its picture, 104 px", "Chaos"),
         {text("help: first line about the Chaos layout, 104 px", "nine zones"),
          text("help: second line about the Chaos layout, 104 px", "scattered about")},
         scatteredZone},
    };
    const double room = 104;
    for (int i = 0; i < 3; i++) {
        double centre = x + 48 + i * 112;
        paintEmblem(canvas.cr(), centre - 42, 134, 84, entries[i].zoneOf);
        drawText(canvas, s.strong, centre, 244, translate(entries[i].name), Align::Centre, {room});
        drawText(canvas, s.small, centre, 263, translate(entries[i].lines[0]), Align::Centre, {room});
        drawText(canvas, s.small, centre, 279, translate(entries[i].lines[1]), Align::Centre, {room});
    }
    return 279;
}

// A key cap that names a letter or digit key keeps it in every language: an empty context
// keeps it out of the catalogues.
struct ControlRow {
    std::vector<Text> keys;
    Text text;
};

double paintControls(Canvas& canvas, const HelpStyles& s, double x, double keyColumn, double width,
                     const std::vector<ControlRow>& rows)
{
    double baseline = 382;
    for (const ControlRow& row : rows) {
        double keyX = x;
        for (Text key : row.keys) keyX = drawKey(canvas, s, keyX, baseline, translate(key)) + 4;
        double textX = std::max(keyX + 6, x + keyColumn);
        baseline = drawParagraph(canvas, s.body, textX, baseline, x + width - textX, s.leading, translate(row.text)) + 6;
    }
    return baseline - 6 - s.leading;
}

}  // namespace

void addHelpPage(Artwork& art)
{
    Canvas& canvas = art.add("dialog_help.png", kScreenWidth, kScreenHeight);
    paintPaper(canvas);
    paintCard(canvas.cr(), {24, 20, 752, 488}, 18);
    const TextStyle titleStyle{Face::Bold, 28, palette::ink()};
    const std::string title = translate(text("help page title, one line of up to 330 px", "How to play"));
    double titleWidth = std::min(330.0, textAdvance(canvas.cr(), titleStyle, title));
    drawText(canvas, titleStyle, 56, 72, title, Align::Left, {330});
    drawText(canvas, {Face::Regular, 14, palette::inkFaint()}, 744, 72,
             translate(text("help page subtitle right of the title, in what the title leaves of 688 px",
                            "nine rows, nine columns, nine zones")),
             Align::Right, {688 - titleWidth - 24});
    cairo_t* cr = canvas.cr();
    setColour(cr, palette::hairline());
    cairo_rectangle(cr, 56, 90, 688, 1);
    cairo_rectangle(cr, 56, 326, 688, 1);
    cairo_rectangle(cr, 397, 110, 1, 196);
    cairo_rectangle(cr, 397, 344, 1, 146);
    cairo_fill(cr);
    drawCaption(canvas, 56, 118, translate(text("help caption in capitals, 318 px", "THE RULES")), Align::Left, 318);
    drawCaption(canvas, 418, 118, translate(text("help caption in capitals, 326 px", "THREE LAYOUTS")), Align::Left,
                326);
    drawCaption(canvas, 56, 354, translate(text("help caption in capitals over the mouse controls, 318 px", "MOUSE")),
                Align::Left, 318);
    drawCaption(canvas, 418, 354, translate(text("help caption in capitals over the keys, 326 px", "KEYS")),
                Align::Left, 326);
    // The sections end above the divider at 326 and the card's edge at 508.
    paintFitted(canvas, 314, "rules", [](Canvas& c, const HelpStyles& s) { return paintRules(c, s, 56, 318); });
    paintLayouts(canvas, helpStyles(1.0), 418);
    const std::vector<ControlRow> mouse{
        {{text("help: key cap naming a mouse button", "Left click")},
         text("help: what the left click does, beside its key cap", "places the number, or takes it out")},
        {{text("help: key cap naming a mouse button", "Right click")},
         text("help: what the right click does; pencil marks are small candidate digits",
              "sets or clears a pencil mark")},
        {{text("help: key cap naming the column of digits beside the board", "Side panel")},
         text("help: what the side panel does; its top slot is the eraser", "chooses the number; top: eraser")},
    };
    const std::vector<ControlRow> keys{
        {{Text{"", "0"}, Text{"", "\u2013"}, Text{"", "9"}},
         text("help: what the digit keys do", "choose the number (0 erases)")},
        {{text("help: key cap, the Backspace key as keyboards label it", "Backspace")},
         text("help: what Backspace does", "chooses the eraser")},
        {{Text{"", "T"}},
         text("help: what T does; pencil mode makes the left click set pencil marks", "pencil mode: swaps the clicks")},
        {{text("help: key cap, the space bar as keyboards label it", "Space"), Text{"", "P"}},
         text("help: what Space and P do", "pause")},
        {{Text{"", "Z"}}, text("help: what Z does", "undo")},
    };
    paintFitted(canvas, 496, "mouse", [&](Canvas& c, const HelpStyles& s) { return paintControls(c, s, 56, 96, 318, mouse); });
    paintFitted(canvas, 496, "keys", [&](Canvas& c, const HelpStyles& s) { return paintControls(c, s, 418, 112, 326, keys); });
}
