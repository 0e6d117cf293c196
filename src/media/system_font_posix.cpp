// system_font_posix.cpp: the system font on Linux and macOS: fontconfig finds the face,
// FreeType renders bold monochrome glyphs, GL keeps them as bitmaps in display lists.
#include "media/system_font.h"

#include <GL/gl.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SYNTHESIS_H

#include <string>
#include <vector>

namespace {

// The file and face index of the installed face closest to the name, asked for in bold.
// A configuration of its own, freed afterwards: the library's shared one would stay
// allocated for the rest of the run although a system font is made once, if ever.
bool findFace(const char* name, int32_t pixelHeight, std::string& file, int& index)
{
    FcConfig* config = FcInitLoadConfigAndFonts();
    FcPattern* pattern = config ? FcPatternCreate() : nullptr;
    if (!pattern) {
        if (config) {
            FcConfigDestroy(config);
        }
        return false;
    }
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name));
    FcPatternAddInteger(pattern, FC_WEIGHT, FC_WEIGHT_BOLD);
    FcPatternAddDouble(pattern, FC_PIXEL_SIZE, double(pixelHeight));
    FcConfigSubstitute(config, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(config, pattern, &result);
    FcPatternDestroy(pattern);
    FcChar8* path = nullptr;
    bool found = match && FcPatternGetString(match, FC_FILE, 0, &path) == FcResultMatch;
    if (found) {
        file = reinterpret_cast<const char*>(path);
        if (FcPatternGetInteger(match, FC_INDEX, 0, &index) != FcResultMatch) {
            index = 0;
        }
    }
    if (match) {
        FcPatternDestroy(match);
    }
    FcConfigDestroy(config);
    return found;
}

// FreeType rows run downwards with a pitch; glBitmap wants them upwards, tightly packed.
std::vector<GLubyte> bottomUpRows(const FT_Bitmap& bitmap)
{
    size_t rowBytes = (bitmap.width + 7) / 8;
    std::vector<GLubyte> rows(rowBytes * bitmap.rows);
    for (unsigned int row = 0; row < bitmap.rows; ++row) {
        const unsigned char* from = bitmap.buffer + ptrdiff_t(row) * bitmap.pitch;
        std::copy(from, from + rowBytes, rows.data() + (bitmap.rows - 1 - row) * rowBytes);
    }
    return rows;
}

// The list body for one byte: its glyph bitmap placed from the raster position, then the
// raster position moved by the advance. Nothing when the glyph cannot be rendered.
void compileGlyph(FT_Face face, unsigned int byte)
{
    FT_UInt glyph = FT_Get_Char_Index(face, byte);
    if (FT_Load_Glyph(face, glyph, FT_LOAD_TARGET_MONO) != 0) {
        return;
    }
    if (!(face->style_flags & FT_STYLE_FLAG_BOLD)) {
        FT_GlyphSlot_Embolden(face->glyph);
    }
    if (FT_Render_Glyph(face->glyph, FT_RENDER_MODE_MONO) != 0) {
        return;
    }
    const FT_Bitmap& bitmap = face->glyph->bitmap;
    if (bitmap.pixel_mode != FT_PIXEL_MODE_MONO && bitmap.rows != 0) {
        return;
    }
    std::vector<GLubyte> rows = bottomUpRows(bitmap);
    glBitmap(GLsizei(bitmap.width), GLsizei(bitmap.rows), GLfloat(-face->glyph->bitmap_left),
             GLfloat(int(bitmap.rows) - face->glyph->bitmap_top),
             GLfloat(face->glyph->advance.x) / 64.0f, GLfloat(face->glyph->advance.y) / 64.0f,
             rows.empty() ? nullptr : rows.data());
}

} // namespace

void compileSystemFontLists(const char* name, int32_t pixelHeight, uint32_t listBase)
{
    std::string file;
    int index = 0;
    FT_Library library = nullptr;
    FT_Face face = nullptr;
    bool ready = findFace(name, pixelHeight, file, index) && FT_Init_FreeType(&library) == 0 &&
                 FT_New_Face(library, file.c_str(), index, &face) == 0 &&
                 FT_Set_Pixel_Sizes(face, 0, FT_UInt(pixelHeight)) == 0;
    // The unpacking state is applied while compiling, so the lists keep tight rows.
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, 0);
    glPixelStorei(GL_UNPACK_LSB_FIRST, GL_FALSE);
    for (unsigned int byte = 0; byte < 255; ++byte) {
        glNewList(listBase + byte, GL_COMPILE);
        if (ready) {
            compileGlyph(face, byte);
        }
        glEndList();
    }
    glPopClientAttrib();
    if (face) {
        FT_Done_Face(face);
    }
    if (library) {
        FT_Done_FreeType(library);
    }
}
