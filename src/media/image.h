// image.h: BWImage, a picture held as power-of-two OpenGL texture tiles, and its drawing.
#pragma once

#include "base/bw_string.h"
#include "base/geometry.h"

#include <cstdint>
#include <memory>
#include <vector>

// The argument of the full draw: a source rectangle of the image (image pixels, y down),
// the screen rectangle it is scaled into (window pixels, y down), rotations in degrees about
// the destination's centre (positive z turns clockwise on screen) and an opacity factor.
struct BWDrawParams {
    BWRect source;
    BWRect destination;
    int32_t rotationX = 0;
    int32_t rotationY = 0;
    int32_t rotationZ = 0;
    float alpha = 1.0f;
};

// The tiles of an image. Tile (row r, column j) is textures[r * columns + j]; row 0 holds the
// bottom of the picture (GL rows run upwards). Column widths add up to the width, row heights
// (bottom row first) to the height, and every one is a power of two. Empty: no textures.
struct ImageTiles {
    BWRect bounds;
    int32_t columns = 0;
    int32_t rows = 0;
    std::vector<uint32_t> textures;
    std::vector<int32_t> columnWidths;
    std::vector<int32_t> rowHeights;
};

// Owns its textures exclusively: two images loaded from one file hold two uploads. No pixel
// copy is kept after the upload. A failed load leaves the image empty, and an empty image
// draws nothing.
class BWImage {
public:
    BWImage();
    explicit BWImage(const BWString& fileName);
    // pixels: width * height alpha-red-green-blue pixels, top row first (see create).
    BWImage(const uint8_t* pixels, int32_t width, int32_t height);
    ~BWImage();
    BWImage(const BWImage&) = delete;
    BWImage& operator=(const BWImage&) = delete;

    // Decodes the PNG file and uploads it; false leaves the image empty.
    bool load(const BWString& fileName);
    // Uploads a decoded pixel block (the caller keeps it). Replaces what the image held
    // before. False without the window's GL context or for a size below 1 x 1.
    bool create(const uint8_t* pixels, int32_t width, int32_t height);
    // Deletes the textures (only while a GL context exists: without one they went with it)
    // and returns to the empty state.
    void release();

    bool isEmpty() const { return tiles_->textures.empty(); }
    BWRect bounds() const { return tiles_->bounds; }
    int32_t width() const { return tiles_->bounds.w; }
    int32_t height() const { return tiles_->bounds.h; }
    const ImageTiles& tiles() const { return *tiles_; }

    // The full draw, tile by tile. A source of zero width or height draws nothing.
    void draw(const BWDrawParams& params) const;
    // The whole image scaled into the rectangle.
    void draw(const BWRect& destination) const;
    // The whole image at its own size with its top-left corner at the point.
    void draw(const BWPoint& topLeft) const;
    void draw(int32_t x, int32_t y) const;
    // The whole image at the window's top-left corner.
    void draw() const;

private:
    std::unique_ptr<ImageTiles> tiles_;
};
