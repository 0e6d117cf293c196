// bitmap_fonts.cpp: the six ".fnt" fonts: glyphs 32-126 rendered side by side into one ARGB sheet.
#include "artwork.h"
#include "palette.h"
#include "typeface.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kFirstCode = 32;
constexpr int kLastCode = 126;
constexpr int kGlyphCount = kLastCode - kFirstCode + 1;

struct FontLook {
    const char* name;
    Face face;
    double size;
    Colour colour;
    int spacing;
    bool boardDigits;   // digits share one box and sit centred in the sheet, for centring in cells
    bool conflictMark;  // a short bar under each digit, so conflicts show without colour as well
};

struct GlyphPlan {
    int width = 0;
    double originX = 0.0;  // pen position inside the glyph box
};

cairo_text_extents_t extentsOf(cairo_t* cr, char code)
{
    char text[2] = {code, 0};
    cairo_text_extents_t extents;
    cairo_text_extents(cr, text, &extents);
    return extents;
}

bool isDigit(int code) { return code >= '0' && code <= '9'; }

// Horizontal plan: every glyph box holds its whole ink and at least its advance.
std::vector<GlyphPlan> planGlyphs(cairo_t* cr, const FontLook& look, int& digitBox)
{
    std::vector<GlyphPlan> plans(kGlyphCount);
    double widestDigit = 0;
    for (int code = '0'; code <= '9'; code++) widestDigit = std::max(widestDigit, extentsOf(cr, char(code)).width);
    digitBox = static_cast<int>(std::ceil(widestDigit)) + 4;
    for (int code = kFirstCode; code <= kLastCode; code++) {
        cairo_text_extents_t e = extentsOf(cr, char(code));
        GlyphPlan& plan = plans[code - kFirstCode];
        if (look.boardDigits && isDigit(code)) {
            plan.width = digitBox;
            plan.originX = (digitBox - e.width) / 2 - e.x_bearing;
            continue;
        }
        double left = std::min(0.0, std::floor(e.x_bearing));
        double right = std::max(std::ceil(e.x_bearing + e.width), std::round(e.x_advance));
        plan.width = std::max(1, static_cast<int>(right - left));
        plan.originX = -left;
    }
    if (!look.boardDigits) {
        digitBox = 0;
        for (int code = '0'; code <= '9'; code++) digitBox = std::max(digitBox, plans[code - kFirstCode].width);
    }
    return plans;
}

struct VerticalPlan {
    int height = 0;
    double baseline = 0.0;
};

// Vertical plan: board fonts centre the digits in the sheet (the game centres the sheet in a
// cell); the text font puts its baseline just below the tallest ink.
VerticalPlan planHeight(cairo_t* cr, const FontLook& look)
{
    double top = 0;
    double bottom = 0;
    for (int code = kFirstCode; code <= kLastCode; code++) {
        cairo_text_extents_t e = extentsOf(cr, char(code));
        if (e.width == 0) continue;
        top = std::min(top, e.y_bearing);
        bottom = std::max(bottom, e.y_bearing + e.height);
    }
    if (!look.boardDigits) {
        // A pixel of air above and below: hinting may move ink past the measured extents.
        double baseline = std::ceil(-top) + 1;
        return {static_cast<int>(baseline + std::ceil(bottom) + 1), baseline};
    }
    cairo_text_extents_t digit = extentsOf(cr, '8');
    double middle = digit.y_bearing + digit.height / 2;  // above the baseline, so negative
    if (look.conflictMark) bottom = std::max(bottom, look.size * 0.26);
    double half = std::ceil(std::max(middle - top, bottom - middle)) + 1;
    return {static_cast<int>(2 * half), std::round(half - middle)};
}

// The sheet in both forms: premultiplied for drawing here, straight ARGB bytes for the file
// (every pixel the ink colour, the coverage in its alpha).
void storeSheet(FontSheet& font, cairo_surface_t* coverage, Colour colour, int scale)
{
    int width = cairo_image_surface_get_width(coverage);
    int height = cairo_image_surface_get_height(coverage);
    font.sheet = Canvas(width / scale, height / scale, scale);
    setColour(font.sheet.cr(), colour);
    cairo_mask_surface(font.sheet.cr(), coverage, 0, 0);
    const unsigned char* alpha = cairo_image_surface_get_data(coverage);
    int stride = cairo_image_surface_get_stride(coverage);
    auto channel = [](double value) { return static_cast<uint8_t>(std::lround(value * 255)); };
    font.sheetArgb.reserve(size_t(width) * height * 4);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            font.sheetArgb.push_back(alpha[y * stride + x]);
            font.sheetArgb.push_back(channel(colour.r));
            font.sheetArgb.push_back(channel(colour.g));
            font.sheetArgb.push_back(channel(colour.b));
        }
}

