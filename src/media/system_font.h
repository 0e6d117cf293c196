// system_font.h: an installed typeface, found and rendered by the system (fontconfig and
// FreeType, or GDI on Windows), turned into GL display lists of bitmaps, one per byte value.
#pragma once

#include <cstdint>

// Compiles the bold glyphs of byte values 0-254 (read as Latin-1) of the face that best
// matches the name into the display lists listBase + 0 to listBase + 254, each drawing its
// glyph at the raster position and moving it by the glyph's advance. pixelHeight is the
// character height. Lists whose glyph cannot be rendered stay empty.
void compileSystemFontLists(const char* face, int32_t pixelHeight, uint32_t listBase);

// Point size to character height in pixels on a 96-dot-per-inch screen, rounded.
int32_t pointsToPixels(int32_t pointSize);
