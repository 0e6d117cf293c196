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

bool onBoard(int32_t x, int32_t y)
{
    return x >= 0 && x < kBoardSide && y >= 0 && y < kBoardSide;
}

bool touches(const BoardArray& zones, int32_t x, int32_t y, int32_t z)
{
    return (onBoard(x - 1, y) && zones[cellIndex(x - 1, y)] == z) ||
           (onBoard(x, y - 1) && zones[cellIndex(x, y - 1)] == z) ||
           (onBoard(x + 1, y) && zones[cellIndex(x + 1, y)] == z) ||
           (onBoard(x, y + 1) && zones[cellIndex(x, y + 1)] == z);
}

int32_t flood(BoardArray& zones, int32_t x, int32_t y)
{
    if (!onBoard(x, y) || zones[cellIndex(x, y)] != 0) {
        return 0;
    }
    zones[cellIndex(x, y)] = -1;
    return 1 + flood(zones, x - 1, y) + flood(zones, x, y - 1) + flood(zones, x + 1, y) +
           flood(zones, x, y + 1);
}

int32_t floodAndUnmark(BoardArray& zones, int32_t x, int32_t y)
{
    const int32_t count = flood(zones, x, y);
    for (int32_t& zone : zones) {
        zone = zone == -1 ? 0 : zone;
    }
    return count;
}

bool grow(BoardArray& zones, int32_t z)
{
    if (z > kBoardSide) {
        return true;
    }
    const auto count = std::count(zones.begin(), zones.end(), z);
    if (count == kBoardSide) {
        return grow(zones, z + 1);
    }
    bool candidate[kCellCount] = {};
    bool any = false;
    for (int32_t i = 0; i < kCellCount; ++i) {
        const int32_t x = i / kBoardSide;
        const int32_t y = i % kBoardSide;
        candidate[i] = zones[i] == 0 && (count == 0 || (touches(zones, x, y, z) &&
                                                        floodAndUnmark(zones, x, y) % 9 != 0));
        any = any || candidate[i];
    }
    if (!any) {
        return false;
    }
    int32_t index = 0;
    do {
        const int32_t x = randomBelow(kBoardSide);
        index = cellIndex(x, randomBelow(kBoardSide));
    } while (!candidate[index]);
    zones[index] = z;
    if (grow(zones, z)) {
        return true;
    }
    zones[index] = 0;
    return false;
}

} // namespace plain

bool zoneIsConnected(const BoardArray& zones, int32_t zone)
{
    BoardArray marks{};
    int32_t start = 0;
    while (zones[start] != zone) {
        ++start;
    }
    std::vector<int32_t> pending{start};
    marks[start] = 1;
    int32_t reached = 0;
    while (!pending.empty()) {
        const int32_t index = pending.back();
        pending.pop_back();
        ++reached;
        const int32_t x = index / kBoardSide;
        const int32_t y = index % kBoardSide;
        const std::pair<int32_t, int32_t> steps[] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
        for (const auto& [nx, ny] : steps) {
            const int32_t next = cellIndex(nx, ny);
            if (plain::onBoard(nx, ny) && zones[next] == zone && marks[next] == 0) {
                marks[next] = 1;
                pending.push_back(next);
            }
        }
    }
    return reached == kBoardSide;
}

} // namespace

TEST(ClassicZones, BoxesNumberedAcrossThenDown)
{
    Board board;
    buildZones(board, ZoneLayout::Classic);
    EXPECT_EQ(board.zoneMap[cellIndex(0, 0)], 1);
    EXPECT_EQ(board.zoneMap[cellIndex(2, 2)], 1);
    EXPECT_EQ(board.zoneMap[cellIndex(3, 0)], 2);
    EXPECT_EQ(board.zoneMap[cellIndex(8, 0)], 3);
    EXPECT_EQ(board.zoneMap[cellIndex(0, 3)], 4);
    EXPECT_EQ(board.zoneMap[cellIndex(4, 4)], 5);
    EXPECT_EQ(board.zoneMap[cellIndex(0, 8)], 7);
    EXPECT_EQ(board.zoneMap[cellIndex(8, 8)], 9);
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
}

TEST(RandomZones, FloodCountAndTouchesAgreeWithThePlainRuleOnPartialLayouts)
{
    seedRandom(5);
    for (int32_t round = 0; round < 40; ++round) {
        Board board;
        for (int32_t& zone : board.zoneMap) {
            zone = randomBelow(3) == 0 ? randomBelow(4) : 0;
        }
        for (int32_t x = 0; x < kBoardSide; ++x) {
            for (int32_t y = 0; y < kBoardSide; ++y) {
                BoardArray zones = board.zoneMap;
                ASSERT_EQ(floodCount(board, x, y), plain::floodAndUnmark(zones, x, y));
                for (int32_t z = 0; z <= 3; ++z) {
                    ASSERT_EQ(touchesZone(board, x, y, z), plain::touches(zones, x, y, z));
                }
            }
        }
    }
    Board empty;
    EXPECT_EQ(floodCount(empty, 0, 0), 81);
    EXPECT_EQ(floodCount(empty, -1, 0), 0);
    EXPECT_EQ(floodCount(empty, 0, 9), 0);
}

TEST(RandomZones, NineConnectedZonesOfNineOverManySeeds)
{
    Board board;
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        seedRandom(seed);
        buildZones(board, ZoneLayout::Random);
        for (int32_t zone = 1; zone <= kBoardSide; ++zone) {
            ASSERT_EQ(std::count(board.zoneMap.begin(), board.zoneMap.end(), zone), 9)
                << "seed " << seed << " zone " << zone;
            ASSERT_TRUE(zoneIsConnected(board.zoneMap, zone)) << "seed " << seed;
        }
    }
}

TEST(RandomZones, DeadEndUndoesEveryCellTheCallAssigned)
{
    // Three free cells in a column corner: zone 1 takes all three, then finds no candidate.
    Board board;
    board.zoneMap.fill(9);
    for (int32_t y = 0; y < 3; ++y) {
        board.zoneMap[cellIndex(0, y)] = 0;
    }
    const BoardArray before = board.zoneMap;
    seedRandom(3);
    EXPECT_FALSE(growZone(board, 1));
    EXPECT_EQ(board.zoneMap, before);
    EXPECT_TRUE(growZone(board, 10)) << "past zone 9 every zone is built";
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
