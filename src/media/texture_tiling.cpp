// texture_tiling.cpp: the greedy power-of-two split and the GL texture size limit.
#include "media/texture_tiling.h"

#include "platform/gl.h"

namespace {

// -1 until GL has been asked.
int32_t textureSizeLimit = -1;

} // namespace

int32_t maxTextureSize()
{
    if (textureSizeLimit < 0) {
        GLint limit = 0;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &limit);
        if (limit > 0) {
            textureSizeLimit = limit;
        }
        return limit > 0 ? limit : INT32_MAX;
    }
    return textureSizeLimit;
}

void setMaxTextureSize(int32_t limit)
{
    textureSizeLimit = limit > 0 ? limit : -1;
}

int32_t textureTileSize(int32_t length)
{
    int32_t size = 1;
    while (size <= length / 2) {
        size *= 2;
    }
    int32_t limit = maxTextureSize();
    return size < limit ? size : limit;
}

std::vector<int32_t> textureTileLengths(int32_t length)
{
    std::vector<int32_t> lengths;
    while (length > 0) {
        int32_t tile = textureTileSize(length);
        lengths.push_back(tile);
        length -= tile;
    }
    return lengths;
}
