// png_decode_test.cpp: every PNG colour type decodes to alpha-red-green-blue bytes, top row
// first; damaged and missing files give nothing.
#include "media/png_decode.h"
#include "test_files.h"

#include <png.h>

#include <gtest/gtest.h>

namespace {

// The decoded block as one packed ARGB value per pixel, for readable expectations.
std::vector<uint32_t> decodeArgb(const std::string& path, int32_t& width, int32_t& height)
{
    std::unique_ptr<uint8_t[]> pixels = decodePng(BWString("%s", path.c_str()), &width, &height);
    std::vector<uint32_t> argb;
    for (int32_t i = 0; pixels && i < width * height; ++i) {
        const uint8_t* p = pixels.get() + i * 4;
        argb.push_back(uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]);
    }
    return argb;
}

PngPicture pngOf(int width, int height, int colourType, int bitDepth, bool interlaced = false)
{
    PngPicture picture;
    picture.width = width;
    picture.height = height;
    picture.colourType = colourType;
    picture.bitDepth = bitDepth;
    picture.interlaced = interlaced;
    return picture;
}

class PngDecode : public ::testing::Test {
protected:
    std::vector<uint32_t> decodeFile(const PngPicture& picture)
    {
        writePng(dir.path("picture.png"), picture);
        return decodeArgb(dir.path("picture.png"), width, height);
    }

    TempDir dir;
    int32_t width = -1;
    int32_t height = -1;
};

TEST_F(PngDecode, PaletteWithTransparencyGetsAlphaPerEntry)
{
    PngPicture picture = pngOf(3, 1, PNG_COLOR_TYPE_PALETTE, 8);
    picture.palette = {10, 20, 30, 40, 50, 60, 70, 80, 90};
    picture.transparency = {0x00, 0x7f};  // the third entry has none: opaque
    picture.rows = {0, 1, 2};
    EXPECT_EQ(decodeFile(picture),
              (std::vector<uint32_t>{0x000a141e, 0x7f28323c, 0xff46505a}));
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 1);
}

TEST_F(PngDecode, ColourWithoutAlphaIsOpaqueAndRowsStayTopFirst)
{
    PngPicture picture = pngOf(2, 2, PNG_COLOR_TYPE_RGB, 8);
    picture.rows = {0x10, 0x20, 0x30, 0x40, 0x50, 0x60,   // top row
                    0x70, 0x80, 0x90, 0xa0, 0xb0, 0xc0};  // bottom row
    EXPECT_EQ(decodeFile(picture),
              (std::vector<uint32_t>{0xff102030, 0xff405060, 0xff708090, 0xffa0b0c0}));
}

TEST_F(PngDecode, ColourWithAlphaMovesAlphaToTheFront)
{
    PngPicture picture = pngOf(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8);
    picture.rows = {0x11, 0x22, 0x33, 0x80};
    EXPECT_EQ(decodeFile(picture), (std::vector<uint32_t>{0x80112233}));
}

TEST_F(PngDecode, GreyDepthsExpandToEqualChannels)
{
    PngPicture sixteen = pngOf(2, 1, PNG_COLOR_TYPE_GRAY, 16);
    sixteen.rows = {0x12, 0x34, 0xab, 0xcd};
    EXPECT_EQ(decodeFile(sixteen), (std::vector<uint32_t>{0xff121212, 0xffababab}));

    PngPicture oneBit = pngOf(8, 1, PNG_COLOR_TYPE_GRAY, 1);
    oneBit.rows = {0xa0};  // 1 0 1 0 0 0 0 0
    std::vector<uint32_t> bits = decodeFile(oneBit);
    ASSERT_EQ(bits.size(), 8u);
    EXPECT_EQ(bits[0], 0xffffffffu);
    EXPECT_EQ(bits[1], 0xff000000u);
    EXPECT_EQ(bits[2], 0xffffffffu);
    EXPECT_EQ(bits[7], 0xff000000u);

    PngPicture greyAlpha = pngOf(1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8);
    greyAlpha.rows = {0x40, 0x90};
    EXPECT_EQ(decodeFile(greyAlpha), (std::vector<uint32_t>{0x90404040}));
}

TEST_F(PngDecode, InterlacedPictureComesOutInPlace)
{
    PngPicture picture = pngOf(9, 9, PNG_COLOR_TYPE_RGB, 8, true);
    std::vector<uint32_t> expected;
    for (int y = 0; y < 9; ++y) {
        for (int x = 0; x < 9; ++x) {
            picture.rows.insert(picture.rows.end(), {uint8_t(x * 20), uint8_t(y * 20), 0x55});
            expected.push_back(0xff000000u | uint32_t(x * 20) << 16 | uint32_t(y * 20) << 8 | 0x55);
        }
    }
    EXPECT_EQ(decodeFile(picture), expected);
}

TEST_F(PngDecode, DamagedOrMissingFilesGiveNothing)
{
    PngPicture picture = pngOf(64, 64, PNG_COLOR_TYPE_RGB, 8);
    for (int i = 0; i < 64 * 64 * 3; ++i) {
        picture.rows.push_back(uint8_t(i * 7));
    }
    writePng(dir.path("whole.png"), picture);
    std::vector<uint8_t> whole = readBytes(dir.path("whole.png"));

    std::vector<uint8_t> truncated(whole.begin(), whole.begin() + whole.size() / 2);
    writeBytes(dir.path("truncated.png"), truncated);
    std::vector<uint8_t> corrupt = whole;
    for (size_t i = 60; i < 90; ++i) {
        corrupt[i] ^= 0x5a;  // inside the image data: a CRC or inflate error
    }
    writeBytes(dir.path("corrupt.png"), corrupt);
    writeBytes(dir.path("text.png"), {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g', '!'});
    std::vector<uint8_t> signatureOnly(whole.begin(), whole.begin() + 8);
    writeBytes(dir.path("signature.png"), signatureOnly);

    for (const char* name : {"truncated.png", "corrupt.png", "text.png", "signature.png",
                             "missing.png"}) {
        SCOPED_TRACE(name);
        width = height = -1;
        EXPECT_TRUE(decodeArgb(dir.path(name), width, height).empty());
        EXPECT_EQ(width, 0);
        EXPECT_EQ(height, 0);
    }
    EXPECT_EQ(decodePng(BWString()), nullptr);
}

} // namespace
