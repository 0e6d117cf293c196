// image_draw_test.cpp: pictures uploaded as texture tiles and drawn into a real GL window,
// checked on captured frames.
#include "gl_window.h"
#include "media/image.h"
#include "media/texture_tiling.h"
#include "test_files.h"

#include <GL/gl.h>

namespace {

constexpr uint32_t red = 0xff0000;
constexpr uint32_t green = 0x00ff00;
constexpr uint32_t blue = 0x0000ff;

// Decoded-block bytes (alpha, red, green, blue) of packed ARGB pixels.
std::vector<uint8_t> argbBytes(const std::vector<uint32_t>& argb)
{
    std::vector<uint8_t> bytes;
    for (uint32_t pixel : argb) {
        bytes.insert(bytes.end(), {uint8_t(pixel >> 24), uint8_t(pixel >> 16), uint8_t(pixel >> 8),
                                   uint8_t(pixel)});
    }
    return bytes;
}

// A picture whose every pixel tells where it is: red x, green y, blue the high bits of both.
uint32_t positionColour(int32_t x, int32_t y)
{
    return 0xff000000u | uint32_t(x & 255) << 16 | uint32_t(y & 255) << 8 |
           uint32_t((x >> 8) | (y >> 8) << 4);
}

std::vector<uint32_t> picture(int32_t width, int32_t height, uint32_t (*colour)(int32_t, int32_t))
{
    std::vector<uint32_t> argb;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            argb.push_back(colour(x, y));
        }
    }
    return argb;
}

bool create(BWImage& image, int32_t width, int32_t height, const std::vector<uint32_t>& argb)
{
    std::vector<uint8_t> bytes = argbBytes(argb);
    return image.create(bytes.data(), width, height);
}

using ImageDraw = GLWindowTest;

TEST_F(ImageDraw, PositionedDrawLandsTopRowUp)
{
    BWImage image;
    ASSERT_TRUE(create(image, 100, 50, picture(100, 50, [](int32_t, int32_t y) {
                           return y < 25 ? 0xffff0000u : 0xff0000ffu;
                       })));
    image.draw(10, 20);
    Capture frame = captureFrame();
    // Window rows 20..69 are GL rows 530..579 of the 600-high window.
    EXPECT_EQ(countExactly(frame, red, BWRect(10, 20, 100, 25)), 100 * 25);
    EXPECT_EQ(countExactly(frame, blue, BWRect(10, 45, 100, 25)), 100 * 25);
    EXPECT_EQ(rgbAt(frame, 9, 20), 0u);
    EXPECT_EQ(rgbAt(frame, 110, 20), 0u);
    EXPECT_EQ(rgbAt(frame, 10, 19), 0u);
    EXPECT_EQ(rgbAt(frame, 10, 70), 0u);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(ImageDraw, StretchedDrawPicksNearestTexels)
{
    BWImage image;
    ASSERT_TRUE(create(image, 32, 32, picture(32, 32, positionColour)));
    BWDrawParams params;
    params.source = image.bounds();
    params.destination = BWRect(100, 100, 64, 16);
    image.draw(params);
    Capture frame = captureFrame();
    saveCapture(frame, "media_stretched");
    // Columns: each texel twice. Rows: one of each pair of texel rows (the pixel centres fall
    // on the boundary between the two, so either is the nearest).
    for (int32_t y = 0; y < 16; ++y) {
        uint32_t row = (rgbAt(frame, 100, 100 + y) >> 8) & 0xff;
        ASSERT_TRUE(row == uint32_t(2 * y) || row == uint32_t(2 * y + 1)) << y;
        for (int32_t x = 0; x < 64; ++x) {
            ASSERT_EQ(rgbAt(frame, 100 + x, 100 + y),
                      positionColour(x / 2, int32_t(row)) & 0xffffffu)
                << x << ", " << y;
        }
    }
    EXPECT_EQ(rgbAt(frame, 164, 100), 0u);
    EXPECT_EQ(rgbAt(frame, 100, 116), 0u);
}

TEST_F(ImageDraw, AlphaIsClampedToOpaqueAndInvisible)
{
    BWImage white;
    ASSERT_TRUE(create(white, 8, 8, picture(8, 8, [](int32_t, int32_t) { return 0xffffffffu; })));
    BWDrawParams params;
    params.source = white.bounds();
    params.destination = BWRect(0, 0, 8, 8);
    params.alpha = 1.5f;
    white.draw(params);
    params.destination = BWRect(20, 0, 8, 8);
    params.alpha = -0.2f;
    white.draw(params);
    params.destination = BWRect(40, 0, 8, 8);
    params.alpha = 0.5f;
    white.draw(params);
    Capture frame = captureFrame();
    EXPECT_EQ(countExactly(frame, 0xffffff, BWRect(0, 0, 8, 8)), 64);
    EXPECT_EQ(countExactly(frame, 0x000000, BWRect(20, 0, 8, 8)), 64);
    EXPECT_NEAR(int(rgbAt(frame, 44, 4) & 0xff), 128, 1);
    // The colour is opaque white again for whatever draws next.
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[3], 1.0f);
}

