// font.h: BWFont, measuring and drawing single-byte text with a bitmap or a system font.
#pragma once

#include "base/bw_string.h"
#include "base/geometry.h"
#include "media/font_metrics.h"
#include "media/image.h"

#include <cstdint>
#include <memory>
#include <vector>

// The sheet rectangles a bitmap font draws for the text, first line's top-left corner at window
// point (x, y): one per glyph, in order; pen positions past the 32-bit range are held at its ends.
// The visiting form allocates nothing: text is drawn every frame.
using GlyphDraw = void (*)(const BWDrawParams& params, const void* context);
void forEachGlyphDraw(const FontMetrics& metrics, int32_t x, int32_t y, const char* text,
                      GlyphDraw drawGlyph, const void* context);
std::vector<BWDrawParams> bitmapTextDraws(const FontMetrics& metrics, int32_t x, int32_t y,
                                          const char* text);

// A bitmap font comes from a ".fnt" file and draws sub-rectangles of its glyph sheet in the
// sheet's own colours; a newline starts a new line. A system font is an installed typeface
// rendered bold into 256 GL display lists and drawn as bitmaps in the font's colour at a
// raster position; it has no widths and treats newlines like any other byte.
class BWFont {
public:
    enum Kind : int32_t { Bitmap = 0, System = 1 };

    BWFont();
    explicit BWFont(const BWString& fileName);
    BWFont(const BWString& face, int32_t pointSize, BWColor colour);
    ~BWFont();
    BWFont(const BWFont&) = delete;
    BWFont& operator=(const BWFont&) = delete;

    // Reads a ".fnt" file and uploads its sheet; false leaves a font that draws nothing. The
    // metrics are the file's own (logical pixels); the sheet comes from the art's current set
    // where that has it whole, and the font loads again when the set changes.
    bool load(const BWString& fileName);
    // Size 12 below 1, opaque black for colour 0; false only when GL gives no display lists.
    bool createSystem(const BWString& face, int32_t pointSize, BWColor colour);
    // Frees everything; the font is an empty bitmap font again. Tolerates a lost GL context.
    void release();

    // Advance of one character without spacing, by the text box's cursor rule.
    int32_t charWidth(char ch) const;
    // The widest line; 0 for a system font or a null text.
    int32_t textWidth(const BWString& text) const;
    // The line height times the number of lines.
    int32_t textHeight(const BWString& text) const;
    int32_t spacing() const { return record_->metrics.spacing; }

    // Draws the text with its first line's top-left corner at window point (x, y).
    void draw(int32_t x, int32_t y, const BWString& text) const;
    void draw(const BWString& text, int32_t x, int32_t y) const { draw(x, y, text); }

    Kind kind() const { return record_->kind; }
    int32_t pointSize() const { return record_->pointSize; }
    BWColor colour() const { return record_->colour; }
    uint32_t listBase() const { return record_->listBase; }
    const FontMetrics& metrics() const { return record_->metrics; }

private:
    struct Record {
        Kind kind = Bitmap;
        int32_t pointSize = 0;
        BWColor colour;
        uint32_t listBase = 0;
        // Which display lists listBase names (frame/draw_list.h): a base freed and handed out
        // again holds another face.
        uint64_t listsSerial = 0;
        BWImage sheet;
        FontMetrics metrics;
        BWString fileName;  // the 1x file loaded from; null otherwise
    };

    bool loadScaledSheet(const BWString& fileName);

    void drawBitmapText(int32_t x, int32_t y, const char* text) const;
    void drawSystemText(int32_t x, int32_t y, const char* text) const;

    std::unique_ptr<Record> record_;
};
