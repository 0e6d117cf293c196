// typeface.cpp: FreeType faces for cairo's own text calls, and Pango for every text in a picture.
#include "typeface.h"

#include <cairo-ft.h>
#include <fontconfig/fontconfig.h>
#include <ft2build.h>
#include <pango/pangocairo.h>
#include <pango/pangofc-fontmap.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <array>
#include <cctype>
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
constexpr std::array<const char*, 2> kCjkFiles{"NotoSansCJK-Regular.ttc", "NotoSansCJK-Bold.ttc"};

FT_Library library = nullptr;
std::array<cairo_font_face_t*, kFaceFiles.size()> cairoFaces{};
cairo_user_data_key_t faceKey;

// Pango sees only the faces named above, through a font set of its own: the pictures do not
// change with the fonts a machine happens to have.
FcConfig* fontSet = nullptr;
PangoFontMap* fontMap = nullptr;
PangoContext* pangoContext = nullptr;
std::string fallbackFamily;

std::string problemLanguage;
std::string problemPicture;

void doneFace(void* face) { FT_Done_Face(static_cast<FT_Face>(face)); }

bool addFontFile(const std::string& path)
{
    if (FcConfigAppFontAddFile(fontSet, reinterpret_cast<const FcChar8*>(path.c_str()))) return true;
    artworkProblems().push_back("cannot open font " + path);
    return false;
}

bool openPango(const std::string& dejaVuDirectory, const std::string& cjkDirectory)
{
    fontSet = FcConfigCreate();
    bool ok = fontSet != nullptr;
    for (const FaceFile& file : kFaceFiles) ok = ok && addFontFile(dejaVuDirectory + "/" + file.file);
    for (const char* file : kCjkFiles) ok = ok && addFontFile(cjkDirectory + "/" + file);
    if (!ok) return false;
    fontMap = pango_cairo_font_map_new_for_font_type(CAIRO_FONT_TYPE_FT);
    pango_fc_font_map_set_config(PANGO_FC_FONT_MAP(fontMap), fontSet);
    pangoContext = pango_font_map_create_context(fontMap);
    // The same options the bitmap fonts use, and glyphs placed where their advances put them
    // (not rounded to whole pixels), as cairo's own text calls place them.
    cairo_font_options_t* options = cairo_font_options_create();
    cairo_font_options_set_antialias(options, CAIRO_ANTIALIAS_GRAY);
    cairo_font_options_set_hint_style(options, CAIRO_HINT_STYLE_SLIGHT);
    cairo_font_options_set_hint_metrics(options, CAIRO_HINT_METRICS_OFF);
    pango_cairo_context_set_font_options(pangoContext, options);
    cairo_font_options_destroy(options);
    pango_context_set_round_glyph_positions(pangoContext, FALSE);
    setTextLanguage("en", "");
    return true;
}

// A layout of one paragraph in the style; the caller unrefs it.
PangoLayout* layoutFor(cairo_t* cr, const TextStyle& style, const std::string& text)
{
    pango_cairo_update_context(cr, pangoContext);
    PangoLayout* layout = pango_layout_new(pangoContext);
    PangoFontDescription* font = pango_font_description_new();
    std::string families = "DejaVu Sans";
    if (!fallbackFamily.empty()) families += "," + fallbackFamily;
    pango_font_description_set_family(font, families.c_str());
    pango_font_description_set_weight(font, style.face == Face::Bold ? PANGO_WEIGHT_BOLD : PANGO_WEIGHT_NORMAL);
    pango_font_description_set_stretch(font, style.face == Face::Condensed ? PANGO_STRETCH_CONDENSED
                                                                           : PANGO_STRETCH_NORMAL);
    pango_font_description_set_absolute_size(font, style.size * PANGO_SCALE);
    pango_layout_set_font_description(layout, font);
    pango_font_description_free(font);
    // No kerning and no ligatures: the labels keep the letter spacing they always had.
    PangoAttrList* attributes = pango_attr_list_new();
    pango_attr_list_insert(attributes, pango_attr_font_features_new("kern 0, liga 0, clig 0"));
    pango_layout_set_attributes(layout, attributes);
    pango_attr_list_unref(attributes);
    pango_layout_set_text(layout, text.c_str(), -1);
    return layout;
}

