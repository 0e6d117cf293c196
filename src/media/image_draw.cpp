// image_draw.cpp: the draw forms of BWImage. Each draw is one command of the frame's list,
// performed as one textured quad per tile in immediate mode.
#include "media/image.h"

#include "frame/app.h"
#include "frame/damage_areas.h"
#include "frame/display.h"
#include "frame/draw_list.h"
#include "media/sprite_quads.h"
#include "platform/gl.h"

// Windows' OpenGL 1.1 header stops before edge clamping; the token is the same everywhere.
#ifndef GL_CLAMP_TO_EDGE
#define GL_CLAMP_TO_EDGE 0x812F
#endif

#include <cmath>

namespace {

// Turns the model-view about the pivot for every non-zero rotation, in x, y, z order.
// The axes point away from the viewer so that positive z turns clockwise on screen.
void rotateAbout(const BWPoint& pivot, const BWDrawParams& params)
{
    glPushMatrix();
    glTranslatef(float(pivot.x), float(pivot.y), 0.0f);
    if (params.rotationX != 0) {
        glRotatef(float(params.rotationX % 360), -1.0f, 0.0f, 0.0f);
    }
    if (params.rotationY != 0) {
        glRotatef(float(params.rotationY % 360), 0.0f, -1.0f, 0.0f);
    }
    if (params.rotationZ != 0) {
        glRotatef(float(params.rotationZ % 360), 0.0f, 0.0f, -1.0f);
    }
}

// Vertices go to GL as floats, which is all GL keeps (and all the browser's GL takes).
void emitQuad(const SpriteQuad& quad, const BWPoint& pivot)
{
    glBindTexture(GL_TEXTURE_2D, quad.texture);
    glBegin(GL_TRIANGLE_FAN);
    glTexCoord2f(quad.s0, quad.t0);
    glVertex2f(float(quad.left - pivot.x), float(quad.bottom - pivot.y));
    glTexCoord2f(quad.s1, quad.t0);
    glVertex2f(float(quad.right - pivot.x), float(quad.bottom - pivot.y));
    glTexCoord2f(quad.s1, quad.t1);
    glVertex2f(float(quad.right - pivot.x), float(quad.top - pivot.y));
    glTexCoord2f(quad.s0, quad.t1);
    glVertex2f(float(quad.left - pivot.x), float(quad.top - pivot.y));
    glEnd();
}

// Texel for pixel only where the picture is shown at exactly the image's own scale.
void matchFilter(const ImageTiles& tiles)
{
    const bool smooth = std::fabs(presentationScale() - tiles.scale) > 1e-9;
    if (smooth == tiles.smooth) {
        return;
    }
    tiles.smooth = smooth;
    const GLint filter = smooth ? GL_LINEAR : GL_NEAREST;
    // Smoothing at a tile's edge must not blend in texels of its far edge.
    const GLint wrap = smooth ? GL_CLAMP_TO_EDGE : GL_REPEAT;
    for (uint32_t texture : tiles.textures) {
        glBindTexture(GL_TEXTURE_2D, texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, filter);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    }
}

// A draw's parameters as a command's values, and back.
void storeParams(const BWDrawParams& params, DrawCommand& command)
{
    setValues(command, {params.source.x, params.source.y, params.source.w, params.source.h,
                        params.destination.x, params.destination.y, params.destination.w,
                        params.destination.h, params.rotationX, params.rotationY, params.rotationZ,
                        floatBits(params.alpha)});
}

BWDrawParams paramsFrom(const int32_t* values)
{
    BWDrawParams params;
    params.source = BWRect(values[0], values[1], values[2], values[3]);
    params.destination = BWRect(values[4], values[5], values[6], values[7]);
    params.rotationX = values[8];
    params.rotationY = values[9];
    params.rotationZ = values[10];
    params.alpha = floatFromBits(values[11]);
    return params;
}

// One image draw from a command: the subject is the image's tiles.
void performSprite(const DrawCommand& command, const char*)
{
    const ImageTiles& tiles = *static_cast<const ImageTiles*>(command.subject);
    const BWDrawParams params = paramsFrom(command.values);
    int32_t screenHeight = ::screenHeight();
    std::vector<SpriteQuad> quads = spriteQuads(tiles, params, screenHeight);
    if (quads.empty()) {
        return;
    }
    matchFilter(tiles);
    bool rotated = params.rotationX != 0 || params.rotationY != 0 || params.rotationZ != 0;
    BWPoint pivot;
    if (rotated) {
        pivot = spritePivot(params.destination, screenHeight);
        rotateAbout(pivot, params);
    }
    glColor4f(1.0f, 1.0f, 1.0f, spriteAlpha(params.alpha));
    for (const SpriteQuad& quad : quads) {
        // Tiles outside the source have no area and would leave no mark.
        if (quad.left != quad.right && quad.bottom != quad.top) {
            emitQuad(quad, pivot);
        }
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    if (rotated) {
        glPopMatrix();
    }
}

// The pixels a draw may change: its destination, or, turned, the square the destination's
// corners can reach about its centre.
BWRect spriteReach(const BWDrawParams& params)
{
    const BWRect destination = rectWithPositiveSize(params.destination);
    if (params.rotationX == 0 && params.rotationY == 0 && params.rotationZ == 0) {
        return destination;
    }
    const BWRect& given = params.destination;
    const int32_t centreX = given.x + given.w / 2;
    const int32_t centreY = given.y + given.h - given.h / 2;
    const int32_t radius = int32_t(std::ceil(std::hypot(double(given.w), double(given.h)) / 2.0)) + 1;
    return BWRect(centreX - radius, centreY - radius, 2 * radius, 2 * radius);
}

} // namespace

void BWImage::draw(const BWDrawParams& params) const
{
    // An empty image or source leaves no mark, and needs no command.
    if (isEmpty() || params.source.w == 0 || params.source.h == 0) {
        return;
    }
    DrawCommand sprite;
    sprite.perform = performSprite;
    sprite.subject = tiles_.get();
    sprite.serial = tiles_->serial;
    storeParams(params, sprite);
    sprite.reach = spriteReach(params);
    if (sprite.reach.isEmpty()) {
        return; // a destination without area leaves no mark
    }
    submitDraw(sprite);
}

void BWImage::draw(const BWRect& destination) const
{
    BWDrawParams params;
    params.source = bounds();
    params.destination = destination;
    draw(params);
}

void BWImage::draw(const BWPoint& topLeft) const
{
    BWRect destination = bounds();
    destination.offset(topLeft);
    draw(destination);
}

void BWImage::draw(int32_t x, int32_t y) const
{
    draw(BWPoint(x, y));
}

void BWImage::draw() const
{
    draw(bounds());
}
