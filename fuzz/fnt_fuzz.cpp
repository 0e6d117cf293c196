// fnt_fuzz.cpp: arbitrary bytes through the ".fnt" parser, then every measuring rule and the
// tile quads the drawing makes of each glyph, since damaged tables feed both.
#include "media/font.h"
#include "media/font_metrics.h"
#include "media/sprite_quads.h"
#include "media/texture_tiling.h"

#include <cstdlib>
#include <string>

namespace {

// The tiles BWImage::create lays out for the sheet, with stand-in texture names.
ImageTiles sheetTiles(const FontMetrics& metrics)
{
    ImageTiles tiles;
    if (metrics.sheetWidth < 1 || metrics.sheetHeight < 1) return tiles;
    tiles.bounds = BWRect(0, 0, metrics.sheetWidth, metrics.sheetHeight);
    tiles.columnWidths = textureTileLengths(metrics.sheetWidth);
    tiles.rowHeights = textureTileLengths(metrics.sheetHeight);
    tiles.columns = int32_t(tiles.columnWidths.size());
    tiles.rows = int32_t(tiles.rowHeights.size());
    tiles.textures.assign(size_t(tiles.columns) * size_t(tiles.rows), 1);
    return tiles;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    setMaxTextureSize(16384);  // as the machine's GL reports
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FontMetrics metrics;
    if (!parseFnt(data, size, metrics)) {
        if (metrics.version != 0 || !metrics.pixels.empty()) std::abort();
        return 0;
    }
    if (metrics.version != 2 || metrics.sheetWidth < 0 || metrics.sheetHeight < 0) std::abort();
    if (metrics.pixels.size() != size_t(metrics.sheetWidth) * size_t(metrics.sheetHeight) * 4) std::abort();
    std::string everyByte;
    for (int ch = 1; ch < 256; ++ch) {
        const GlyphPlacement placement = placeGlyph(metrics, static_cast<unsigned char>(ch));
        fontCharWidth(metrics, static_cast<unsigned char>(ch));
        everyByte += static_cast<char>(ch);
        // A glyph the font accepted must lie on its sheet.
        if (placement.kind == GlyphPlacement::Glyph
            && (placement.sheetX < 0 || placement.width < 0
                || int64_t(placement.sheetX) + placement.width > metrics.sheetWidth))
            std::abort();
    }
    fontTextWidth(metrics, everyByte.c_str());
    linesHeight(fontLineHeight(metrics), everyByte.c_str());
    // Every byte twice over two lines, from the window's corner and from near its far end.
    const ImageTiles tiles = sheetTiles(metrics);
    const std::string text = everyByte + everyByte + "\n" + everyByte;
    for (const BWPoint& start : {BWPoint(0, 0), BWPoint(790, 590)})
        for (const BWDrawParams& params : bitmapTextDraws(metrics, start.x, start.y, text.c_str()))
            spriteQuads(tiles, params, 600);
    return 0;
}