// The glyph boxes and metrics are planned once in logical pixels, so every scale of a font has
// exactly the same layout; only the sheet is drawn with more pixels.
FontSheet renderFont(const FontLook& look, int scale, const std::vector<std::string>& letters = {})
{
    FontSheet font;
    font.name = look.name;
    font.spacing = look.spacing;
    Canvas scratch(4, 4);
    cairo_t* measure = scratch.cr();
    TextStyle style{look.face, look.size, look.colour};
    useStyle(measure, style);
    int digitBox = 0;
    std::vector<GlyphPlan> plans = planGlyphs(measure, look, digitBox);
    VerticalPlan vertical = planHeight(measure, look);
    font.digitWidth = digitBox;
    font.spaceWidth = plans[' ' - kFirstCode].width;

    // Letters beyond ASCII follow the printable ones in the sheet, at the free low codes.
    const std::vector<int> codes = letterCodes();
    std::vector<TextInk> letterInks;
    for (const std::string& letter : letters) {
        TextInk ink = measureText(measure, style, letter);
        double left = std::min(0.0, std::floor(ink.left));
        double right = std::max(std::ceil(ink.left + ink.width), std::round(ink.advance));
        plans.push_back({std::max(1, static_cast<int>(right - left)), -left});
        letterInks.push_back(ink);
        if (ink.width > 0 && (vertical.baseline + ink.top < 0 || vertical.baseline + ink.top + ink.height > vertical.height))
            reportProblem(look.name + std::string(": the letter ") + letter + " is taller than the font's sheet");
    }
    int sheetWidth = 0;
    for (size_t g = 0; g < plans.size(); g++) {
        sheetWidth += plans[g].width;
        font.glyphRight[g] = sheetWidth;
    }
    for (size_t g = plans.size(); g < 128; g++) font.glyphRight[g] = sheetWidth;
    for (int code = 0; code < 128; code++)
        font.glyphOf[code] = code >= kFirstCode && code <= kLastCode ? static_cast<signed char>(code - kFirstCode) : -1;
    for (size_t i = 0; i < letters.size(); i++) font.glyphOf[codes[i]] = static_cast<signed char>(kGlyphCount + i);

    cairo_surface_t* coverage = scaledSurface(CAIRO_FORMAT_A8, sheetWidth, vertical.height, scale);
    cairo_t* cr = cairo_create(coverage);
    useStyle(cr, style);
    cairo_set_source_rgba(cr, 0, 0, 0, 1);
    for (int g = 0; g < kGlyphCount; g++) {
        int code = kFirstCode + g;
        double left = g == 0 ? 0 : font.glyphRight[g - 1];
        char text[2] = {char(code), 0};
        cairo_move_to(cr, left + plans[g].originX, vertical.baseline);
        cairo_show_text(cr, text);
        if (look.conflictMark && isDigit(code)) {
            double barWidth = plans[g].width * 0.55;
            double thickness = std::max(2.0, look.size * 0.07);
            roundedRect(cr, {left + (plans[g].width - barWidth) / 2, vertical.baseline + look.size * 0.13,
                             barWidth, thickness}, thickness / 2);
            cairo_fill(cr);
        }
    }
    for (size_t i = 0; i < letters.size(); i++) {
        int glyph = kGlyphCount + int(i);
        showText(cr, style, font.glyphRight[glyph - 1] + plans[size_t(glyph)].originX, vertical.baseline, letters[i]);
    }
    cairo_destroy(cr);
    cairo_surface_flush(coverage);

    storeSheet(font, coverage, look.colour, scale);
    cairo_surface_destroy(coverage);
    return font;
}

void putWord(std::vector<uint8_t>& bytes, size_t offset, int32_t value)
{
    auto word = static_cast<uint32_t>(value);
    for (int i = 0; i < 4; i++) bytes[offset + i] = static_cast<uint8_t>(word >> (24 - 8 * i));
}

// Where the pen moves after a character, and how far right of the pen its glyph sits.
int advanceOf(const FontSheet& font, unsigned char code, int& shift)
{
    shift = 0;
    if (code >= 128 || font.glyphOf[code] < 0) return -1;
    int glyph = font.glyphOf[code];
    int width = font.glyphRight[glyph] - (glyph == 0 ? 0 : font.glyphRight[glyph - 1]);
    if (font.fixedWidth > 0) {
        shift = (font.fixedWidth - width) / 2;
        return font.fixedWidth;
    }
    if (font.digitWidth > 0 && isDigit(code)) {
        shift = (font.digitWidth - width) / 2;
        return font.digitWidth;
    }
    return width;
}

