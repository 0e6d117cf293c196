// font_files_test.cpp: the six ".fnt" files follow the font format and fit where the game draws them.
#include "resources.h"

#include "game/asset_files.h"
#include "game/screen_layout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

const char* const kBoardFonts[] = {kGivenFont, kPlayerFont, kConflictFont};
const char* const kPencilFonts[] = {kPencilFont, kPencilConflictFont};

// The pen advance of one character by the game's drawing rules.
int advance(const FontMetrics& font, char c) { return placeGlyph(font, static_cast<unsigned char>(c)).advance; }

int textWidth(const FontMetrics& font, const std::string& text) { return fontTextWidth(font, text.c_str()); }

// Whether the glyph of a character has any visible pixel.
bool hasInk(const FontMetrics& font, char c)
{
    int glyph = font.glyphOf[int(c)];
    int left = glyph == 0 ? 0 : font.glyphRight[glyph - 1];
    for (int y = 0; y < font.sheetHeight; y++)
        for (int x = left; x < font.glyphRight[glyph]; x++)
            if (font.pixels[(size_t(y) * font.sheetWidth + x) * 4] > 128) return true;
    return false;
}

}  // namespace

TEST(FontFiles, HeaderIsVersionTwoBigEndianWithAGlyphForEveryPrintableCharacter)
{
    for (const char* name : kFonts) {
        std::vector<uint8_t> bytes = readResource(name);
        ASSERT_GE(bytes.size(), 676u) << name;
        EXPECT_EQ(bytes[4], 0);
        EXPECT_EQ(bytes[7], 2) << name << ": the version word is big-endian";
        FontMetrics font;
        ASSERT_TRUE(readFont(name, font)) << name;
        EXPECT_EQ(font.version, 2);
        EXPECT_EQ(font.fixedWidth, 0) << name;
        EXPECT_GT(font.spaceWidth, 0) << name;
        int right = 0;
        for (int code = 32; code <= 126; code++) {
            ASSERT_GE(font.glyphOf[code], 0) << name << " lacks a glyph for " << code;
            EXPECT_GT(fontCharWidth(font, static_cast<unsigned char>(code)), 0) << name << " glyph " << code;
            right = std::max(right, font.glyphRight[font.glyphOf[code]]);
        }
        EXPECT_LE(right, font.sheetWidth) << name << ": glyphs run past the sheet";
        for (char digit = '0'; digit <= '9'; digit++) EXPECT_TRUE(hasInk(font, digit)) << name << " " << digit;
        EXPECT_TRUE(hasInk(font, 'A')) << name;
    }
}

TEST(FontFiles, MainTextFitsTheNameBoxAndTheClockCard)
{
    FontMetrics font;
    ASSERT_TRUE(readFont("font_main.fnt", font));
    EXPECT_LE(fontLineHeight(font), kNameBox.h) << "taller than the name box";
    EXPECT_GE(font.sheetHeight, 12) << "too small to read";
    // The clock is drawn inside the left column and ends before the buttons' right edge.
    EXPECT_LE(kClockLeft + textWidth(font, "00:00:00"), kGameButtonsLeft + kGameButtonWidth);
    // The digits keep one width so the running clock does not jitter.
    EXPECT_EQ(advance(font, '1'), advance(font, '8'));
    // The best time, drawn to end at its right edge, must not run into the label.
    EXPECT_LT(textWidth(font, "Classic (Normal)") + textWidth(font, "Anonymous - 10:00:00"),
              kBestTimeRight - kLabelLeft);
}

TEST(FontFiles, BoardDigitsFitACellAndPencilMarksAThirdOfOne)
{
    Picture zone;
    ASSERT_TRUE(readPicture("game_zone1.png", zone));
    for (const char* name : kBoardFonts) {
        FontMetrics font;
        ASSERT_TRUE(readFont(name, font));
        EXPECT_LE(fontLineHeight(font), zone.height - 4) << name;
        EXPECT_LE(textWidth(font, "8"), zone.width - 4) << name;
        EXPECT_EQ(advance(font, '1'), advance(font, '7')) << name << ": digits share one width";
    }
    for (const char* name : kPencilFonts) {
        FontMetrics font;
        ASSERT_TRUE(readFont(name, font));
        EXPECT_LE(fontLineHeight(font), zone.height / 3) << name;
        EXPECT_LE(textWidth(font, "8"), zone.width / 3) << name;
    }
}

TEST(FontFiles, NoGlyphIsCutAtTheTopOrBottomOfItsSheet)
{
    for (const char* name : kFonts) {
        FontMetrics font;
        ASSERT_TRUE(readFont(name, font));
        int strongest = 0;
        for (int x = 0; x < font.sheetWidth; x++) {
            strongest = std::max<int>(strongest, font.pixels[size_t(x) * 4]);
            strongest = std::max<int>(strongest, font.pixels[(size_t(font.sheetHeight - 1) * font.sheetWidth + x) * 4]);
        }
        EXPECT_LT(strongest, 96) << name << ": ink reaches the sheet's edge, so a glyph is cut off";
    }
}

TEST(FontFiles, BoardDigitsSitInTheMiddleOfTheirSheet)
{
    // The game centres the sheet in the cell, so the digits' ink must be centred in the sheet.
    for (const char* name : {"font_original.fnt", "font_puzzle.fnt", "font_puzzle_small.fnt"}) {
        FontMetrics font;
        ASSERT_TRUE(readFont(name, font));
        int glyph = font.glyphOf[int('8')];
        int left = font.glyphRight[glyph - 1];
        int top = font.sheetHeight;
        int bottom = 0;
        int first = font.glyphRight[glyph];
        int last = 0;
        for (int y = 0; y < font.sheetHeight; y++)
            for (int x = left; x < font.glyphRight[glyph]; x++)
                if (font.pixels[(size_t(y) * font.sheetWidth + x) * 4] > 128) {
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                    first = std::min(first, x - left);
                    last = std::max(last, x - left);
                }
        EXPECT_NEAR((top + bottom) / 2.0, (font.sheetHeight - 1) / 2.0, 1.5) << name;
        EXPECT_NEAR((first + last) / 2.0, (font.glyphRight[glyph] - left - 1) / 2.0, 1.5) << name;
    }
}

TEST(FontFiles, MainTextInkStandsOutOnTheWhiteNameBox)
{
    EXPECT_GE(contrastRatio(fontInk("font_main.fnt"), 0xffffff), 7.0);
}

TEST(FontFiles, ConflictsAreRedAndPlayerDigitsBlue)
{
    auto red = [](uint32_t c) { return int(c >> 16); };
    auto blue = [](uint32_t c) { return int(c & 0xff); };
    EXPECT_GT(red(fontInk("font_conflict.fnt")), blue(fontInk("font_conflict.fnt")) + 80);
    EXPECT_GT(red(fontInk("font_conflict_small.fnt")),
              blue(fontInk("font_conflict_small.fnt")) + 80);
    EXPECT_GT(blue(fontInk("font_puzzle.fnt")), red(fontInk("font_puzzle.fnt")) + 80);
    EXPECT_NE(fontInk("font_original.fnt"), fontInk("font_puzzle.fnt"));
}
