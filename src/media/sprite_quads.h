// sprite_quads.h: where each texture tile of an image lands when a source rectangle of it
// is drawn into a destination rectangle, in GL window coordinates (y upwards).
#pragma once

#include "media/image.h"

#include <cstdint>
#include <vector>

// One tile's textured quad: corners in GL window coordinates (whole pixels for a picture drawn
// from its own pixels, exact fractions for a sharper one) and texture coordinates in [0, 1] of
// the tile. A tile outside the source comes out with zero width or height.
struct SpriteQuad {
    uint32_t texture = 0;
    double left = 0;
    double bottom = 0;
    double right = 0;
    double top = 0;
    float s0 = 0;
    float t0 = 0;
    float s1 = 0;
    float t1 = 0;
};

// Every tile in storage order, each clipped to the source and scaled on its own, so that a
// source crossing tile seams is drawn without gaps. screenHeight turns y-down window
// coordinates into GL's y-up ones. Nothing for an empty image or an empty source.
std::vector<SpriteQuad> spriteQuads(const ImageTiles& tiles, const BWDrawParams& params,
                                    int32_t screenHeight);

// The destination's centre in GL coordinates: the point a rotated draw turns about.
BWPoint spritePivot(const BWRect& destination, int32_t screenHeight);

// The opacity factor clamped to [0, 1].
float spriteAlpha(float alpha);