const FontLook kTextFont{"font_main.fnt", Face::Regular, 14, palette::ink(), 0, false, false};

}  // namespace

std::vector<int> letterCodes()
{
    std::vector<int> codes;
    for (int code = 1; code < kFirstCode; code++)
        if (code != '\n') codes.push_back(code);
    return codes;
}

std::vector<uint8_t> encodeFont(const FontSheet& font)
{
    const int headerSize = 676;
    const int scale = font.scale();
    std::vector<uint8_t> bytes(headerSize, 0);
    putWord(bytes, 4, 2);
    putWord(bytes, 12, font.sheet.width() * scale);
    putWord(bytes, 16, font.sheet.height() * scale);
    putWord(bytes, 20, font.spacing * scale);
    putWord(bytes, 24, font.spaceWidth * scale);
    putWord(bytes, 28, font.fixedWidth * scale);
    putWord(bytes, 32, font.digitWidth * scale);
    for (int g = 0; g < 128; g++) putWord(bytes, 36 + 4 * g, font.glyphRight[g] * scale);
    for (int code = 0; code < 128; code++) bytes[548 + code] = static_cast<uint8_t>(font.glyphOf[code]);
    bytes.insert(bytes.end(), font.sheetArgb.begin(), font.sheetArgb.end());
    return bytes;
}

int fontLineHeight(const FontSheet& font) { return font.sheet.height() + font.spacing; }

int fontTextWidth(const FontSheet& font, const std::string& text)
{
    int widest = 0;
    int line = 0;
    for (unsigned char code : text) {
        if (code == '\n') {
            line = 0;
            continue;
        }
        int shift = 0;
        int advance = code == ' ' && font.spaceWidth == 0 ? -1
                      : code == ' ' ? font.spaceWidth : advanceOf(font, code, shift);
        if (advance >= 0) line += advance + font.spacing;
        widest = std::max(widest, line);
    }
    return widest;
}

void drawFontText(cairo_t* cr, const FontSheet& font, int x, int y, const std::string& text)
{
    int penX = x;
    int penY = y;
    for (unsigned char code : text) {
        if (code == '\n') {
            penX = x;
            penY += fontLineHeight(font);
            continue;
        }
        if (code == ' ') {
            if (font.spaceWidth > 0) penX += font.spaceWidth + font.spacing;
            continue;
        }
        int shift = 0;
        int advance = advanceOf(font, code, shift);
        if (advance < 0) continue;
        int glyph = font.glyphOf[code];
        int left = glyph == 0 ? 0 : font.glyphRight[glyph - 1];
        int width = font.glyphRight[glyph] - left;
        cairo_save(cr);
        cairo_rectangle(cr, penX + shift, penY, width, font.sheet.height());
        cairo_clip(cr);
        cairo_set_source_surface(cr, font.sheet.surface(), penX + shift - left, penY);
        cairo_paint(cr);
        cairo_restore(cr);
        penX += advance + font.spacing;
    }
}

void addFonts(Artwork& art)
{
    const FontLook looks[] = {
        kTextFont,
        {"font_original.fnt", Face::Bold, 33, palette::ink(), 0, true, false},
        {"font_puzzle.fnt", Face::Regular, 33, palette::playerBlue(), 0, true, false},
        {"font_conflict.fnt", Face::Regular, 33, palette::conflictRed(), 0, true, true},
        {"font_puzzle_small.fnt", Face::Bold, 12.5, palette::pencilGrey(), 0, true, false},
        {"font_conflict_small.fnt", Face::Bold, 12.5, palette::conflictRed(), 0, true, false},
    };
    for (const FontLook& look : looks) art.fonts.push_back(renderFont(look, art.scale));
}

void addLabelFont(Artwork& art, const std::vector<std::string>& letters)
{
    std::vector<std::string> kept = letters;
    if (kept.size() > letterCodes().size()) {
        reportProblem("the board's labels need " + std::to_string(kept.size()) + " letters beyond ASCII; the font has " +
                      std::to_string(letterCodes().size()) + " free codes");
        kept.resize(letterCodes().size());
    }
    FontSheet font = renderFont(kTextFont, art.scale, kept);
    for (FontSheet& sheet : art.fonts)
        if (sheet.name == font.name) sheet = std::move(font);
}
