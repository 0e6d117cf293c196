// scaled_sets_test.cpp: the 2x and 3x sets hold every picture and font of the 1x set, drawn with
// exactly that many pixels per logical pixel and the same layout.
#include "resources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

const int kScales[] = {2, 3};

std::string scaledName(int scale, const std::string& name) { return "@" + std::to_string(scale) + "x/" + name; }

// The 1x files with the given ending, found in the folder itself so a new picture is covered too.
std::vector<std::string> oneTimesFiles(const std::string& ending)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(PELLIX_RESOURCES_DIR)) {
        std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.size() > ending.size() &&
            name.compare(name.size() - ending.size(), ending.size(), ending) == 0)
            names.push_back(name);
    }
    return names;
}

// The mean difference per channel between a 1x picture and the scaled picture averaged down to
// 1x: small when both show the same thing at the same places.
double meanDifference(const Picture& small, const Picture& large, int scale)
{
    double total = 0;
    for (int y = 0; y < small.height; y++)
        for (int x = 0; x < small.width; x++)
            for (int channel = 0; channel < 4; channel++) {
                int sum = 0;
                for (int dy = 0; dy < scale; dy++)
                    for (int dx = 0; dx < scale; dx++)
                        sum += large.argb[(size_t(y * scale + dy) * large.width + x * scale + dx) * 4 + channel];
                double averaged = double(sum) / (scale * scale);
                total += std::abs(averaged - small.argb[(size_t(y) * small.width + x) * 4 + channel]);
            }
    return total / (double(small.pixelCount()) * 4);
}

}  // namespace

TEST(ScaledSets, EveryPictureIsThereAtExactlyTwiceAndThreeTimesItsSizeShowingTheSame)
{
    std::vector<std::string> names = oneTimesFiles(".png");
    ASSERT_GE(names.size(), 60u);
    for (const std::string& name : names) {
        // The desktop's icons come at their own pixel sizes and only in the 1x set.
        if (name.rfind("icon_", 0) == 0) {
            continue;
        }
        Picture small;
        ASSERT_TRUE(readPicture(name, small)) << name;
        for (int scale : kScales) {
            Picture large;
            ASSERT_TRUE(readPicture(scaledName(scale, name), large)) << scale << "x " << name;
            ASSERT_EQ(large.width, small.width * scale) << scale << "x " << name;
            ASSERT_EQ(large.height, small.height * scale) << scale << "x " << name;
            // Edges are sharper and text is hinted for its own pixels, so the small buttons
            // differ by up to about 8; a piece drawn at the wrong place or size by far more.
            EXPECT_LT(meanDifference(small, large, scale), 12.0) << scale << "x " << name;
        }
    }
}

TEST(ScaledSets, EveryFontHasExactlyScaledMetricsAndInkedGlyphs)
{
    std::vector<std::string> names = oneTimesFiles(".fnt");
    ASSERT_EQ(names.size(), 6u);
    for (const std::string& name : names) {
        FontMetrics small;
        ASSERT_TRUE(readFont(name, small)) << name;
        for (int scale : kScales) {
            FontMetrics large;
            ASSERT_TRUE(readFont(scaledName(scale, name), large)) << scale << "x " << name;
            std::string which = std::to_string(scale) + "x " + name;
            EXPECT_EQ(large.version, 2) << which;
            EXPECT_EQ(large.sheetWidth, small.sheetWidth * scale) << which;
            EXPECT_EQ(large.sheetHeight, small.sheetHeight * scale) << which;
            EXPECT_EQ(large.spacing, small.spacing * scale) << which;
            EXPECT_EQ(large.spaceWidth, small.spaceWidth * scale) << which;
            EXPECT_EQ(large.fixedWidth, small.fixedWidth * scale) << which;
            EXPECT_EQ(large.digitWidth, small.digitWidth * scale) << which;
            for (int code = 0; code < 128; code++) {
                EXPECT_EQ(large.glyphRight[code], small.glyphRight[code] * scale) << which << " " << code;
                EXPECT_EQ(large.glyphOf[code], small.glyphOf[code]) << which << " " << code;
            }
            // The same text measures the same in logical pixels at every scale.
            EXPECT_EQ(fontTextWidth(large, "Classic (Normal) 01:23:45"),
                      fontTextWidth(small, "Classic (Normal) 01:23:45") * scale) << which;
            // Each glyph's ink, averaged down, matches the 1x glyph: nothing is cut or shifted.
            Picture smallSheet{small.sheetWidth, small.sheetHeight, std::make_unique<uint8_t[]>(small.pixels.size())};
            Picture largeSheet{large.sheetWidth, large.sheetHeight, std::make_unique<uint8_t[]>(large.pixels.size())};
            std::copy(small.pixels.begin(), small.pixels.end(), smallSheet.argb.get());
            std::copy(large.pixels.begin(), large.pixels.end(), largeSheet.argb.get());
            EXPECT_LT(meanDifference(smallSheet, largeSheet, scale), 6.0) << which;
        }
    }
}

TEST(ScaledSets, SoundsAndTheWindowsIconAreOnlyInTheOneTimesSet)
{
    for (int scale : kScales) {
        EXPECT_FALSE(std::filesystem::exists(resourcePath(scaledName(scale, "sound_place.wav"))));
        EXPECT_FALSE(std::filesystem::exists(resourcePath(scaledName(scale, "icon.ico"))));
    }
}
