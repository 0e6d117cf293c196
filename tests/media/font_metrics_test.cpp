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

TEST(FntFile, HeaderIsBigEndianVersionTwo)
{
    FntFile font = fontWithGlyphs("ab", {3, 5}, 4, {0xff112233, 0x80445566});
    font.spacing = 1;
    font.spaceWidth = 6;
    FontMetrics metrics = parsed(font);
    EXPECT_EQ(metrics.version, 2);
    EXPECT_EQ(metrics.sheetWidth, 8);
    EXPECT_EQ(metrics.sheetHeight, 4);
    EXPECT_EQ(metrics.spacing, 1);
    EXPECT_EQ(metrics.spaceWidth, 6);
    EXPECT_EQ(metrics.glyphRight[1], 8);
    EXPECT_EQ(metrics.glyphOf['b'], 1);
    EXPECT_EQ(metrics.glyphOf['c'], -1);
    ASSERT_EQ(metrics.pixels.size(), 8u * 4 * 4);
    // The sheet stays in alpha, red, green, blue order.
    EXPECT_EQ(metrics.pixels[0], 0xff);
    EXPECT_EQ(metrics.pixels[3 * 4 + 1], 0x44);

    std::vector<uint8_t> littleEndian = fntBytes(font);
    std::swap(littleEndian[4], littleEndian[7]);  // 02 00 00 00
    FontMetrics refused;
    refused.spacing = 99;
    EXPECT_FALSE(parseFnt(littleEndian.data(), littleEndian.size(), refused));
    EXPECT_EQ(refused.spacing, 0);
}

TEST(FntFile, LengthChecksRefuseShortFiles)
{
    FntFile font = fontWithGlyphs("x", {4}, 2);
    std::vector<uint8_t> bytes = fntBytes(font);
    FontMetrics metrics;
    EXPECT_FALSE(parseFnt(bytes.data(), fntHeaderBytes - 1, metrics));
    EXPECT_FALSE(parseFnt(bytes.data(), bytes.size() - 1, metrics));  // one pixel byte short
    bytes.push_back(0x42);                                            // trailing bytes: ignored
    EXPECT_TRUE(parseFnt(bytes.data(), bytes.size(), metrics));
    EXPECT_EQ(metrics.pixels.size(), 4u * 2 * 4);

    FntFile negative = fontWithGlyphs("x", {4}, 2);
    negative.sheetWidth = -4;
    negative.sheetHeight = -2;  // the product is positive: still refused
    std::vector<uint8_t> negativeBytes = fntBytes(negative);
    negativeBytes.resize(negativeBytes.size() + 64);
    EXPECT_FALSE(parseFnt(negativeBytes.data(), negativeBytes.size(), metrics));

    FntFile huge = fontWithGlyphs("x", {4}, 2);
    huge.sheetWidth = 0x7fffffff;
    huge.sheetHeight = 0x7fffffff;
    std::vector<uint8_t> hugeBytes = fntBytes(huge);
    EXPECT_FALSE(parseFnt(hugeBytes.data(), hugeBytes.size(), metrics));
}

TEST(FontAdvance, FixedWidthCentresEveryGlyph)
{
    FntFile font = fontWithGlyphs("iW", {12, 30}, 8);
    font.fixedWidth = 20;
    font.spacing = 2;
    FontMetrics metrics = parsed(font);
    GlyphPlacement narrow = placeGlyph(metrics, 'i');
    EXPECT_EQ(narrow.kind, GlyphPlacement::Glyph);
    EXPECT_EQ(narrow.shift, 4);
    EXPECT_EQ(narrow.advance, 20);
    EXPECT_EQ(placeGlyph(metrics, 'W').shift, -5);
    EXPECT_EQ(fontTextWidth(metrics, "iW"), 2 * (20 + 2));
}

