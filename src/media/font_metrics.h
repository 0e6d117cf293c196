// font_metrics.h: the ".fnt" bitmap-font file and the advance rules of its glyphs.
//
// A ".fnt" file is a 676-byte header of big-endian signed 32-bit words followed by the glyph
// sheet: one row of glyphs side by side, sheetWidth x sheetHeight pixels of alpha, red,
// green, blue, top row first. Glyph g spans the sheet columns glyphRight[g - 1] (0 for the
// first glyph) up to glyphRight[g], exclusive, over the full sheet height; glyphOf maps each
// character code 0-127 to its glyph, negative for none. Codes 128-255 never have a glyph.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The header after byte-order conversion, then the sheet's pixels (kept for the font's life).
struct FontMetrics {
    int32_t reserved0 = 0;
    int32_t version = 0;
    int32_t reserved8 = 0;
    int32_t sheetWidth = 0;
    int32_t sheetHeight = 0;
    int32_t spacing = 0;     // added after every drawn character and between lines
    int32_t spaceWidth = 0;  // advance of a space; 0 skips spaces altogether
    int32_t fixedWidth = 0;  // above 0: every glyph advances by this and sits centred in it
    int32_t digitWidth = 0;  // above 0 (without fixedWidth): the same for the digits 0-9
    int32_t glyphRight[128] = {};
    int8_t glyphOf[128] = {};
    std::vector<uint8_t> pixels;
};

constexpr size_t kFntHeaderBytes = 676;

// Reads a whole ".fnt" file image: false (metrics left at their defaults) when it is shorter
// than the header, its version is not 2, its sheet has a negative side, a character's glyph
// does not span columns of the sheet (from its start up to at most sheetWidth), or it is too
// short for the sheet's pixels. Extra bytes at the end are ignored.
bool parseFnt(const uint8_t* bytes, size_t size, FontMetrics& metrics);
// The same for a file; a missing or unreadable one is refused like an empty one.
bool readFntFile(const char* fileName, FontMetrics& metrics);

// How one character is placed by a bitmap font.
struct GlyphPlacement {
    enum Kind { Skipped, Space, Glyph } kind = Skipped;
    int32_t sheetX = 0;   // the glyph's first sheet column
    int32_t width = 0;    // the glyph's width in the sheet
    int32_t shift = 0;    // how far right of the pen the glyph is drawn (centring)
    int32_t advance = 0;  // pen movement before spacing
};

// The advance rules used by drawing and textWidth: a space is handled before the glyph
// table (skipped entirely with spaceWidth 0), characters without a glyph and codes 128-255
// are skipped with no advance, a fixed width beats the digit width, which beats the glyph's.
GlyphPlacement placeGlyph(const FontMetrics& metrics, unsigned char ch);

// The text box's cursor rule: fixed or digit width only for glyph indices above 0, then the
// glyph's own width, then the space width for a space without a glyph, else 0.
int32_t fontCharWidth(const FontMetrics& metrics, unsigned char ch);

// Width of the widest line (trailing spacing included) and height of all lines. A null
// text is one empty line. Sums that would leave the 32-bit range are held at its ends.
int32_t fontTextWidth(const FontMetrics& metrics, const char* text);
int32_t fontLineHeight(const FontMetrics& metrics);
int32_t linesHeight(int32_t lineHeight, const char* text);

// Saturates a 64-bit sum into the 32-bit range: damaged metrics must not overflow.
int32_t clampedToInt32(int64_t value);
