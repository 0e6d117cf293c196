// scaled_art_test.cpp: images and fonts drawn from the sharper sets at their logical size,
// falling back to the 1x files, and loading again when the picture's scale changes.
#include "frame/app.h"
#include "frame/display.h"
#include "media/art_scale.h"
#include "media/font.h"
#include "media/image.h"
#include "tests/harness/harness.h"
#include "tests/media/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

constexpr uint32_t kRed = 0xffff0000u;
constexpr uint32_t kGreen = 0xff00ff00u;

void writeFilled(const std::string& path, int width, int height, uint32_t argb)
{
    writeArgbPng(path, width, height, std::vector<uint32_t>(size_t(width) * height, argb));
}

// A window whose picture is shown at twice its size, with its art loading from a folder.
struct ScaledArtTest : ::testing::Test {
    void SetUp() override
    {
        std::filesystem::create_directories(folder.path("@2x"));
        requestWindowPlacement(WindowPlacement{1600, 1200, false});
        openTestWindow(15);
        requestWindowPlacement(WindowPlacement{});
    }
    void TearDown() override { shutdown(); }
    TempDir folder;
};

} // namespace

TEST_F(ScaledArtTest, ImagesTakeTheSharperFileWhenItIsWholeAndTheOneTimesFileOtherwise)
{
    ASSERT_EQ(presentationScale(), 2.0);
    writeFilled(folder.path("whole.png"), 4, 2, kRed);
    writeFilled(folder.path("@2x/whole.png"), 8, 4, kGreen);
    writeFilled(folder.path("missing.png"), 4, 2, kRed);
    writeFilled(folder.path("broken.png"), 4, 2, kRed);
    writeBytes(folder.path("@2x/broken.png"), {0x89, 'P', 'N', 'G', 1, 2, 3});
    writeFilled(folder.path("uneven.png"), 4, 2, kRed);
    writeFilled(folder.path("@2x/uneven.png"), 7, 4, kGreen);

    BWImage whole(BWString("%s", folder.path("whole.png").c_str()));
    EXPECT_EQ(artScale(), 2);
    EXPECT_EQ(whole.scale(), 2);
    EXPECT_EQ(whole.bounds(), BWRect(0, 0, 4, 2)) << "the logical size stays the 1x size";
    for (const char* name : {"missing.png", "broken.png", "uneven.png"}) {
        BWImage fallback(BWString("%s", folder.path(name).c_str()));
        EXPECT_FALSE(fallback.isEmpty()) << name;
        EXPECT_EQ(fallback.scale(), 1) << name;
        EXPECT_EQ(fallback.bounds(), BWRect(0, 0, 4, 2)) << name;
    }
    // Drawn at its logical place, the sharper picture covers 8 x 4 drawable pixels, texel for pixel.
    clearScreen();
    whole.draw(10, 20);
    Capture frame = captureFrame();
    EXPECT_EQ(frame.countMatching(BWRect(20, 40, 8, 4), BWColor(kGreen), 0), 32);
    EXPECT_EQ(frame.countMatching(BWRect(16, 36, 16, 12), BWColor(kGreen), 0), 32);

    // Shown at 1x again, it loads its 1x file.
    platformSetWindowSize(800, 600);
    preparePresentation();
    EXPECT_EQ(artScale(), 1);
    EXPECT_EQ(whole.scale(), 1);
    EXPECT_EQ(whole.bounds(), BWRect(0, 0, 4, 2));
}

TEST_F(ScaledArtTest, FontsKeepTheirMetricsAndTakeAWholeSharperSheetOnly)
{
    FntFile small = fontWithGlyphs("ab", {3, 5}, 4, {kRed, kRed});
    writeBytes(folder.path("text.fnt"), fntBytes(small));
    FntFile sharp = fontWithGlyphs("ab", {6, 10}, 8, {kGreen, kGreen});
    writeBytes(folder.path("@2x/text.fnt"), fntBytes(sharp));
    BWFont font(BWString("%s", folder.path("text.fnt").c_str()));
    EXPECT_EQ(font.textWidth("ab"), 8) << "widths are the 1x metrics";
    EXPECT_EQ(font.textHeight("ab"), 4);
    clearScreen();
    font.draw(0, 0, "ab");
    Capture frame = captureFrame();
    EXPECT_EQ(frame.countMatching(BWRect(0, 0, 16, 8), BWColor(kGreen), 0), 16 * 8);

    // A sharper sheet of the wrong size is refused for the 1x sheet.
    sharp = fontWithGlyphs("ab", {6, 10}, 9, {kGreen, kGreen});
    writeBytes(folder.path("@2x/text.fnt"), fntBytes(sharp));
    ASSERT_TRUE(font.load(BWString("%s", folder.path("text.fnt").c_str())));
    clearScreen();
    font.draw(0, 0, "ab");
    frame = captureFrame();
    EXPECT_EQ(frame.countMatching(BWRect(0, 0, 16, 8), BWColor(kRed), 0), 16 * 8);
}
