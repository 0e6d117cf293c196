// texture_tiling_test.cpp: sides cut greedily into powers of two, under the GL size limit.
#include "media/texture_tiling.h"

#include <gtest/gtest.h>

using Lengths = std::vector<int32_t>;

TEST(TextureTiling, SidesSplitIntoDecreasingPowersOfTwoUnderTheLimit)
{
    setMaxTextureSize(16384);
    EXPECT_EQ(textureTileLengths(800), (Lengths{512, 256, 32}));
    EXPECT_EQ(textureTileLengths(600), (Lengths{512, 64, 16, 8}));
    EXPECT_EQ(textureTileLengths(300), (Lengths{256, 32, 8, 4}));
    EXPECT_EQ(textureTileLengths(1), (Lengths{1}));
    EXPECT_EQ(textureTileLengths(0), Lengths{});
    setMaxTextureSize(256);
    EXPECT_EQ(textureTileLengths(600), (Lengths{256, 256, 64, 16, 8}));
    // No GL context in this process: nothing usable to read, so nothing caps the tiles.
    setMaxTextureSize(-1);
    EXPECT_EQ(textureTileLengths(40000), (Lengths{32768, 4096, 2048, 1024, 64}));
}
