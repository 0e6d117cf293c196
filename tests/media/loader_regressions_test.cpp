// loader_regressions_test.cpp: files that once crashed a loader under the fuzzer, refused now.
#include "media/font_metrics.h"
#include "media/png_decode.h"
#include "media/wav_reader.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string regression(const char* name) { return std::string(PELLIX_MEDIA_REGRESSIONS) + "/" + name; }

} // namespace

TEST(LoaderRegressions, WavClaimingOneHertzIsRefusedInsteadOfResampledIntoGigabytes)
{
    // 30 KB of 8-bit mono at 1 Hz: resampling it to 44100 Hz asked for 5.3 GB.
    WavClip clip;
    EXPECT_FALSE(readWavFile(regression("wav-sample-rate-one-hertz.wav").c_str(), clip));
    EXPECT_TRUE(clip.data.empty());
    EXPECT_TRUE(toDeviceFrames(clip).empty());
}

TEST(LoaderRegressions, PngHeaderClaimingThirtyThousandSquareIsRefusedUnallocated)
{
    // 69 bytes whose header claims 30000 x 30000: decoding allocated 3.6 GB before reading data.
    int32_t width = -1;
    int32_t height = -1;
    EXPECT_EQ(decodePng(BWString("%s", regression("png-30000-square-header.png").c_str()), &width, &height), nullptr);
    EXPECT_EQ(width + height, 0);
}

TEST(LoaderRegressions, FontGlyphOffItsSheetIsRefused)
{
    // A 1 x 1 sheet whose glyph for 'A' spans columns -2^31 to 2^31 - 1: cutting it from the
    // sheet texture overflowed the tile arithmetic.
    FontMetrics metrics;
    EXPECT_FALSE(readFntFile(regression("fnt-glyph-off-the-sheet.fnt").c_str(), metrics));
    EXPECT_EQ(metrics.sheetWidth, 0);
    EXPECT_TRUE(metrics.pixels.empty());
}
