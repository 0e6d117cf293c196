// font_metrics.cpp: parsing ".fnt" headers and measuring text by the bitmap-font rules.
#include "media/font_metrics.h"

#include "media/file_bytes.h"

#include <cstring>
#include <limits>

namespace {

int32_t bigEndianWord(const uint8_t* bytes)
{
    return int32_t(uint32_t(bytes[0]) << 24 | uint32_t(bytes[1]) << 16 |
                   uint32_t(bytes[2]) << 8 | uint32_t(bytes[3]));
}

// The two uninterpreted words keep the byte order they were read in.
int32_t rawWord(const uint8_t* bytes)
{
    int32_t word = 0;
    std::memcpy(&word, bytes, sizeof word);
    return word;
}

int32_t glyphStart(const FontMetrics& metrics, int glyph)
{
    return glyph == 0 ? 0 : metrics.glyphRight[glyph - 1];
}

int32_t glyphWidth(const FontMetrics& metrics, int glyph)
{
    return clampedToInt32(int64_t(metrics.glyphRight[glyph]) - glyphStart(metrics, glyph));
}

// Every glyph a character maps to must be a column span of the sheet: the drawing cuts its
// rectangle from the sheet texture, and wild spans overflow the tile arithmetic.
bool glyphsLieOnSheet(const FontMetrics& metrics)
{
    for (int8_t glyph : metrics.glyphOf) {
        if (glyph < 0) {
            continue;
        }
        int32_t start = glyphStart(metrics, glyph);
        if (start < 0 || metrics.glyphRight[glyph] < start ||
            metrics.glyphRight[glyph] > metrics.sheetWidth) {
            return false;
        }
    }
    return true;
}

bool isDigit(unsigned char ch)
{
    return ch >= '0' && ch <= '9';
}

} // namespace

int32_t clampedToInt32(int64_t value)
{
    if (value > std::numeric_limits<int32_t>::max()) {
        return std::numeric_limits<int32_t>::max();
    }
    if (value < std::numeric_limits<int32_t>::min()) {
        return std::numeric_limits<int32_t>::min();
    }
    return int32_t(value);
}

bool parseFnt(const uint8_t* bytes, size_t size, FontMetrics& metrics)
{
    metrics = FontMetrics();
    if (!bytes || size < kFntHeaderBytes) {
        return false;
    }
    FontMetrics read;
    read.reserved0 = rawWord(bytes + 0);
    read.version = bigEndianWord(bytes + 4);
    read.reserved8 = rawWord(bytes + 8);
    read.sheetWidth = bigEndianWord(bytes + 12);
    read.sheetHeight = bigEndianWord(bytes + 16);
    read.spacing = bigEndianWord(bytes + 20);
    read.spaceWidth = bigEndianWord(bytes + 24);
    read.fixedWidth = bigEndianWord(bytes + 28);
    read.digitWidth = bigEndianWord(bytes + 32);
    for (int glyph = 0; glyph < 128; ++glyph) {
        read.glyphRight[glyph] = bigEndianWord(bytes + 36 + 4 * glyph);
    }
    std::memcpy(read.glyphOf, bytes + 548, sizeof read.glyphOf);
    if (read.version != 2 || read.sheetWidth < 0 || read.sheetHeight < 0 ||
        !glyphsLieOnSheet(read)) {
        return false;
    }
    uint64_t pixelBytes = uint64_t(read.sheetWidth) * uint64_t(read.sheetHeight) * 4;
    if (size - kFntHeaderBytes < pixelBytes) {
        return false;
    }
    const uint8_t* sheet = bytes + kFntHeaderBytes;
    read.pixels.assign(sheet, sheet + pixelBytes);
    metrics = std::move(read);
    return true;
}

bool readFntFile(const char* fileName, FontMetrics& metrics)
{
    std::vector<uint8_t> bytes = readFileBytes(fileName);
    return parseFnt(bytes.data(), bytes.size(), metrics);
}

GlyphPlacement placeGlyph(const FontMetrics& metrics, unsigned char ch)
{
    GlyphPlacement placement;
    if (ch == ' ') {
        if (metrics.spaceWidth != 0) {
            placement.kind = GlyphPlacement::Space;
            placement.advance = metrics.spaceWidth;
        }
        return placement;
    }
    if (ch > 127 || metrics.glyphOf[ch] < 0) {
        return placement;
    }
    int glyph = metrics.glyphOf[ch];
    placement.kind = GlyphPlacement::Glyph;
    placement.sheetX = glyphStart(metrics, glyph);
    placement.width = glyphWidth(metrics, glyph);
    placement.advance = placement.width;
    if (metrics.fixedWidth > 0) {
        placement.advance = metrics.fixedWidth;
        placement.shift = clampedToInt32((int64_t(metrics.fixedWidth) - placement.width) / 2);
    } else if (metrics.digitWidth > 0 && isDigit(ch)) {
        placement.advance = metrics.digitWidth;
        placement.shift = clampedToInt32((int64_t(metrics.digitWidth) - placement.width) / 2);
    }
    return placement;
}

int32_t fontCharWidth(const FontMetrics& metrics, unsigned char ch)
{
    int glyph = ch > 127 ? -1 : metrics.glyphOf[ch];
    if (metrics.fixedWidth > 0 && glyph >= 1) {
        return metrics.fixedWidth;
    }
    if (metrics.digitWidth > 0 && isDigit(ch) && glyph >= 1) {
        return metrics.digitWidth;
    }
    if (glyph >= 0) {
        return glyphWidth(metrics, glyph);
    }
    return ch == ' ' ? metrics.spaceWidth : 0;
}

int32_t fontTextWidth(const FontMetrics& metrics, const char* text)
{
    if (!text) {
        return 0;
    }
    int64_t widest = 0;
    int64_t line = 0;
    for (const char* at = text; *at; ++at) {
        if (*at == '\n') {
            widest = line > widest ? line : widest;
            line = 0;
            continue;
        }
        GlyphPlacement placement = placeGlyph(metrics, static_cast<unsigned char>(*at));
        if (placement.kind != GlyphPlacement::Skipped) {
            line += int64_t(placement.advance) + metrics.spacing;
        }
    }
    return clampedToInt32(line > widest ? line : widest);
}

int32_t fontLineHeight(const FontMetrics& metrics)
{
    return clampedToInt32(int64_t(metrics.sheetHeight) + metrics.spacing);
}

int32_t linesHeight(int32_t lineHeight, const char* text)
{
    int64_t lines = 1;
    for (const char* at = text; at && *at; ++at) {
        lines += *at == '\n';
    }
    return clampedToInt32(lines * lineHeight);
}
