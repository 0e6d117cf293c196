// font_metrics_test.cpp: ".fnt" header checks and the advance, centring, space and skip rules.
#include "media/font_metrics.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

FontMetrics parsed(const FntFile& font)
{
    std::vector<uint8_t> bytes = fntBytes(font);
    FontMetrics metrics;
    EXPECT_TRUE(parseFnt(bytes.data(), bytes.size(), metrics));
    return metrics;
}

bool refused(std::vector<uint8_t> bytes, size_t size)
{
    FontMetrics metrics;
    metrics.spacing = 99;
    return !parseFnt(bytes.data(), size, metrics) && metrics.spacing == 0;
}

TEST(FntFile, BigEndianVersionTwoAndLengthChecks)
{
    FntFile font = fontWithGlyphs("ab", {3, 5}, 4, {0xff112233, 0x80445566});
    font.spaceWidth = 6;
    FontMetrics metrics = parsed(font);
    EXPECT_EQ(metrics.sheetWidth, 8);
    EXPECT_EQ(metrics.spaceWidth, 6);
    EXPECT_EQ(metrics.glyphRight[1], 8);
    EXPECT_EQ(metrics.glyphOf['b'], 1);
    ASSERT_EQ(metrics.pixels.size(), 8u * 4 * 4);
    EXPECT_EQ(metrics.pixels[3 * 4 + 1], 0x44);  // the sheet stays alpha, red, green, blue

    std::vector<uint8_t> bytes = fntBytes(font);
    EXPECT_TRUE(refused(bytes, kFntHeaderBytes - 1));
    EXPECT_TRUE(refused(bytes, bytes.size() - 1));  // one byte short of its pixels
    bytes.push_back(0x42);
    EXPECT_FALSE(refused(bytes, bytes.size()));      // extra bytes are ignored
    std::swap(bytes[4], bytes[7]);                   // version bytes 02 00 00 00
    EXPECT_TRUE(refused(bytes, bytes.size()));

    FntFile wild = font;
    wild.glyphRight[1] = 9;  // past the sheet's 8 columns
    EXPECT_TRUE(refused(fntBytes(wild), fntBytes(wild).size()));
    wild.glyphRight[1] = 2;  // ends before it starts
    EXPECT_TRUE(refused(fntBytes(wild), fntBytes(wild).size()));
    wild.glyphRight[1] = 8;
    wild.glyphRight[2] = -5;  // no character maps to glyph 2: its entry does not matter
    EXPECT_FALSE(refused(fntBytes(wild), fntBytes(wild).size()));

    font.sheetWidth = -4;  // -4 x -4 pixels would pass the length check
    font.sheetHeight = -4;
    bytes = fntBytes(font);
    bytes.resize(bytes.size() + 64);
    EXPECT_TRUE(refused(bytes, bytes.size()));
}

TEST(FontAdvance, DigitWidthEvensOutDigitsOnly)
{
    FntFile font = fontWithGlyphs("18a", {6, 12, 9}, 8);
    font.digitWidth = 16;
    FontMetrics metrics = parsed(font);
    EXPECT_EQ(fontTextWidth(metrics, "1"), 16);
    EXPECT_EQ(fontTextWidth(metrics, "8"), 16);
    EXPECT_EQ(placeGlyph(metrics, '1').shift, 5);
    EXPECT_EQ(fontTextWidth(metrics, "a"), 9);
    EXPECT_EQ(placeGlyph(metrics, 'a').shift, 0);
}

TEST(FontAdvance, SpacesSkipsAndLines)
{
    FntFile font = fontWithGlyphs("abcde", {4, 5, 6, 7, 8}, 10);
    font.spacing = 2;
    FontMetrics metrics = parsed(font);
    EXPECT_EQ(fontTextWidth(metrics, "ab\ncde"), (6 + 2) + (7 + 2) + (8 + 2));
    EXPECT_EQ(linesHeight(fontLineHeight(metrics), "ab\ncde"), 2 * (10 + 2));
    EXPECT_EQ(linesHeight(fontLineHeight(metrics), nullptr), 12);
    // spaceWidth 0 skips spaces without spacing; codes 128-255 and glyphless codes are skipped.
    EXPECT_EQ(fontTextWidth(metrics, "a b\xc8\xff~"), fontTextWidth(metrics, "ab"));
    font.spaceWidth = 4;
    EXPECT_EQ(fontTextWidth(parsed(font), "a b"), (4 + 2) + (4 + 2) + (5 + 2));
}

TEST(FontCharWidth, GlyphZeroAndSpacesFollowTheCursorRule)
{
    FntFile font = fontWithGlyphs(" a1", {3, 5, 9}, 8);  // the space is glyph 0
    font.fixedWidth = 20;
    FontMetrics metrics = parsed(font);
    EXPECT_EQ(fontCharWidth(metrics, ' '), 3);  // glyph 0 keeps its own width
    EXPECT_EQ(fontCharWidth(metrics, 'a'), 20);
    EXPECT_EQ(fontCharWidth(metrics, 0xe9), 0);
    FntFile noSpace = fontWithGlyphs("x", {4}, 8);
    noSpace.spaceWidth = 11;
    EXPECT_EQ(fontCharWidth(parsed(noSpace), ' '), 11);  // no glyph: the space width
}

TEST(FontAdvance, DamagedWidthsSaturateInsteadOfOverflowing)
{
    FntFile font = fontWithGlyphs("a", {1}, 1);
    font.fixedWidth = font.spacing = 0x7fffff00;
    FontMetrics metrics = parsed(font);
    EXPECT_EQ(fontTextWidth(metrics, "aaaa"), INT32_MAX);
    EXPECT_EQ(linesHeight(fontLineHeight(metrics), "\n\n"), INT32_MAX);
}

} // namespace
