// artwork.h: every file the generator makes, kept in memory until it is written out.
#pragma once

#include "canvas.h"

#include <string>
#include <vector>

struct NamedPicture {
    std::string name;
    Canvas canvas;
};

// A bitmap font as the game reads it: one row of glyphs plus the metrics of the ".fnt" header.
// The metrics here are logical pixels; the sheet may hold 2 or 3 pixels per logical pixel, and
// its file then carries every metric times that scale.
struct FontSheet {
    std::string name;
    int spacing = 0;
    int spaceWidth = 0;
    int fixedWidth = 0;
    int digitWidth = 0;
    int glyphRight[128] = {};
    signed char glyphOf[128] = {};
    Canvas sheet{1, 1};  // straight colour in the file, premultiplied here
    std::vector<uint8_t> sheetArgb;  // the file's pixel block: alpha, red, green, blue per pixel
    int scale() const { return sheet.scale(); }
};

struct OutputFile {
    std::string name;
    std::vector<uint8_t> bytes;
};

// One set of the art. Every set is drawn from the same code in logical pixels; a set of scale 2
// or 3 holds its pictures and fonts with that many pixels per logical pixel.
struct Artwork {
    int scale = 1;
    std::string language;  // "" for English
    std::vector<NamedPicture> pictures;
    std::vector<FontSheet> fonts;
    std::vector<OutputFile> files;  // everything else, the same at every scale: sounds, Windows icon

    Canvas& add(const std::string& name, int width, int height);
    const Canvas* find(const std::string& name) const;
    const FontSheet* font(const std::string& name) const;
};

void addButtons(Artwork& art);
void addBoardPieces(Artwork& art);
void addScreens(Artwork& art);
void addDialogs(Artwork& art);
void addHelpPage(Artwork& art);
void addFonts(Artwork& art);
void addSounds(Artwork& art);
void addIcon(Artwork& art);
// The board's nine table labels in the catalogue's language: the label font with the letters
// they need beyond ASCII, and "board_labels.txt" with the labels in that font's codes.
void addBoardLabels(Artwork& art);

// The character codes a text font keeps free for letters beyond ASCII: 1 to 31 but the newline.
std::vector<int> letterCodes();
// Replaces the text font with one that also holds `letters` (one UTF-8 character each), at the
// codes letterCodes() lists, in order.
void addLabelFont(Artwork& art, const std::vector<std::string>& letters);

// The icon drawn for one size (each size is drawn afresh, not scaled).
Canvas iconPicture(int size);
// The icon's nine squares inside its dark tile, spaced for an icon of that size.
void paintIconSquares(Canvas& canvas, Box tile, double size);
// The installed browser game's icons (app_icons.cpp): they go beside the page, not into the
// game's art.
std::vector<OutputFile> appIcons();

// The ".fnt" bytes of a sheet: the big-endian header, then the pixel block.
std::vector<uint8_t> encodeFont(const FontSheet& font);

// Draws text with a bitmap font the way the game does (advance, centring and spacing rules),
// with the first line's top-left corner at (x, y); and measures it the same way.
void drawFontText(cairo_t* cr, const FontSheet& font, int x, int y, const std::string& text);
int fontTextWidth(const FontSheet& font, const std::string& text);
int fontLineHeight(const FontSheet& font);

// A contact sheet of every picture, and screens put together from the pictures at their places.
bool writePreview(const Artwork& art, const std::string& path);
bool writeMockScreens(const Artwork& art, const std::string& directory);

// Zone layouts used to illustrate the help page and the mock screens.
int classicZone(int x, int y);
int bandedZone(int x, int y);
int scatteredZone(int x, int y);
