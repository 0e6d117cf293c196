// sprite_quads.cpp: clipping a draw's source rectangle to each tile and scaling it.
#include "media/sprite_quads.h"

#include "media/font_metrics.h"  // clampedToInt32

#include <cmath>
#include <cstdint>

namespace {

// A product and quotient in floating point, truncated toward zero for a picture drawn from its
// own pixels. A sharper picture (several texels per logical pixel) keeps the fraction: its
// tile seams fall between logical pixels, and rounding them would open gaps between tiles.
double scaled(double numerator, double denominator, int32_t texelsPerPixel)
{
    double exact = numerator / denominator;
    return texelsPerPixel == 1 ? std::trunc(exact) : exact;
}

// A corner held at the ends of the 32-bit range instead of wrapping around onto the screen.
double heldCorner(double value)
{
    return std::fmax(double(INT32_MIN), std::fmin(double(INT32_MAX), value));
}

// The source rectangle in texels of a picture with that many texels per logical pixel.
BWRect sourceInTexels(const BWRect& source, int32_t texelsPerPixel)
{
    if (texelsPerPixel == 1) {
        return source;
    }
    auto texels = [&](int32_t length) { return clampedToInt32(int64_t{length} * texelsPerPixel); };
    return BWRect(texels(source.x), texels(source.y), texels(source.w), texels(source.h));
}

// The source clipped to one tile, in tile texels (x to the right, y upwards from the
// tile's bottom); the far edges are raised to the near ones where they fall short.
struct TileClip {
    int32_t s0 = 0;
    int32_t t0 = 0;
    int32_t s1 = 0;
    int32_t t1 = 0;
};

// sumX and sumY are the tile's offsets from the image's left and bottom edges.
TileClip clipToTile(const BWRect& source, int32_t imageHeight, int32_t sumX, int32_t sumY,
                    int32_t tileWidth, int32_t tileHeight)
{
    // In 64 bits: a source far outside the image must clip to nothing, not wrap around.
    int64_t sourceBottom = int64_t(imageHeight) - (int64_t(source.y) + source.h);
    int64_t sourceTop = int64_t(imageHeight) - source.y;
    int64_t sourceRight = int64_t(source.x) + source.w;
    TileClip clip;
    clip.s0 = clampedToInt32(sumX < source.x ? int64_t(source.x) - sumX : 0);
    clip.t0 = clampedToInt32(sumY < sourceBottom ? sourceBottom - sumY : 0);
    clip.s1 = clampedToInt32(sourceRight - sumX < tileWidth ? sourceRight - sumX : tileWidth);
    clip.t1 = clampedToInt32(sourceTop - sumY < tileHeight ? sourceTop - sumY : tileHeight);
    if (clip.s1 < clip.s0) {
        clip.s1 = clip.s0;
    }
    if (clip.t1 < clip.t0) {
        clip.t1 = clip.t0;
    }
    return clip;
}

} // namespace

std::vector<SpriteQuad> spriteQuads(const ImageTiles& tiles, const BWDrawParams& params,
                                    int32_t screenHeight)
{
    std::vector<SpriteQuad> quads;
    const int32_t texelsPerPixel = tiles.scale;
    const BWRect src = sourceInTexels(params.source, texelsPerPixel);
    const BWRect& dst = params.destination;
    if (tiles.textures.empty() || tiles.columnWidths.empty() || tiles.rowHeights.empty() ||
        src.w == 0 || src.h == 0) {
        return quads;
    }
    int32_t imageHeight = clampedToInt32(int64_t{tiles.bounds.h} * texelsPerPixel);
    int32_t sumX = 0;
    int32_t sumY = 0;
    for (size_t i = 0; i < tiles.textures.size(); ++i) {
        int32_t tileWidth = tiles.columnWidths[i % size_t(tiles.columns)];
        int32_t tileHeight = tiles.rowHeights[i / size_t(tiles.columns)];
        TileClip clip = clipToTile(src, imageHeight, sumX, sumY, tileWidth, tileHeight);
        SpriteQuad quad;
        quad.texture = tiles.textures[i];
        // Corners far off the screen (a damaged font's pen can reach 2^31) are held at the
        // ends of the 32-bit range instead of wrapping around onto it.
        double left = double(dst.x) +
                      scaled(double(dst.w) * (double(sumX) + clip.s0 - src.x), src.w, texelsPerPixel);
        double bottom = double(screenHeight) - (double(dst.y) + dst.h) +
                        scaled(double(dst.h) * (double(src.y) + src.h + sumY + clip.t0 - imageHeight),
                               src.h, texelsPerPixel);
        quad.left = heldCorner(left);
        quad.bottom = heldCorner(bottom);
        quad.right = heldCorner(left + scaled((double(clip.s1) - clip.s0) * dst.w, src.w, texelsPerPixel));
        quad.top = heldCorner(bottom + scaled((double(clip.t1) - clip.t0) * dst.h, src.h, texelsPerPixel));
        quad.s0 = float(clip.s0) / float(tileWidth);
        quad.t0 = float(clip.t0) / float(tileHeight);
        quad.s1 = float(clip.s1) / float(tileWidth);
        quad.t1 = float(clip.t1) / float(tileHeight);
        quads.push_back(quad);
        sumX += tileWidth;
        if ((i + 1) % size_t(tiles.columns) == 0) {
            sumX = 0;
            sumY += tileHeight;
        }
    }
    return quads;
}

BWPoint spritePivot(const BWRect& destination, int32_t screenHeight)
{
    return BWPoint(destination.x + destination.w / 2,
                   screenHeight - (destination.y + destination.h) + destination.h / 2);
}

float spriteAlpha(float alpha)
{
    if (!(alpha > 0.0f)) {
        return 0.0f;
    }
    return alpha >= 1.0f ? 1.0f : alpha;
}
