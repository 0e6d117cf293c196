// image_draw_test.cpp: pictures uploaded as texture tiles, drawn and checked on captured frames.
#include "frame/app.h"
#include "frame/loop.h"
#include "gl_window.h"
#include "media/image.h"
#include "media/texture_tiling.h"
#include "platform/gl.h"
#include "test_files.h"
#include "ui/layer.h"

#include <unistd.h>

#include <algorithm>
#include <fstream>

namespace {

// A picture whose every pixel tells where it is: red x, green y, blue the high bits of both.
uint32_t positionColour(int32_t x, int32_t y)
{
    return 0xff000000u | uint32_t(x & 255) << 16 | uint32_t(y & 255) << 8 |
           uint32_t((x >> 8) | (y >> 8) << 4);
}

// Creates the image from a colour function, through the decoded-block byte order.
template <typename Colour>
bool create(BWImage& image, int32_t width, int32_t height, Colour colour)
{
    std::vector<uint8_t> bytes;
    for (int32_t y = 0; y < height; ++y) {
        for (int32_t x = 0; x < width; ++x) {
            uint32_t argb = colour(x, y);
            bytes.insert(bytes.end(), {uint8_t(argb >> 24), uint8_t(argb >> 16), uint8_t(argb >> 8),
                                       uint8_t(argb)});
        }
    }
    return image.create(bytes.data(), width, height);
}

BWDrawParams whole(const BWImage& image, BWRect destination, float alpha = 1.0f, int32_t turn = 0)
{
    BWDrawParams params;
    params.source = image.bounds();
    params.destination = destination;
    params.alpha = alpha;
    params.rotationZ = turn;
    return params;
}

using ImageDraw = GLWindowTest;

TEST_F(ImageDraw, PositionedDrawLandsTopRowUp)
{
    BWImage image;
    ASSERT_TRUE(create(image, 100, 50,
                       [](int32_t, int32_t y) { return y < 25 ? 0xffff0000u : 0xff0000ffu; }));
    image.draw(10, 20);
    Capture frame = captureFrame();
    // Window rows 20..69 are GL rows 530..579 of the 600-high window.
    EXPECT_EQ(countExactly(frame, kRed, BWRect(10, 20, 100, 25)), 100 * 25);
    EXPECT_EQ(countExactly(frame, kBlue, BWRect(10, 45, 100, 25)), 100 * 25);
    EXPECT_EQ(countExactly(frame, 0, BWRect(0, 0, 800, 600)), 800 * 600 - 100 * 50);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(ImageDraw, StretchedDrawPicksNearestTexels)
{
    BWImage image;
    ASSERT_TRUE(create(image, 32, 32, positionColour));
    image.draw(BWRect(100, 100, 64, 16));
    Capture frame = captureFrame();
    saveCapture(frame, "media_stretched");
    // Columns: each texel twice. Rows: one of each pair of texel rows (the pixel centres fall
    // on the boundary between the two, so either is the nearest).
    for (int32_t y = 0; y < 16; ++y) {
        int32_t row = int32_t(rgbAt(frame, 100, 100 + y) >> 8 & 0xff);
        ASSERT_TRUE(row == 2 * y || row == 2 * y + 1) << y;
        for (int32_t x = 0; x < 64; ++x) {
            ASSERT_EQ(rgbAt(frame, 100 + x, 100 + y), positionColour(x / 2, row) & 0xffffff) << x;
        }
    }
    EXPECT_EQ(countExactly(frame, 0, BWRect(0, 0, 800, 600)), 800 * 600 - 64 * 16);
}

TEST_F(ImageDraw, AlphaIsClampedAndTheColourLeftWhite)
{
    BWImage white;
    ASSERT_TRUE(create(white, 8, 8, [](int32_t, int32_t) { return 0xffffffffu; }));
    white.draw(whole(white, BWRect(0, 0, 8, 8), 1.5f));
    white.draw(whole(white, BWRect(20, 0, 8, 8), -0.2f));
    white.draw(whole(white, BWRect(40, 0, 8, 8), 0.5f));
    Capture frame = captureFrame();
    EXPECT_EQ(countExactly(frame, 0xffffff, BWRect(0, 0, 8, 8)), 64);
    EXPECT_EQ(countExactly(frame, 0, BWRect(20, 0, 8, 8)), 64);
    EXPECT_EQ(frame.countMatching(BWRect(40, 0, 8, 8), BWColor(0xff808080u), 1), 64);
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[3], 1.0f);
}

TEST_F(ImageDraw, RotationTurnsClockwiseAboutTheCentre)
{
    BWImage image;  // red on the left half, green on the right
    ASSERT_TRUE(create(image, 40, 20,
                       [](int32_t x, int32_t) { return x < 20 ? 0xffff0000u : 0xff00ff00u; }));
    auto turned = [&](int32_t degrees) {
        clearScreen();
        image.draw(whole(image, BWRect(200, 200, 40, 20), 1.0f, degrees));
        return captureFrame();
    };
    Capture quarter = turned(90);
    // The left half now lies above the centre (220, 210), standing 20 wide and 40 high.
    EXPECT_EQ(countExactly(quarter, kRed, BWRect(211, 191, 18, 18)), 18 * 18);
    EXPECT_EQ(countExactly(quarter, kGreen, BWRect(211, 211, 18, 18)), 18 * 18);
    EXPECT_EQ(countExactly(quarter, 0, BWRect(200, 190, 9, 40)), 9 * 40);
    EXPECT_EQ(turned(450).pixels, quarter.pixels);
    Capture back = turned(-90);
    EXPECT_EQ(countExactly(back, kGreen, BWRect(211, 191, 18, 18)), 18 * 18);
    EXPECT_EQ(countExactly(back, kRed, BWRect(211, 211, 18, 18)), 18 * 18);
    // The matrix was restored: an unturned draw lands in place.
    EXPECT_EQ(countExactly(turned(0), kRed, BWRect(200, 200, 20, 20)), 400);
}

TEST_F(ImageDraw, BackgroundCoversTheWindowWithoutGapsAtTheTileSeams)
{
    using Lengths = std::vector<int32_t>;
    for (int32_t limit : {-1, 256}) {
        setMaxTextureSize(limit);
        BWImage background;
        ASSERT_TRUE(create(background, 800, 600, positionColour));
        setMaxTextureSize(-1);
        const ImageTiles& tiles = background.tiles();
        EXPECT_EQ(tiles.columnWidths,
                  limit < 0 ? Lengths({512, 256, 32}) : Lengths({256, 256, 256, 32}));
        EXPECT_EQ(tiles.rowHeights,
                  limit < 0 ? Lengths({512, 64, 16, 8}) : Lengths({256, 256, 64, 16, 8}));
        background.draw();
        Capture frame = captureFrame();
        saveCapture(frame, "media_background");
        // Every pixel, the seam rows and columns included, shows the picture's own pixel.
        for (int32_t i = 0; i < 800 * 600; ++i) {
            ASSERT_EQ(frame.pixels[size_t(i)] & 0xffffff,
                      positionColour(i % 800, i / 800) & 0xffffff)
                << i % 800 << ", " << i / 800;
        }
    }
}

TEST_F(ImageDraw, SourceInsideOneTileColumnDrawsFromThatColumn)
{
    BWImage sheet;  // tile columns 256, 32, 8, 4 wide
    ASSERT_TRUE(create(sheet, 300, 32, [](int32_t x, int32_t) {
        return x < 256 ? 0xffff0000u : x < 288 ? 0xff00ff00u : 0xff0000ffu;
    }));
    BWDrawParams params = whole(sheet, BWRect(50, 60, 32, 32));
    params.source = BWRect(256, 0, 32, 32);
    sheet.draw(params);
    Capture frame = captureFrame();
    EXPECT_EQ(countExactly(frame, kGreen, BWRect(50, 60, 32, 32)), 32 * 32);
    EXPECT_EQ(countExactly(frame, 0, BWRect(0, 0, 800, 600)), 800 * 600 - 32 * 32);
}

TEST_F(ImageDraw, LoadReversesEachPixelAndPutsTheBottomRowFirst)
{
    TempDir dir;
    writeArgbPng(dir.path("four.png"), 2, 2, {0x80102030, 0xff000001, 0xff000002, 0xff000003});
    BWImage image(BWString("%s", dir.path("four.png").c_str()));
    ASSERT_EQ(image.tiles().textures.size(), 1u);
    uint8_t texels[16] = {};
    glBindTexture(GL_TEXTURE_2D, image.tiles().textures[0]);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_BGRA, GL_UNSIGNED_BYTE, texels);
    // Upload position (0, 1), the second row from the bottom, holds the top-left pixel.
    EXPECT_EQ(std::vector<uint8_t>(texels + 8, texels + 12),
              (std::vector<uint8_t>{0x30, 0x20, 0x10, 0x80}));
    EXPECT_EQ(texels[0], 0x02);

