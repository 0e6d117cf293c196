// zones_test.cpp: the Classic boxes, Random zone growth against the plain rule, Chaos zones.
#include "base/random.h"
#include "puzzle/generator.h"
#include "puzzle/zones.h"
#include "puzzle_test_grids.h"

#include <gtest/gtest.h>

namespace {

// The Random layout rule in its plainest form: a recursive flood fill with -1 visit marks
// for every candidate cell of every step, one recursion level per step.
namespace plain {

bool isZone(const BoardArray& zones, int32_t x, int32_t y, int32_t z)
{
    return x >= 0 && x < 9 && y >= 0 && y < 9 && zones[cellIndex(x, y)] == z;
}

int32_t flood(BoardArray& zones, int32_t x, int32_t y)
{
    if (!isZone(zones, x, y, 0)) {
        return 0;
    }
    zones[cellIndex(x, y)] = -1;
    return 1 + flood(zones, x - 1, y) + flood(zones, x, y - 1) + flood(zones, x + 1, y) +
           flood(zones, x, y + 1);
}

bool isCandidate(BoardArray& zones, int32_t x, int32_t y, int32_t z)
{
    if (!(isZone(zones, x - 1, y, z) || isZone(zones, x, y - 1, z) ||
          isZone(zones, x + 1, y, z) || isZone(zones, x, y + 1, z))) {
        return false;
    }
    const int32_t count = flood(zones, x, y);
    std::replace(zones.begin(), zones.end(), -1, 0);
    return count % 9 != 0;
}

bool grow(BoardArray& zones, int32_t z)
{
    if (z > 9) {
        return true;
    }
    const auto count = std::count(zones.begin(), zones.end(), z);
    if (count == 9) {
        return grow(zones, z + 1);
    }
    bool candidate[kCellCount] = {};
    for (int32_t i = 0; i < kCellCount; ++i) {
        candidate[i] = zones[i] == 0 && (count == 0 || isCandidate(zones, i / 9, i % 9, z));
    }
    if (std::find(candidate, candidate + kCellCount, true) == candidate + kCellCount) {
        return false;
    }
    int32_t index = 0;
    do {
        const int32_t x = randomBelow(9);
        index = cellIndex(x, randomBelow(9));
    } while (!candidate[index]);
    zones[index] = z;
    if (grow(zones, z)) {
        return true;
    }
    zones[index] = 0;
    return false;
}

} // namespace plain

} // namespace

TEST(ClassicZones, BoxesNumberedAcrossThenDown)
{
    Board board;
    buildZones(board, ZoneLayout::Classic);
    const int32_t expected[][3] = {{0, 0, 1}, {2, 2, 1}, {3, 0, 2}, {8, 0, 3},
                                   {0, 3, 4}, {4, 4, 5}, {0, 8, 7}, {8, 8, 9}};
    for (const auto& [x, y, zone] : expected) {
        EXPECT_EQ(board.zoneMap[cellIndex(x, y)], zone) << x << "," << y;
    }
}

TEST(RandomZones, SameLayoutAndSameDrawsAsThePlainRule)
{
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        seedRandom(seed);
        BoardArray expected{};
        while (!plain::grow(expected, 1)) {
        }
        const int32_t expectedNext = randomBelow(32768);
        seedRandom(seed);
        Board board;
        buildZones(board, ZoneLayout::Random);
        EXPECT_EQ(board.zoneMap, expected) << "seed " << seed;
        EXPECT_EQ(randomBelow(32768), expectedNext) << "seed " << seed;
    }
    Board half;
    half.zoneMap = {1, 1, 1, 1, 2, 0, 0, 0, 0, 1, 2};
    BoardArray zones = half.zoneMap;
    EXPECT_EQ(floodCount(half, 0, 5), plain::flood(zones, 0, 5));
    EXPECT_EQ(floodCount(half, 0, 0), 0) << "an assigned cell";
    EXPECT_EQ(floodCount(half, 9, 0), 0) << "off the board";
    EXPECT_TRUE(touchesZone(half, 0, 5, 2));
    EXPECT_FALSE(touchesZone(half, 0, 5, 1));
}

TEST(RandomZones, NineConnectedZonesOfNineOverManySeeds)
{
    Board board;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        seedRandom(seed);
        buildZones(board, ZoneLayout::Random);
        for (int32_t zone = 1; zone <= 9; ++zone) {
            // Flood the zone alone from its first cell: it must reach all nine.
            BoardArray alone{};
            for (int32_t i = 0; i < kCellCount; ++i) {
                alone[i] = board.zoneMap[i] == zone ? 0 : 99;
            }
            const auto first = std::find(alone.begin(), alone.end(), 0) - alone.begin();
            ASSERT_EQ(std::count(alone.begin(), alone.end(), 0), 9) << "seed " << seed;
            ASSERT_EQ(plain::flood(alone, first / 9, first % 9), 9) << "seed " << seed;
        }
    }
}

TEST(ChaosZones, EveryZoneHoldsEachSolutionDigitOnce)
{
    Board board;
    for (uint32_t seed = 1; seed <= 100; ++seed) {
        seedRandom(seed);
        buildZones(board, ZoneLayout::Chaos);
        buildSolution(board, ZoneLayout::Chaos);
        ASSERT_TRUE(obeysRules(board.solution, board.zoneMap)) << "seed " << seed;
    }
}
