// fnt_fuzz.cpp: arbitrary bytes through the ".fnt" parser, then every measuring rule over the
// metrics it accepts, since damaged tables feed the drawing's sheet rectangles.
#include "media/font_metrics.h"

#include <cstdlib>
#include <string>

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
        placeGlyph(metrics, static_cast<unsigned char>(ch));
        fontCharWidth(metrics, static_cast<unsigned char>(ch));
        everyByte += static_cast<char>(ch);
    }
    fontTextWidth(metrics, everyByte.c_str());
    linesHeight(fontLineHeight(metrics), everyByte.c_str());
    return 0;
}