    BWImage missing(BWString("%s", dir.path("none.png").c_str()));
    EXPECT_TRUE(missing.isEmpty());
    EXPECT_EQ(missing.bounds(), BWRect());
    missing.draw(0, 0);
    image.draw(BWPoint(0, 0));
    shutdown();  // the game frees its images after the context has gone
    image.release();
    EXPECT_TRUE(image.isEmpty());
}

// Resident size in bytes.
uint64_t residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    uint64_t pages = 0;
    uint64_t resident = 0;
    statm >> pages >> resident;
    return resident * uint64_t(sysconf(_SC_PAGESIZE));
}

// The software renderer keeps a frame's commands until they are rasterised; presenting must
// hand them over every frame, or a long game grows by the size of every frame it drew.
TEST_F(ImageDraw, PresentedFramesDoNotPileUpInTheRenderer)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "freed memory stays in the sanitizer's quarantine";
#endif
    // Every frame moves the quads a pixel, so that every frame is presented.
    struct Quads : BWLayer {
        BWImage image;
        int32_t frame = 0;
        void onDraw() override
        {
            for (int32_t quad = 0; quad < 300; ++quad) {
                image.draw(BWPoint(quad % 12 * 64 + frame % 2, quad / 12 % 9 * 64));
            }
        }
    } layer;
    ASSERT_TRUE(create(layer.image, 64, 64, positionColour));
    showWindow();
    const int64_t presentedBefore = framesPresented();
    auto drawFrames = [&layer](int32_t count) {
        for (int32_t frame = 0; frame < count; ++frame) {
            ++layer.frame;
            present();
        }
    };
    drawFrames(50);
    const uint64_t before = residentBytes();
    drawFrames(500);
    EXPECT_LT(residentBytes() - std::min(before, residentBytes()), uint64_t{40} << 20);
    EXPECT_EQ(framesPresented() - presentedBefore, 550);
}

} // namespace
