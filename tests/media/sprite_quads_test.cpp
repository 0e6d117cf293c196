// sprite_quads_test.cpp: sources clipped to tiles and scaled onto the screen, seams included.
#include "media/sprite_quads.h"
#include "media/texture_tiling.h"

#include <gtest/gtest.h>

namespace {

// The tile layout an upload of that size gets, with made-up texture names 1, 2, 3...
ImageTiles tilesOf(int32_t width, int32_t height)
{
    ImageTiles tiles;
    tiles.bounds = BWRect(0, 0, width, height);
    tiles.columnWidths = textureTileLengths(width);
    tiles.rowHeights = textureTileLengths(height);
    tiles.columns = int32_t(tiles.columnWidths.size());
    tiles.rows = int32_t(tiles.rowHeights.size());
    for (int32_t i = 0; i < tiles.columns * tiles.rows; ++i) {
        tiles.textures.push_back(uint32_t(i + 1));
    }
    return tiles;
}

BWDrawParams whole(const ImageTiles& tiles, const BWRect& destination)
{
    BWDrawParams params;
    params.source = tiles.bounds;
    params.destination = destination;
    return params;
}

int64_t area(const SpriteQuad& quad)
{
    return int64_t(quad.right - quad.left) * (quad.top - quad.bottom);
}

TEST(SpriteQuads, WholeBackgroundTilesMeetExactlyAtTheSeams)
{
    setMaxTextureSize(16384);
    ImageTiles tiles = tilesOf(800, 600);
    std::vector<SpriteQuad> quads = spriteQuads(tiles, whole(tiles, BWRect(0, 0, 800, 600)), 600);
    ASSERT_EQ(quads.size(), 12u);
    int64_t covered = 0;
    for (size_t i = 0; i < quads.size(); ++i) {
        const SpriteQuad& quad = quads[i];
        covered += area(quad);
        EXPECT_EQ(quad.s0, 0.0f);
        EXPECT_EQ(quad.t1, 1.0f);
        // Each tile starts where its left and lower neighbours end.
        if (i % 3 != 0) {
            EXPECT_EQ(quad.left, quads[i - 1].right);
        }
        if (i >= 3) {
            EXPECT_EQ(quad.bottom, quads[i - 3].top);
        }
    }
    EXPECT_EQ(covered, 800 * 600);
    EXPECT_EQ(quads.front().left, 0);
    EXPECT_EQ(quads.front().bottom, 0);
    EXPECT_EQ(quads.back().right, 800);
    EXPECT_EQ(quads.back().top, 600);
    setMaxTextureSize(-1);
}

TEST(SpriteQuads, SourceInsideOneColumnTouchesOnlyThatColumn)
{
    ImageTiles tiles = tilesOf(300, 32);  // columns 256, 32, 8, 4
    BWDrawParams params;
    params.source = BWRect(256, 0, 32, 32);
    params.destination = BWRect(40, 50, 32, 32);
    std::vector<SpriteQuad> quads = spriteQuads(tiles, params, 600);
    ASSERT_EQ(quads.size(), 4u);
    for (size_t i = 0; i < quads.size(); ++i) {
        EXPECT_EQ(area(quads[i]) != 0, i == 1) << "tile " << i;
    }
    EXPECT_EQ(quads[1].texture, 2u);
    EXPECT_EQ(quads[1].left, 40);
    EXPECT_EQ(quads[1].right, 72);
    EXPECT_EQ(quads[1].bottom, 600 - 82);
    EXPECT_EQ(quads[1].s0, 0.0f);
    EXPECT_EQ(quads[1].s1, 1.0f);
}

TEST(SpriteQuads, PartialSourceMapsToTexelFractionsAndScales)
{
    ImageTiles tiles = tilesOf(64, 64);
    BWDrawParams params;
    params.source = BWRect(16, 0, 32, 16);  // the top band, y downwards in the image
    params.destination = BWRect(0, 0, 64, 8);
    std::vector<SpriteQuad> quads = spriteQuads(tiles, params, 100);
    ASSERT_EQ(quads.size(), 1u);
    EXPECT_EQ(quads[0].s0, 0.25f);
    EXPECT_EQ(quads[0].s1, 0.75f);
    EXPECT_EQ(quads[0].t0, 0.75f);  // GL texel rows run upwards
    EXPECT_EQ(quads[0].t1, 1.0f);
    EXPECT_EQ(quads[0].right - quads[0].left, 64);
    EXPECT_EQ(quads[0].top - quads[0].bottom, 8);
    EXPECT_EQ(quads[0].top, 100);
}

TEST(SpriteQuads, NothingForEmptyImagesOrEmptySources)
{
    EXPECT_TRUE(spriteQuads(ImageTiles(), BWDrawParams(), 600).empty());
    ImageTiles tiles = tilesOf(8, 8);
    BWDrawParams params = whole(tiles, BWRect(0, 0, 8, 8));
    params.source.w = 0;
    EXPECT_TRUE(spriteQuads(tiles, params, 600).empty());
}

TEST(SpriteQuads, PivotAndAlphaClamp)
{
    EXPECT_EQ(spritePivot(BWRect(10, 20, 100, 50), 600), BWPoint(60, 555));
    EXPECT_EQ(spriteAlpha(1.5f), 1.0f);
    EXPECT_EQ(spriteAlpha(-0.2f), 0.0f);
    EXPECT_EQ(spriteAlpha(0.25f), 0.25f);
}

} // namespace
