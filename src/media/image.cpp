// image.cpp: loading, uploading and releasing the texture tiles of a BWImage.
#include "media/image.h"

#include "frame/app.h"
#include "media/png_decode.h"
#include "media/texture_tiling.h"
#include "platform/gl.h"

// Windows' OpenGL 1.1 header knows the format only by its extension name; the token is the same.
#ifndef GL_BGRA
#define GL_BGRA GL_BGRA_EXT
#endif

#include <new>

namespace {

// Decoded alpha-red-green-blue, top row first, becomes the GL upload order: each pixel's
// bytes reversed (blue, green, red, alpha) and the bottom row first.
std::unique_ptr<uint8_t[]> uploadBuffer(const uint8_t* pixels, int32_t width, int32_t height)
{
    size_t rowBytes = size_t(width) * 4;
    std::unique_ptr<uint8_t[]> upload(new (std::nothrow) uint8_t[rowBytes * size_t(height)]);
    if (!upload) {
        return nullptr;
    }
    for (int32_t y = 0; y < height; ++y) {
        const uint8_t* from = pixels + size_t(y) * rowBytes;
        uint8_t* to = upload.get() + size_t(height - 1 - y) * rowBytes;
        for (size_t byte = 0; byte < rowBytes; byte += 4) {
            to[byte + 0] = from[byte + 3];
            to[byte + 1] = from[byte + 2];
            to[byte + 2] = from[byte + 1];
            to[byte + 3] = from[byte + 0];
        }
    }
    return upload;
}

// Uploads every tile straight out of the whole-image buffer, the row length telling GL how
// far apart the rows are.
void uploadTiles(ImageTiles& tiles, const uint8_t* upload)
{
    glPushClientAttrib(GL_CLIENT_PIXEL_STORE_BIT);
    glPixelStorei(GL_UNPACK_ROW_LENGTH, tiles.bounds.w);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glGenTextures(GLsizei(tiles.textures.size()), tiles.textures.data());
    int32_t y0 = 0;
    for (int32_t row = 0; row < tiles.rows; ++row) {
        int32_t x0 = 0;
        for (int32_t column = 0; column < tiles.columns; ++column) {
            glBindTexture(GL_TEXTURE_2D, tiles.textures[size_t(row * tiles.columns + column)]);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
            const uint8_t* first = upload + (size_t(x0) + size_t(y0) * size_t(tiles.bounds.w)) * 4;
            glTexImage2D(GL_TEXTURE_2D, 0, 4, tiles.columnWidths[size_t(column)],
                         tiles.rowHeights[size_t(row)], 0, GL_BGRA, GL_UNSIGNED_BYTE, first);
            x0 += tiles.columnWidths[size_t(column)];
        }
        y0 += tiles.rowHeights[size_t(row)];
    }
    glPopClientAttrib();
}

} // namespace

BWImage::BWImage() : tiles_(std::make_unique<ImageTiles>()) {}

BWImage::BWImage(const BWString& fileName) : BWImage()
{
    load(fileName);
}

BWImage::BWImage(const uint8_t* pixels, int32_t width, int32_t height) : BWImage()
{
    create(pixels, width, height);
}

BWImage::~BWImage()
{
    release();
}

bool BWImage::load(const BWString& fileName)
{
    int32_t width = 0;
    int32_t height = 0;
    std::unique_ptr<uint8_t[]> pixels = decodePng(fileName, &width, &height);
    return pixels && create(pixels.get(), width, height);
}

bool BWImage::create(const uint8_t* pixels, int32_t width, int32_t height)
{
    release();
    // Texture names come only from a live context; without one there is nothing to upload to.
    if (!pixels || width < 1 || height < 1 || !hasGLContext()) {
        return false;
    }
    std::unique_ptr<uint8_t[]> upload = uploadBuffer(pixels, width, height);
    if (!upload) {
        return false;
    }
    ImageTiles tiles;
    tiles.bounds = BWRect(0, 0, width, height);
    tiles.columnWidths = textureTileLengths(width);
    tiles.rowHeights = textureTileLengths(height);
    tiles.columns = int32_t(tiles.columnWidths.size());
    tiles.rows = int32_t(tiles.rowHeights.size());
    tiles.textures.assign(size_t(tiles.columns) * size_t(tiles.rows), 0);
    uploadTiles(tiles, upload.get());
    *tiles_ = std::move(tiles);
    return !isEmpty();
}

void BWImage::release()
{
    if (!tiles_->textures.empty() && hasGLContext()) {
        glDeleteTextures(GLsizei(tiles_->textures.size()), tiles_->textures.data());
    }
    *tiles_ = ImageTiles();
}
