// typeface.h: the DejaVu faces (and Noto CJK for Japanese and Chinese), and text set with them
// into pictures through Pango, fitted to the room each text has.
#pragma once

#include "canvas.h"

#include <string>
#include <vector>

enum class Face { Regular, Bold, Condensed };

// Opens every face from the font directories the build names: DejaVu for the bitmap fonts'
// glyphs and for Pango, whose private font set also holds the CJK faces. False when one is missing.
bool openTypefaces(const std::string& dejaVuDirectory, const std::string& cjkDirectory);
// Releases the faces, Pango's font map and cairo's caches, so a leak checker finds nothing left.
void closeTypefaces();

// The language text is shaped for: Pango's language tag ("ja", "zh-cn") and the face that
// covers what DejaVu lacks (empty: none). English and the European languages need none.
void setTextLanguage(const std::string& pangoLanguage, const std::string& fallbackFamily);

struct TextStyle {
    Face face = Face::Regular;
    double size = 14.0;
    Colour colour;
};

enum class Align { Left, Centre, Right };

// The room a text has: its width (0: no limit) and the lines it may take, `leading` apart.
// A text too wide is drawn smaller, down to kSmallestTextFactor of its size, then wrapped when it
// may take more lines; a text that still does not fit is recorded as a problem.
struct Room {
    double width = 0.0;
    int lines = 1;
    double leading = 0.0;
};
constexpr double kSmallestTextFactor = 0.75;

// Selects the DejaVu face and size into the context for cairo's own text calls (the bitmap
// fonts), with fixed rendering options (grey antialiasing, slight hinting) so the same text
// gives the same pixels on every run.
void useStyle(cairo_t* cr, const TextStyle& style);

// The width of one line of text as Pango lays it out.
double textAdvance(cairo_t* cr, const TextStyle& style, const std::string& text);

// Draws text with its (first) baseline at y, fitted to its room. Text whose ink leaves the
// canvas is recorded as a problem too: the generator then fails instead of shipping a clipped label.
void drawText(Canvas& canvas, const TextStyle& style, double x, double baseline,
              const std::string& text, Align align = Align::Left, Room room = {});

// The ink of a text relative to its pen position on the baseline, and its advance.
struct TextInk {
    double left = 0.0;
    double top = 0.0;
    double width = 0.0;
    double height = 0.0;
    double advance = 0.0;
};
TextInk measureText(cairo_t* cr, const TextStyle& style, const std::string& text);
// Draws text with Pango in the context's current source, its pen at (x, baseline), unchecked.
void showText(cairo_t* cr, const TextStyle& style, double x, double baseline, const std::string& text);

// The lines Pango breaks the text into at `width`.
std::vector<std::string> wrapText(cairo_t* cr, const TextStyle& style, double width, const std::string& text);
// Draws text wrapped to `width`, lines `leading` apart; returns the baseline after the last line.
double drawParagraph(Canvas& canvas, const TextStyle& style, double x, double baseline,
                     double width, double leading, const std::string& text);

// Records a problem, naming the language and picture being drawn.
void reportProblem(const std::string& problem);
// What problems name: the language ("" for English) and the picture being drawn.
void setProblemPlace(const std::string& language, const std::string& picture);
// The problems recorded so far (clipped text, missing faces), one line each.
std::vector<std::string>& artworkProblems();
