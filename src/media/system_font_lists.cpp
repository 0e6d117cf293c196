// system_font_lists.cpp: the display lists a system font is drawn with, on the desktop.
#include "media/system_font.h"

#include "platform/gl.h"

#include <cstring>

uint32_t makeSystemFontLists(const char* face, int32_t pixelHeight)
{
    const GLuint listBase = glGenLists(256);
    if (listBase != 0) {
        compileSystemFontLists(face, pixelHeight, listBase);
    }
    return listBase;
}

void callSystemFontLists(uint32_t listBase, int32_t x, int32_t y, const char* text)
{
    glRasterPos2i(x, y);
    glListBase(listBase);
    glCallLists(GLsizei(std::strlen(text)), GL_UNSIGNED_BYTE, text);
}

void deleteSystemFontLists(uint32_t listBase)
{
    glDeleteLists(listBase, 256);
}
