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
// A sharper picture (scale 2 or 3) has that many texels per logical pixel: its bounds are
// logical, its tile lengths texels.
struct ImageTiles {
    BWRect bounds;
    int32_t scale = 1;
    int32_t columns = 0;
    int32_t rows = 0;
    std::vector<uint32_t> textures;
    std::vector<int32_t> columnWidths;
    std::vector<int32_t> rowHeights;
    // Linear filtering (and edge clamping) instead of nearest texels; follows the scale the
    // picture is shown at, when a draw reaches GL.
    mutable bool smooth = false;
    // Which upload the textures hold (frame/draw_list.h); 0 while empty.
    uint64_t serial = 0;
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

    // Decodes the PNG file and uploads it; false leaves the image empty. The file comes from
    // the art's current set (art_scale.h) when that set has it whole, else from the 1x set;
    // either way the image keeps the 1x size, and loads again when the set changes.
    bool load(const BWString& fileName);
    // Uploads a decoded pixel block (the caller keeps it). Replaces what the image held
    // before. False without the window's GL context or for a size below 1 x 1. A block of
    // scale 2 or 3 has that many pixels per logical pixel each way: the image is width / scale
    // by height / scale logical pixels (false unless both divide evenly).
    bool create(const uint8_t* pixels, int32_t width, int32_t height, int32_t scale = 1);
    // Deletes the textures (only while a GL context exists: without one they went with it)
    // and returns to the empty state.
    void release();

    bool isEmpty() const { return tiles_->textures.empty(); }
    BWRect bounds() const { return tiles_->bounds; }
    int32_t width() const { return tiles_->bounds.w; }
    int32_t height() const { return tiles_->bounds.h; }
    // Texels per logical pixel: 1, or 2 and 3 for the sharper sets.
    int32_t scale() const { return tiles_->scale; }
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
    bool loadScale(const BWString& fileName, int32_t scale);

    std::unique_ptr<ImageTiles> tiles_;
    BWString fileName_;  // the 1x file loaded from; null for an image made from pixels
};
