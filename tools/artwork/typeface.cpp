// typeface.cpp: FreeType faces as cairo font faces, and single lines and paragraphs of text.
#include "typeface.h"

#include <cairo-ft.h>
#include <ft2build.h>
#include FT_FREETYPE_H

#include <array>
#include <cmath>
#include <sstream>

namespace {

struct FaceFile {
    Face face;
    const char* file;
};

// In the order of Face.
constexpr std::array<FaceFile, 3> kFaceFiles{{
    {Face::Regular, "DejaVuSans.ttf"},
    {Face::Bold, "DejaVuSans-Bold.ttf"},
    {Face::Condensed, "DejaVuSansCondensed.ttf"},
}};

FT_Library library = nullptr;
std::array<cairo_font_face_t*, kFaceFiles.size()> cairoFaces{};
cairo_user_data_key_t faceKey;

void doneFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

}  // namespace

std::vector<std::string>& artworkProblems()
{
    static std::vector<std::string> problems;
    return problems;
}

bool openTypefaces(const std::string& directory)
{
    if (FT_Init_FreeType(&library) != 0) return false;
    for (size_t i = 0; i < kFaceFiles.size(); i++) {
        std::string path = directory + "/" + kFaceFiles[i].file;
        FT_Face face = nullptr;
        if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
            artworkProblems().push_back("cannot open font " + path);
            return false;
        }
        cairoFaces[i] = cairo_ft_font_face_create_for_ft_face(face, 0);
        // cairo may keep the face in its caches; it closes the FreeType face when it lets go.
        cairo_font_face_set_user_data(cairoFaces[i], &faceKey, face, doneFace);
    }
    return true;
}

void closeTypefaces()
{
    for (cairo_font_face_t*& face : cairoFaces) {
        if (face) cairo_font_face_destroy(face);
        face = nullptr;
    }
    cairo_debug_reset_static_data();
    if (library) FT_Done_FreeType(library);
    library = nullptr;
}

void useStyle(cairo_t* cr, const TextStyle& style)
{
    cairo_set_font_face(cr, cairoFaces[static_cast<size_t>(style.face)]);
    cairo_set_font_size(cr, style.size);
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    cairo_set_font_options(cr, options);
    cairo_font_options_destroy(options);
    setColour(cr, style.colour);
}

double textAdvance(cairo_t* cr, const TextStyle& style, const std::string& text)
{
    useStyle(cr, style);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    return extents.x_advance;
}

void drawText(Canvas& canvas, const TextStyle& style, double x, double baseline,
              const std::string& text, Align align)
{
    cairo_t* cr = canvas.cr();
    useStyle(cr, style);
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text.c_str(), &extents);
    if (align == Align::Centre) x -= extents.x_advance / 2;
    if (align == Align::Right) x -= extents.x_advance;
    x = std::round(x);
    double left = x + extents.x_bearing;
    double top = baseline + extents.y_bearing;
    if (left < 0 || top < 0 || left + extents.width > canvas.width() ||
        top + extents.height > canvas.height()) {
        std::ostringstream problem;
        problem << "text \"" << text << "\" leaves its " << canvas.width() << "x" << canvas.height()
                << " picture";
        artworkProblems().push_back(problem.str());
    }
    cairo_move_to(cr, x, baseline);
    cairo_show_text(cr, text.c_str());
}

void requireFit(cairo_t* cr, const TextStyle& style, const std::string& text, double room)
{
    if (textAdvance(cr, style, text) > room)
        artworkProblems().push_back("text \"" + text + "\" is wider than its " + std::to_string(int(room)) + " pixels");
}

double drawParagraph(Canvas& canvas, const TextStyle& style, double x, double baseline,
                     double width, double leading, const std::string& text)
{
    std::istringstream words(text);
    std::string word;
    std::string line;
    auto flush = [&] {
        if (line.empty()) return;
        drawText(canvas, style, x, baseline, line);
        baseline += leading;
        line.clear();
    };
    while (words >> word) {
        std::string candidate = line.empty() ? word : line + " " + word;
        if (!line.empty() && textAdvance(canvas.cr(), style, candidate) > width) {
            flush();
            candidate = word;
        }
        line = candidate;
    }
    flush();
    return baseline;
}
