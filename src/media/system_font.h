// system_font.h: an installed typeface, found and rendered by the system (fontconfig and
// FreeType, or GDI on Windows), turned into GL display lists of bitmaps, one per byte value.
// The browser has neither installed typefaces nor display lists: there the game's own bitmap
// fonts are the only ones, and a system font is never made.
#pragma once

#include <cstdint>

// Compiles the bold glyphs of byte values 0-254 (read as Latin-1) of the face that best
// matches the name into the display lists listBase + 0 to listBase + 254, each drawing its
// glyph at the raster position and moving it by the glyph's advance. pixelHeight is the
// character height. Lists whose glyph cannot be rendered stay empty.
void compileSystemFontLists(const char* face, int32_t pixelHeight, uint32_t listBase);

// Point size to character height in pixels on a 96-dot-per-inch screen, rounded.
int32_t pointsToPixels(int32_t pointSize);

// Display lists for the byte values of a face at that character height, made with
// compileSystemFontLists; their base, or 0 when they cannot be made.
uint32_t makeSystemFontLists(const char* face, int32_t pixelHeight);
// Draws the text's bytes with the lists, the first glyph's origin at (x, y), y upwards.
void callSystemFontLists(uint32_t listBase, int32_t x, int32_t y, const char* text);
void deleteSystemFontLists(uint32_t listBase);
