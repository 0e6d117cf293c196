// typeface.h: the DejaVu faces loaded through FreeType, and text set with them into pictures.
#pragma once

#include "canvas.h"

#include <string>
#include <vector>

enum class Face { Regular, Bold, Condensed };

// Opens every face from the font directory the build names. False when one is missing.
bool openTypefaces(const std::string& directory);
// Releases the faces and cairo's caches, so a leak checker finds nothing left.
void closeTypefaces();

struct TextStyle {
    Face face = Face::Regular;
    double size = 14.0;
    Colour colour;
};

enum class Align { Left, Centre, Right };

// Selects the face and size into the context, with fixed rendering options (grey antialiasing,
// slight hinting) so the same text gives the same pixels on every run.
void useStyle(cairo_t* cr, const TextStyle& style);

double textAdvance(cairo_t* cr, const TextStyle& style, const std::string& text);

// Draws one line with its baseline at y. Text whose ink leaves the canvas is recorded as a
// problem: the generator then fails instead of shipping a clipped label.
void drawText(Canvas& canvas, const TextStyle& style, double x, double baseline,
              const std::string& text, Align align = Align::Left);

// Records a problem when the text is wider than the room it is given (a label in its button).
void requireFit(cairo_t* cr, const TextStyle& style, const std::string& text, double room);

// Draws text wrapped to `width`, lines `leading` apart; returns the baseline after the last line.
double drawParagraph(Canvas& canvas, const TextStyle& style, double x, double baseline,
                     double width, double leading, const std::string& text);

// The problems recorded so far (clipped text, missing faces), one line each.
std::vector<std::string>& artworkProblems();