TEST(FontAdvance, DigitWidthEvensOutDigitsOnly)
{
    FntFile font = fontWithGlyphs("18a", {6, 12, 9}, 8);
    font.digitWidth = 16;
    FontMetrics metrics = parsed(font);
    EXPECT_EQ(placeGlyph(metrics, '1').advance, 16);
    EXPECT_EQ(placeGlyph(metrics, '8').advance, 16);
    EXPECT_EQ(placeGlyph(metrics, '1').shift, 5);
    EXPECT_EQ(placeGlyph(metrics, '8').shift, 2);
    EXPECT_EQ(placeGlyph(metrics, 'a').advance, 9);
    EXPECT_EQ(placeGlyph(metrics, 'a').shift, 0);
    EXPECT_EQ(fontTextWidth(metrics, "1"), fontTextWidth(metrics, "8"));
}

TEST(FontAdvance, SpacesAndCharactersWithoutGlyphs)
{
    FntFile font = fontWithGlyphs("ab", {5, 7}, 8);
    font.spacing = 1;
    FontMetrics metrics = parsed(font);
    // spaceWidth 0: a space takes neither advance nor spacing.
    EXPECT_EQ(fontTextWidth(metrics, "a b"), fontTextWidth(metrics, "ab"));
    EXPECT_EQ(fontTextWidth(metrics, "a\xc8\xff" "b~"), fontTextWidth(metrics, "ab"));
    EXPECT_EQ(placeGlyph(metrics, 0xe1).kind, GlyphPlacement::Skipped);

    font.spaceWidth = 4;
    metrics = parsed(font);
    EXPECT_EQ(placeGlyph(metrics, ' ').kind, GlyphPlacement::Space);
    EXPECT_EQ(fontTextWidth(metrics, "a b"), (5 + 1) + (4 + 1) + (7 + 1));
}

TEST(FontAdvance, TwoLinesMeasureTheWiderLineAndBothHeights)
{
    FntFile font = fontWithGlyphs("abcde", {4, 5, 6, 7, 8}, 10);
    font.spacing = 2;
    FontMetrics metrics = parsed(font);
    EXPECT_EQ(fontTextWidth(metrics, "ab\ncde"), (6 + 2) + (7 + 2) + (8 + 2));
    EXPECT_EQ(fontTextWidth(metrics, "cde\nab"), (6 + 2) + (7 + 2) + (8 + 2));
    EXPECT_EQ(linesHeight(fontLineHeight(metrics), "ab\ncde"), 2 * (10 + 2));
    EXPECT_EQ(linesHeight(fontLineHeight(metrics), nullptr), 12);
    EXPECT_EQ(fontTextWidth(metrics, nullptr), 0);
}

TEST(FontCharWidth, CursorRuleDiffersFromTheAdvanceForGlyphZeroAndSpaces)
{
    FntFile font = fontWithGlyphs(" ab1", {3, 5, 7, 9}, 8);  // the space is glyph 0
    font.fixedWidth = 20;
    font.spaceWidth = 11;
    FontMetrics metrics = parsed(font);
    EXPECT_EQ(fontCharWidth(metrics, ' '), 3);  // glyph 0 keeps its own width
    EXPECT_EQ(fontCharWidth(metrics, 'a'), 20);
    EXPECT_EQ(fontCharWidth(metrics, 'z'), 0);
    EXPECT_EQ(fontCharWidth(metrics, 0xe9), 0);

    FntFile digits = fontWithGlyphs("x1", {4, 6}, 8);
    digits.digitWidth = 16;
    digits.spaceWidth = 11;
    FontMetrics digitMetrics = parsed(digits);
    EXPECT_EQ(fontCharWidth(digitMetrics, '1'), 16);
    EXPECT_EQ(fontCharWidth(digitMetrics, 'x'), 4);
    EXPECT_EQ(fontCharWidth(digitMetrics, ' '), 11);  // no glyph: the space width
}

TEST(FontAdvance, DamagedWidthsSaturateInsteadOfOverflowing)
{
    FntFile font = fontWithGlyphs("a", {1}, 1);
    font.fixedWidth = 0x7fffff00;
    font.spacing = 0x7fffff00;
    FontMetrics metrics = parsed(font);
    EXPECT_EQ(fontTextWidth(metrics, "aaaa"), INT32_MAX);
    EXPECT_EQ(linesHeight(fontLineHeight(metrics), "\n\n"), INT32_MAX);
}

} // namespace
