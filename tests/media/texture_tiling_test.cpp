// texture_tiling_test.cpp: sides cut greedily into powers of two, under the GL size limit.
#include "media/texture_tiling.h"

#include <gtest/gtest.h>

namespace {

using Lengths = std::vector<int32_t>;

class TextureTiling : public ::testing::Test {
protected:
    void SetUp() override { setMaxTextureSize(16384); }
    void TearDown() override { setMaxTextureSize(-1); }
};

TEST_F(TextureTiling, SidesSplitIntoDecreasingPowersOfTwo)
{
    EXPECT_EQ(textureTileLengths(800), (Lengths{512, 256, 32}));
    EXPECT_EQ(textureTileLengths(600), (Lengths{512, 64, 16, 8}));
    EXPECT_EQ(textureTileLengths(300), (Lengths{256, 32, 8, 4}));
    EXPECT_EQ(textureTileLengths(1), (Lengths{1}));
    EXPECT_EQ(textureTileLengths(1024), (Lengths{1024}));
    EXPECT_EQ(textureTileLengths(0), Lengths{});
    EXPECT_EQ(textureTileSize(0), 1);
}

TEST_F(TextureTiling, ImposedLimitCapsEveryTile)
{
    setMaxTextureSize(256);
    EXPECT_EQ(maxTextureSize(), 256);
    EXPECT_EQ(textureTileLengths(600), (Lengths{256, 256, 64, 16, 8}));
    EXPECT_EQ(textureTileSize(100000), 256);
}

TEST_F(TextureTiling, WithoutAContextTheLimitIsNotKept)
{
    setMaxTextureSize(-1);
    // No GL context in this process: nothing usable to read, so tiles are not capped.
    EXPECT_EQ(textureTileLengths(40000), (Lengths{32768, 4096, 2048, 1024, 64}));
}

} // namespace
