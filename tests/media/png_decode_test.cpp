// png_decode_test.cpp: every PNG colour type decodes to ARGB; damaged or missing files give nothing.
#include "media/png_decode.h"
#include "test_files.h"

#include <png.h>

#include <gtest/gtest.h>

namespace {

class PngDecode : public ::testing::Test {
protected:
    // Writes the picture and decodes it into packed ARGB values.
    std::vector<uint32_t> decoded(int width, int height, int colourType, int bitDepth,
                                  std::vector<uint8_t> rows, bool interlaced = false,
                                  std::vector<uint8_t> palette = {},
                                  std::vector<uint8_t> alpha = {})
    {
        writePng(dir.path("p.png"),
                 {width, height, colourType, bitDepth, interlaced, palette, alpha, rows});
        return decodeFile("p.png");
    }

    std::vector<uint32_t> decodeFile(const char* name)
    {
        std::unique_ptr<uint8_t[]> pixels =
            decodePng(BWString("%s", dir.path(name).c_str()), &width, &height);
        std::vector<uint32_t> argb;
        for (int32_t i = 0; pixels && i < width * height; ++i) {
            const uint8_t* p = pixels.get() + i * 4;
            argb.push_back(uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 |
                           p[3]);
        }
        return argb;
    }

    TempDir dir;
    int32_t width = -1;
    int32_t height = -1;
};

using Pixels = std::vector<uint32_t>;

TEST_F(PngDecode, EveryColourTypeComesOutAsArgb)
{
    // Palette with tRNS: entries past the transparency table stay opaque.
    EXPECT_EQ(decoded(3, 1, PNG_COLOR_TYPE_PALETTE, 8, {0, 1, 2}, false,
                      {10, 20, 30, 40, 50, 60, 70, 80, 90}, {0x00, 0x7f}),
              (Pixels{0x000a141e, 0x7f28323c, 0xff46505a}));
    EXPECT_EQ(width, 3);
    EXPECT_EQ(height, 1);
    // Colour without alpha gets 0xFF; the top row stays first.
    EXPECT_EQ(decoded(1, 2, PNG_COLOR_TYPE_RGB, 8, {0x10, 0x20, 0x30, 0x40, 0x50, 0x60}),
              (Pixels{0xff102030, 0xff405060}));
    EXPECT_EQ(decoded(1, 1, PNG_COLOR_TYPE_RGB_ALPHA, 8, {0x11, 0x22, 0x33, 0x80}),
              (Pixels{0x80112233}));
    // 16-bit grey keeps the high byte on all three channels.
    EXPECT_EQ(decoded(2, 1, PNG_COLOR_TYPE_GRAY, 16, {0x12, 0x34, 0xab, 0xcd}),
              (Pixels{0xff121212, 0xffababab}));
    EXPECT_EQ(decoded(4, 1, PNG_COLOR_TYPE_GRAY, 1, {0xa0}),
              (Pixels{0xffffffff, 0xff000000, 0xffffffff, 0xff000000}));
    EXPECT_EQ(decoded(1, 1, PNG_COLOR_TYPE_GRAY_ALPHA, 8, {0x40, 0x90}), (Pixels{0x90404040}));
}

TEST_F(PngDecode, InterlacedPictureComesOutInPlace)
{
    std::vector<uint8_t> rows;
    Pixels expected;
    for (int i = 0; i < 81; ++i) {
        rows.insert(rows.end(), {uint8_t(i % 9 * 20), uint8_t(i / 9 * 20), 0x55});
        expected.push_back(0xff000055u | uint32_t(i % 9 * 20) << 16 | uint32_t(i / 9 * 20) << 8);
    }
    EXPECT_EQ(decoded(9, 9, PNG_COLOR_TYPE_RGB, 8, rows, true), expected);
}

TEST_F(PngDecode, DamagedOrMissingFilesGiveNothing)
{
    std::vector<uint8_t> rows;
    for (int i = 0; i < 64 * 64 * 3; ++i) {
        rows.push_back(uint8_t(i * 7));
    }
    writePng(dir.path("whole.png"), {64, 64, PNG_COLOR_TYPE_RGB, 8, false, {}, {}, rows});
    std::vector<uint8_t> whole = readBytes(dir.path("whole.png"));
    writeBytes(dir.path("truncated.png"), {whole.begin(), whole.begin() + whole.size() / 2});
    std::vector<uint8_t> corrupt = whole;
    for (size_t i = 60; i < 90; ++i) {
        corrupt[i] ^= 0x5a;  // inside the image data
    }
    writeBytes(dir.path("corrupt.png"), corrupt);
    writeBytes(dir.path("text.png"), {'n', 'o', 't', ' ', 'a', ' ', 'p', 'n', 'g'});
    writeBytes(dir.path("signature.png"), {whole.begin(), whole.begin() + 8});
    for (const char* name :
         {"truncated.png", "corrupt.png", "text.png", "signature.png", "none.png"}) {
        width = height = -1;
        EXPECT_TRUE(decodeFile(name).empty()) << name;
        EXPECT_EQ(width + height, 0) << name;
    }
    EXPECT_EQ(decodePng(BWString()), nullptr);
}

TEST_F(PngDecode, PicturesTooLargeToHoldAreRefusedBeforeTheirPixelsAreRead)
{
    std::vector<uint8_t> row(16385, 0x80);
    EXPECT_EQ(decoded(16384, 1, PNG_COLOR_TYPE_GRAY, 8, {row.begin(), row.end() - 1}).size(), 16384u);
    EXPECT_TRUE(decoded(16385, 1, PNG_COLOR_TYPE_GRAY, 8, row).empty()) << "wider than 16384";
    EXPECT_TRUE(decoded(1, 16385, PNG_COLOR_TYPE_GRAY, 8, row).empty()) << "higher than 16384";
    std::vector<uint8_t> rows(size_t(1025) * 8192, 0);  // one bit per pixel, 1025 bytes a row
    EXPECT_TRUE(decoded(8193, 8192, PNG_COLOR_TYPE_GRAY, 1, rows).empty()) << "more than 2^26 pixels";
    EXPECT_EQ(width + height, 0);
}

} // namespace
