// texture_tiling.h: cutting an image side into power-of-two texture tiles.
#pragma once

#include <cstdint>
#include <vector>

// The largest power of two p <= length (1 below 2), capped at the GL texture size limit.
int32_t textureTileSize(int32_t length);

// A side cut greedily into decreasing powers of two: 800 gives 512, 256, 32. Empty for 0.
std::vector<int32_t> textureTileLengths(int32_t length);

// GL_MAX_TEXTURE_SIZE, read from the current context on the first call and kept for the run.
// A read that gives no usable value (no context) is not kept, and tiles are then uncapped.
int32_t maxTextureSize();

// Replaces the kept limit, as if GL had reported it; -1 makes the next call read GL again.
// Lets tests impose a smaller limit than the driver's.
void setMaxTextureSize(int32_t limit);