// Draws a 40 x 20 picture, red on the left and green on the right, turned about the centre
// of (200, 200, 40, 20).
Capture turned(int32_t degrees)
{
    clearScreen();
    BWImage image;
    create(image, 40, 20, picture(40, 20, [](int32_t x, int32_t) {
               return x < 20 ? 0xffff0000u : 0xff00ff00u;
           }));
    BWDrawParams params;
    params.source = image.bounds();
    params.destination = BWRect(200, 200, 40, 20);
    params.rotationZ = degrees;
    image.draw(params);
    return captureFrame();
}

TEST_F(ImageDraw, RotationTurnsClockwiseAboutTheCentre)
{
    Capture quarter = turned(90);
    // Clockwise: the left half now lies above the centre (220, 210).
    EXPECT_EQ(countExactly(quarter, red, BWRect(211, 191, 18, 18)), 18 * 18);
    EXPECT_EQ(countExactly(quarter, green, BWRect(211, 211, 18, 18)), 18 * 18);
    EXPECT_EQ(rgbAt(quarter, 205, 210), 0u);
    EXPECT_EQ(rgbAt(quarter, 235, 210), 0u);
    Capture fiveQuarters = turned(450);
    EXPECT_EQ(fiveQuarters.pixels, quarter.pixels);
    Capture back = turned(-90);
    EXPECT_EQ(countExactly(back, green, BWRect(211, 191, 18, 18)), 18 * 18);
    EXPECT_EQ(countExactly(back, red, BWRect(211, 211, 18, 18)), 18 * 18);
    // The matrix is restored: an unturned draw lands where it should.
    Capture plain = turned(0);
    EXPECT_EQ(countExactly(plain, red, BWRect(200, 200, 20, 20)), 400);
}

// Every window pixel must show the picture's own pixel: no gap, no overlap, no shift at
// any seam between the tiles.
void expectWholePicture(const Capture& frame)
{
    for (int32_t y = 0; y < 600; ++y) {
        for (int32_t x = 0; x < 800; ++x) {
            ASSERT_EQ(rgbAt(frame, x, y), positionColour(x, y) & 0xffffffu) << x << ", " << y;
        }
    }
}

TEST_F(ImageDraw, BackgroundCoversTheWindowAcrossItsTiles)
{
    BWImage background;
    ASSERT_TRUE(create(background, 800, 600, picture(800, 600, positionColour)));
    const ImageTiles& tiles = background.tiles();
    EXPECT_EQ(tiles.columnWidths, (std::vector<int32_t>{512, 256, 32}));
    EXPECT_EQ(tiles.rowHeights, (std::vector<int32_t>{512, 64, 16, 8}));
    EXPECT_EQ(tiles.textures.size(), 12u);
    background.draw();
    Capture frame = captureFrame();
    saveCapture(frame, "media_background");
    expectWholePicture(frame);
}