double toPixels(int pangoUnits) { return pangoUnits / double(PANGO_SCALE); }

// Draws one laid-out line with its baseline at y; records ink that leaves the canvas.
void showLine(Canvas& canvas, PangoLayout* layout, double x, double baseline, Align align,
              const std::string& text)
{
    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_extents(layout, &ink, &logical);
    double advance = toPixels(logical.width);
    if (align == Align::Centre) x -= advance / 2;
    if (align == Align::Right) x -= advance;
    x = std::round(x);
    double top = baseline - toPixels(pango_layout_get_baseline(layout));
    double inkLeft = x + toPixels(ink.x);
    double inkTop = top + toPixels(ink.y);
    if (ink.width > 0 && (inkLeft < 0 || inkTop < 0 || inkLeft + toPixels(ink.width) > canvas.width() ||
                          inkTop + toPixels(ink.height) > canvas.height())) {
        std::ostringstream problem;
        problem << "text \"" << text << "\" leaves its " << canvas.width() << "x" << canvas.height() << " picture";
        reportProblem(problem.str());
    }
    cairo_t* cr = canvas.cr();
    cairo_move_to(cr, x, top);
    pango_cairo_show_layout(cr, layout);
}

void drawLine(Canvas& canvas, const TextStyle& style, double x, double baseline, const std::string& text,
              Align align)
{
    cairo_t* cr = canvas.cr();
    setColour(cr, style.colour);
    PangoLayout* layout = layoutFor(cr, style, text);
    showLine(canvas, layout, x, baseline, align, text);
    g_object_unref(layout);
}

bool hasLetters(const std::string& text)
{
    return std::any_of(text.begin(), text.end(), [](unsigned char c) { return c >= 0x80 || std::isalpha(c); });
}

}  // namespace

std::vector<std::string>& artworkProblems()
{
    static std::vector<std::string> problems;
    return problems;
}

void setProblemPlace(const std::string& language, const std::string& picture)
{
    problemLanguage = language;
    problemPicture = picture;
}

void reportProblem(const std::string& problem)
{
    std::string place = problemLanguage.empty() ? "English" : problemLanguage;
    if (!problemPicture.empty()) place += ", " + problemPicture;
    artworkProblems().push_back(place + ": " + problem);
}

bool openTypefaces(const std::string& dejaVuDirectory, const std::string& cjkDirectory)
{
    if (FT_Init_FreeType(&library) != 0) return false;
    for (size_t i = 0; i < kFaceFiles.size(); i++) {
        std::string path = dejaVuDirectory + "/" + kFaceFiles[i].file;
        FT_Face face = nullptr;
        if (FT_New_Face(library, path.c_str(), 0, &face) != 0) {
            artworkProblems().push_back("cannot open font " + path);
            return false;
        }
        cairoFaces[i] = cairo_ft_font_face_create_for_ft_face(face, 0);
        // cairo may keep the face in its caches; it closes the FreeType face when it lets go.
        cairo_font_face_set_user_data(cairoFaces[i], &faceKey, face, doneFace);
    }
    return openPango(dejaVuDirectory, cjkDirectory);
}

void closeTypefaces()
{
    if (pangoContext) g_object_unref(pangoContext);
    if (fontMap) g_object_unref(fontMap);
    if (fontSet) FcConfigDestroy(fontSet);
    pangoContext = nullptr;
    fontMap = nullptr;
    fontSet = nullptr;
    for (cairo_font_face_t*& face : cairoFaces) {
        if (face) cairo_font_face_destroy(face);
        face = nullptr;
    }
    cairo_debug_reset_static_data();
    if (library) FT_Done_FreeType(library);
    library = nullptr;
}

