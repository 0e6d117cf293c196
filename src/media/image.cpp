// image.cpp: loading, uploading and releasing the texture tiles of a BWImage.
#include "media/image.h"

#include "frame/app.h"
#include "frame/draw_list.h"
#include "media/art_language.h"
#include "media/art_scale.h"
#include "media/png_decode.h"
#include "media/texture_tiling.h"
#include "platform/gl.h"

#include <algorithm>
#include <new>

namespace {

// One tile of decoded alpha-red-green-blue (top row first) in GL's upload order: red, green,
// blue, alpha, the bottom row first. The tile's y counts from the image's bottom row. Red
// first and tightly packed is the one layout every GL takes, the browser's included.
void copyTile(const uint8_t* pixels, int32_t width, int32_t height, const BWRect& tile, uint8_t* to)
{
    for (int32_t row = 0; row < tile.h; ++row) {
        const size_t imageRow = size_t(height - 1 - tile.y - row);
        const uint8_t* from = pixels + (imageRow * size_t(width) + size_t(tile.x)) * 4;
        for (int32_t column = 0; column < tile.w; ++column, from += 4, to += 4) {
            to[0] = from[1];
            to[1] = from[2];
            to[2] = from[3];
            to[3] = from[0];
        }
    }
}

// Uploads every tile through one buffer the size of the largest; false when it cannot be had.
// Tiles are measured in texels, the scale's pixels, not in logical pixels.
bool uploadTiles(ImageTiles& tiles, const uint8_t* pixels)
{
    const int32_t widest = *std::max_element(tiles.columnWidths.begin(), tiles.columnWidths.end());
    const int32_t tallest = *std::max_element(tiles.rowHeights.begin(), tiles.rowHeights.end());
    std::unique_ptr<uint8_t[]> upload(new (std::nothrow) uint8_t[size_t(widest) * size_t(tallest) * 4]);
    if (!upload) {
        return false;
    }
    const int32_t width = tiles.bounds.w * tiles.scale;
    const int32_t height = tiles.bounds.h * tiles.scale;
    glGenTextures(GLsizei(tiles.textures.size()), tiles.textures.data());
    BWRect tile;
    for (int32_t row = 0; row < tiles.rows; ++row) {
        tile.x = 0;
        tile.h = tiles.rowHeights[size_t(row)];
        for (int32_t column = 0; column < tiles.columns; ++column) {
            tile.w = tiles.columnWidths[size_t(column)];
            copyTile(pixels, width, height, tile, upload.get());
            glBindTexture(GL_TEXTURE_2D, tiles.textures[size_t(row * tiles.columns + column)]);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
            glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
            glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, tile.w, tile.h, 0, GL_RGBA, GL_UNSIGNED_BYTE, upload.get());
            tile.x += tile.w;
        }
        tile.y += tile.h;
    }
    return true;
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
    forgetDrawsFrom(tiles_.get());
    release();
}

bool BWImage::loadScale(const BWString& fileName, int32_t scale)
{
    int32_t width = 0;
    int32_t height = 0;
    std::unique_ptr<uint8_t[]> pixels = decodePng(scaledFileName(fileName, scale), &width, &height);
    return pixels && create(pixels.get(), width, height, scale);
}

bool BWImage::load(const BWString& fileName)
{
    followPresentationScale();
    const BWString name = fileName;  // the caller's text may be this image's own name
    const int32_t scale = artScale();
    // A missing or damaged sharper file falls back to the 1x picture, and a language's picture
    // to the English one: never to nothing.
    const BWString translated = languageFileName(name);
    const auto loadEither = [&](const BWString& file) {
        return file.chars() && ((scale > 1 && loadScale(file, scale)) || loadScale(file, 1));
    };
    if (!loadEither(translated) && !loadEither(name)) {
        return false;
    }
    fileName_ = name;
    trackArt(this, [](void* image) {
        BWImage* self = static_cast<BWImage*>(image);
        self->load(self->fileName_);
    });
    return true;
}

bool BWImage::create(const uint8_t* pixels, int32_t width, int32_t height, int32_t scale)
{
    release();
    // Texture names come only from a live context; without one there is nothing to upload to.
    if (!pixels || width < 1 || height < 1 || !hasGLContext() || scale < 1 || width % scale != 0 ||
        height % scale != 0) {
        return false;
    }
    ImageTiles tiles;
    tiles.bounds = BWRect(0, 0, width / scale, height / scale);
    tiles.scale = scale;
    tiles.columnWidths = textureTileLengths(width);
    tiles.rowHeights = textureTileLengths(height);
    tiles.columns = int32_t(tiles.columnWidths.size());
    tiles.rows = int32_t(tiles.rowHeights.size());
    tiles.textures.assign(size_t(tiles.columns) * size_t(tiles.rows), 0);
    if (!uploadTiles(tiles, pixels)) {
        return false;
    }
    tiles.serial = newDrawSerial();
    *tiles_ = std::move(tiles);
    return !isEmpty();
}

void BWImage::release()
{
    if (!tiles_->textures.empty() && hasGLContext()) {
        glDeleteTextures(GLsizei(tiles_->textures.size()), tiles_->textures.data());
    }
    *tiles_ = ImageTiles();
    if (fileName_.chars()) {
        untrackArt(this);
        fileName_.clear();
    }
}