TEST_F(ImageDraw, SmallerTextureLimitGivesMoreTilesAndTheSamePicture)
{
    setMaxTextureSize(256);
    BWImage background;
    bool created = create(background, 800, 600, picture(800, 600, positionColour));
    setMaxTextureSize(-1);
    ASSERT_TRUE(created);
    EXPECT_EQ(background.tiles().rowHeights, (std::vector<int32_t>{256, 256, 64, 16, 8}));
    EXPECT_EQ(background.tiles().textures.size(), 4u * 5u);
    background.draw(BWPoint(0, 0));
    expectWholePicture(captureFrame());
}

TEST_F(ImageDraw, SourceInsideOneTileColumnDrawsFromThatColumn)
{
    BWImage sheet;
    ASSERT_TRUE(create(sheet, 300, 32, picture(300, 32, [](int32_t x, int32_t) {
                           return x < 256 ? 0xffff0000u : x < 288 ? 0xff00ff00u : 0xff0000ffu;
                       })));
    BWDrawParams params;
    params.source = BWRect(256, 0, 32, 32);
    params.destination = BWRect(50, 60, 32, 32);
    sheet.draw(params);
    Capture frame = captureFrame();
    EXPECT_EQ(countExactly(frame, green, BWRect(50, 60, 32, 32)), 32 * 32);
    EXPECT_EQ(countExactly(frame, 0, BWRect(40, 50, 52, 52)), 52 * 52 - 32 * 32);
}

TEST_F(ImageDraw, UploadReversesEachPixelAndPutsTheBottomRowFirst)
{
    TempDir dir;
    writeArgbPng(dir.path("four.png"), 2, 2, {0x80102030, 0xff000001, 0xff000002, 0xff000003});
    BWImage image(BWString("%s", dir.path("four.png").c_str()));
    ASSERT_FALSE(image.isEmpty());
    ASSERT_EQ(image.tiles().textures.size(), 1u);
    uint8_t texels[2 * 2 * 4] = {};
    glBindTexture(GL_TEXTURE_2D, image.tiles().textures[0]);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_BGRA, GL_UNSIGNED_BYTE, texels);
    // Upload position (0, 1): the second row from the bottom, on the left.
    const uint8_t* topLeft = texels + (1 * 2 + 0) * 4;
    EXPECT_EQ(std::vector<uint8_t>(topLeft, topLeft + 4),
              (std::vector<uint8_t>{0x30, 0x20, 0x10, 0x80}));
    EXPECT_EQ(texels[0], 0x02);  // the bottom-left pixel comes first
}

TEST_F(ImageDraw, FailedLoadsLeaveAnEmptyImageThatDrawsNothing)
{
    TempDir dir;
    writeBytes(dir.path("broken.png"), {0x89, 'P', 'N', 'G', '\r', '\n', 0x1a, '\n', 0, 0});
    for (const char* name : {"broken.png", "missing.png"}) {
        BWImage image(BWString("%s", dir.path(name).c_str()));
        EXPECT_TRUE(image.isEmpty());
        EXPECT_EQ(image.bounds(), BWRect());
        image.draw(0, 0);
    }
    BWImage tiny;
    EXPECT_FALSE(create(tiny, 0, 5, {}));
    EXPECT_EQ(countExactly(captureFrame(), 0, BWRect(0, 0, 800, 600)), 800 * 600);
}

TEST_F(ImageDraw, ReleaseAfterTheContextIsGone)
{
    BWImage image;
    ASSERT_TRUE(create(image, 4, 4, picture(4, 4, positionColour)));
    shutdown();
    ASSERT_FALSE(hasGLContext());
    image.release();
    EXPECT_TRUE(image.isEmpty());
    EXPECT_EQ(image.width(), 0);
}

} // namespace