void setTextLanguage(const std::string& pangoLanguage, const std::string& family)
{
    fallbackFamily = family;
    if (pangoContext) pango_context_set_language(pangoContext, pango_language_from_string(pangoLanguage.c_str()));
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
    PangoLayout* layout = layoutFor(cr, style, text);
    PangoRectangle logical;
    pango_layout_get_extents(layout, nullptr, &logical);
    g_object_unref(layout);
    return toPixels(logical.width);
}

TextInk measureText(cairo_t* cr, const TextStyle& style, const std::string& text)
{
    PangoLayout* layout = layoutFor(cr, style, text);
    PangoRectangle ink;
    PangoRectangle logical;
    pango_layout_get_extents(layout, &ink, &logical);
    double baseline = toPixels(pango_layout_get_baseline(layout));
    g_object_unref(layout);
    return {toPixels(ink.x), toPixels(ink.y) - baseline, toPixels(ink.width), toPixels(ink.height),
            toPixels(logical.width)};
}

void showText(cairo_t* cr, const TextStyle& style, double x, double baseline, const std::string& text)
{
    PangoLayout* layout = layoutFor(cr, style, text);
    cairo_move_to(cr, x, baseline - toPixels(pango_layout_get_baseline(layout)));
    pango_cairo_show_layout(cr, layout);
    g_object_unref(layout);
}

std::vector<std::string> wrapText(cairo_t* cr, const TextStyle& style, double width, const std::string& text)
{
    PangoLayout* layout = layoutFor(cr, style, text);
    pango_layout_set_width(layout, static_cast<int>(std::floor(width * PANGO_SCALE)));
    pango_layout_set_wrap(layout, PANGO_WRAP_WORD_CHAR);
    std::vector<std::string> lines;
    for (GSList* line = pango_layout_get_lines_readonly(layout); line; line = line->next) {
        const auto* laid = static_cast<const PangoLayoutLine*>(line->data);
        std::string part = text.substr(size_t(laid->start_index), size_t(laid->length));
        while (!part.empty() && part.back() == ' ') part.pop_back();
        if (!part.empty()) lines.push_back(part);
    }
    g_object_unref(layout);
    return lines;
}

void drawText(Canvas& canvas, const TextStyle& style, double x, double baseline, const std::string& text,
              Align align, Room room)
{
    if (hasLetters(text)) canvas.markWords();
    cairo_t* cr = canvas.cr();
    auto sized = [&](double factor) { return TextStyle{style.face, style.size * factor, style.colour}; };
    constexpr double kStep = 0.025;
    for (double factor = 1.0; room.width > 0 && factor >= kSmallestTextFactor - 1e-9; factor -= kStep) {
        if (textAdvance(cr, sized(factor), text) <= room.width) {
            drawLine(canvas, sized(factor), x, baseline, text, align);
            return;
        }
    }
    for (double factor = 1.0; room.width > 0 && room.lines > 1 && factor >= kSmallestTextFactor - 1e-9;
         factor -= kStep) {
        std::vector<std::string> lines = wrapText(cr, sized(factor), room.width, text);
        bool fits = int(lines.size()) <= room.lines;
        for (const std::string& line : lines) fits = fits && textAdvance(cr, sized(factor), line) <= room.width;
        if (!fits) continue;
        // The lines share the room the one line had, centred on its baseline.
        double leading = room.leading * factor;
        double first = baseline - leading * (double(lines.size()) - 1) / 2;
        for (size_t i = 0; i < lines.size(); i++) drawLine(canvas, sized(factor), x, first + leading * i, lines[i], align);
        return;
    }
    if (room.width > 0) {
        reportProblem("text \"" + text + "\" does not fit its " + std::to_string(int(room.width)) + " pixels" +
                      (room.lines > 1 ? " in " + std::to_string(room.lines) + " lines" : ""));
    }
    drawLine(canvas, style, x, baseline, text, align);
}

double drawParagraph(Canvas& canvas, const TextStyle& style, double x, double baseline,
                     double width, double leading, const std::string& text)
{
    if (hasLetters(text)) canvas.markWords();
    for (const std::string& line : wrapText(canvas.cr(), style, width, text)) {
        drawLine(canvas, style, x, baseline, line, Align::Left);
        baseline += leading;
    }
    return baseline;
}
