// sprite_quads_test.cpp: drawn rectangles far off the screen keep their corners from wrapping.
#include "media/sprite_quads.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// One 8 x 4 tile.
ImageTiles singleTile()
{
    ImageTiles tiles;
    tiles.bounds = BWRect(0, 0, 8, 4);
    tiles.columns = 1;
    tiles.rows = 1;
    tiles.columnWidths = {8};
    tiles.rowHeights = {4};
    tiles.textures = {7};
    return tiles;
}

SpriteQuad quadAt(const BWRect& destination)
{
    BWDrawParams params;
    params.source = BWRect(0, 0, 8, 4);
    params.destination = destination;
    std::vector<SpriteQuad> quads = spriteQuads(singleTile(), params, 600);
    EXPECT_EQ(quads.size(), 1u);
    return quads.empty() ? SpriteQuad() : quads[0];
}

} // namespace

TEST(SpriteQuads, CornersFarOffTheScreenAreHeldInsteadOfWrappingOntoIt)
{
    SpriteQuad scaled = quadAt(BWRect(10, 20, 16, 8));
    EXPECT_EQ(scaled.left, 10);
    EXPECT_EQ(scaled.right, 26);
    EXPECT_EQ(scaled.bottom, 600 - 28);
    EXPECT_EQ(scaled.top, 600 - 20);

    SpriteQuad farRight = quadAt(BWRect(INT_MAX - 2, 20, 8, 4));
    EXPECT_EQ(farRight.left, INT_MAX - 2);
    EXPECT_EQ(farRight.right, INT_MAX) << "wrapped round to the left of the screen";

    SpriteQuad farAbove = quadAt(BWRect(0, INT_MIN + 1, 8, 4));
    EXPECT_EQ(farAbove.bottom, INT_MAX);
    EXPECT_EQ(farAbove.top, INT_MAX);

    BWDrawParams outside;  // a source far beyond the picture clips to nothing
    outside.source = BWRect(INT_MAX - 1, INT_MAX - 1, 8, 4);
    outside.destination = BWRect(0, 0, 8, 4);
    for (const SpriteQuad& quad : spriteQuads(singleTile(), outside, 600))
        EXPECT_TRUE(quad.left == quad.right || quad.bottom == quad.top);
}
