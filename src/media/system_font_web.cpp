// system_font_web.cpp: the browser has no installed typefaces to draw with, nor GL display
// lists: a system font is never made there, and the game's own bitmap fonts do all the text.
#include "media/system_font.h"

uint32_t makeSystemFontLists(const char*, int32_t)
{
    return 0;
}

void callSystemFontLists(uint32_t, int32_t, int32_t, const char*) {}

void deleteSystemFontLists(uint32_t) {}
