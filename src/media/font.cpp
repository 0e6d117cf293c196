// font.cpp: loading, measuring, drawing and releasing a BWFont of either kind.
#include "media/font.h"

#include "frame/app.h"
#include "frame/draw_list.h"
#include "media/art_language.h"
#include "media/art_scale.h"
#include "media/system_font.h"
#include "platform/gl.h"

#include <vector>

BWFont::BWFont() : record_(std::make_unique<Record>()) {}

BWFont::BWFont(const BWString& fileName) : BWFont()
{
    load(fileName);
}

BWFont::BWFont(const BWString& face, int32_t pointSize, BWColor colour) : BWFont()
{
    createSystem(face, pointSize, colour);
}

BWFont::~BWFont()
{
    release();
}

// The glyph sheet of the art's current set when its file is whole and exactly that many times
// the 1x sheet each way (every metric scales with it, so the 1x metrics keep the layout).
bool BWFont::loadScaledSheet(const BWString& fileName)
{
    const int32_t scale = artScale();
    const FontMetrics& metrics = record_->metrics;
    FontMetrics sharper;
    return scale > 1 && readFntFile(scaledFileName(fileName, scale).chars(), sharper) &&
           int64_t{sharper.sheetWidth} == int64_t{metrics.sheetWidth} * scale &&
           int64_t{sharper.sheetHeight} == int64_t{metrics.sheetHeight} * scale &&
           record_->sheet.create(sharper.pixels.data(), sharper.sheetWidth, sharper.sheetHeight, scale);
}

bool BWFont::load(const BWString& fileName)
{
    followPresentationScale();
    const BWString name = fileName;  // the caller's text may be this font's own name
    release();
    // The language's font when it reads whole, else the English one.
    const BWString translated = languageFileName(name);
    const auto loadFrom = [this](const BWString& file) {
        const FontMetrics& metrics = record_->metrics;
        return file.chars() && readFntFile(file.chars(), record_->metrics) &&
               (loadScaledSheet(file) ||
                record_->sheet.create(metrics.pixels.data(), metrics.sheetWidth, metrics.sheetHeight));
    };
    if (!loadFrom(translated) && !loadFrom(name)) {
        return false;
    }
    record_->fileName = name;
    trackArt(this, [](void* font) {
        BWFont* self = static_cast<BWFont*>(font);
        self->load(self->record_->fileName);
    });
    return true;
}

bool BWFont::createSystem(const BWString& face, int32_t pointSize, BWColor colour)
{
    release();
    record_->kind = System;
    record_->pointSize = pointSize < 1 ? 12 : pointSize;
    record_->colour = colour.value == 0 ? BWColor(0xff000000u) : colour;
    record_->listBase = hasGLContext() ? makeSystemFontLists(face.chars() ? face.chars() : "",
                                                             pointsToPixels(record_->pointSize))
                                       : 0;
    record_->listsSerial = newDrawSerial();
    return record_->listBase != 0;
}

void BWFont::release()
{
    if (record_->kind == System && record_->listBase != 0 && hasGLContext()) {
        deleteSystemFontLists(record_->listBase);
    }
    record_->sheet.release();
    record_->metrics = FontMetrics();
    record_->kind = Bitmap;
    record_->pointSize = 0;
    record_->colour = BWColor();
    record_->listBase = 0;
    if (record_->fileName.chars()) {
        untrackArt(this);
        record_->fileName.clear();
    }
}

int32_t BWFont::charWidth(char ch) const
{
    return fontCharWidth(record_->metrics, static_cast<unsigned char>(ch));
}

int32_t BWFont::textWidth(const BWString& text) const
{
    return record_->kind == System ? 0 : fontTextWidth(record_->metrics, text.chars());
}

int32_t BWFont::textHeight(const BWString& text) const
{
    int32_t lineHeight =
        record_->kind == System ? record_->pointSize : fontLineHeight(record_->metrics);
    return linesHeight(lineHeight, text.chars());
}

void BWFont::draw(int32_t x, int32_t y, const BWString& text) const
{
    if (!text.chars()) {
        return;
    }
    if (record_->kind == System) {
        drawSystemText(x, y, text.chars());
    } else {
        drawBitmapText(x, y, text.chars());
    }
}

void forEachGlyphDraw(const FontMetrics& metrics, int32_t x, int32_t y, const char* text,
                      GlyphDraw drawGlyph, const void* context)
{
    int64_t penX = x;
    int64_t penY = y;
    for (const char* at = text; *at; ++at) {
        if (*at == '\n') {
            penX = x;
            penY += fontLineHeight(metrics);
            continue;
        }
        GlyphPlacement placement = placeGlyph(metrics, static_cast<unsigned char>(*at));
        if (placement.kind == GlyphPlacement::Skipped) {
            continue;
        }
        if (placement.kind == GlyphPlacement::Glyph) {
            BWDrawParams params;
            params.source = BWRect(placement.sheetX, 0, placement.width, metrics.sheetHeight);
            params.destination = BWRect(clampedToInt32(penX + placement.shift),
                                        clampedToInt32(penY), placement.width,
                                        metrics.sheetHeight);
            drawGlyph(params, context);
        }
        penX += int64_t(placement.advance) + metrics.spacing;
    }
}

std::vector<BWDrawParams> bitmapTextDraws(const FontMetrics& metrics, int32_t x, int32_t y,
                                          const char* text)
{
    std::vector<BWDrawParams> draws;
    forEachGlyphDraw(metrics, x, y, text, [](const BWDrawParams& params, const void* context) {
        static_cast<std::vector<BWDrawParams>*>(const_cast<void*>(context))->push_back(params);
    }, &draws);
    return draws;
}

void BWFont::drawBitmapText(int32_t x, int32_t y, const char* text) const
{
    forEachGlyphDraw(record_->metrics, x, y, text, [](const BWDrawParams& params, const void* sheet) {
        static_cast<const BWImage*>(sheet)->draw(params);
    }, &record_->sheet);
}

namespace {

// System text from a command's values: list base, colour, then x and y (GL's, y upwards).
void performSystemText(const DrawCommand& command, const char* text)
{
    const BWColor colour{uint32_t(command.values[1])};
    glDisable(GL_TEXTURE_2D);
    glColor4f(colour.red(), colour.green(), colour.blue(), colour.alpha());
    callSystemFontLists(uint32_t(command.values[0]), command.values[2], command.values[3], text);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

} // namespace

void BWFont::drawSystemText(int32_t x, int32_t y, const char* text) const
{
    if (record_->listBase == 0) {
        return;
    }
    DrawCommand command;
    command.perform = performSystemText;
    command.serial = record_->listsSerial;
    // The baseline lies pointSize pixels below y.
    setValues(command, {int32_t(record_->listBase), int32_t(record_->colour.value), x,
                        screenHeight() - (y + record_->pointSize)});
    submitDraw(command, text);
}
