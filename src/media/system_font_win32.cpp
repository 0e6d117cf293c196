// system_font_win32.cpp: the system font on Windows: GDI makes the bold face and WGL turns its
// glyphs into GL display lists of bitmaps.
#include "media/system_font.h"

#include <windows.h>

#include <GL/gl.h>

void compileSystemFontLists(const char* name, int32_t pixelHeight, uint32_t listBase)
{
    // Every list exists, empty, even when the face cannot be made; a made face replaces them.
    for (unsigned int byte = 0; byte < 255; ++byte) {
        glNewList(listBase + byte, GL_COMPILE);
        glEndList();
    }
    HDC context = wglGetCurrentDC();
    // A negative height asks for the character height rather than the cell height. Windows-1252
    // holds Latin-1's printable characters at their Latin-1 byte values.
    HFONT font = context ? CreateFontA(-pixelHeight, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                       OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                                       DEFAULT_PITCH | FF_DONTCARE, name)
                         : nullptr;
    if (!font) {
        return;
    }
    HGDIOBJ previous = SelectObject(context, font);
    wglUseFontBitmapsA(context, 0, 255, listBase);
    SelectObject(context, previous);
    DeleteObject(font);
}
