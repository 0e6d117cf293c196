// generator_test.cpp: the solution generator against its plain rule, finished puzzles, the givens.
#include "base/random.h"
#include "puzzle/generator.h"
#include "puzzle/solver.h"
#include "puzzle/zones.h"
#include "puzzle_test_grids.h"

#include <gtest/gtest.h>

namespace {

constexpr ZoneLayout kLayouts[] = {ZoneLayout::Classic, ZoneLayout::Random, ZoneLayout::Chaos};
constexpr Difficulty kDifficulties[] = {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard};

int32_t givenCount(const Board& board)
{
    return static_cast<int32_t>(81 - std::count(board.givens.begin(), board.givens.end(), 0));
}

// The solution generator as its rule reads, scanning the board for every candidate test.
bool plainFillDigit(Board& board, int32_t d)
{
    const auto holds = [&](auto inUnit) {
        for (int32_t i = 0; i < kCellCount; ++i) {
            if (inUnit(i) && board.solution[i] == d) {
                return true;
            }
        }
        return false;
    };
    if (d > 9) {
        return true;
    }
    if (++board.genCalls > 5000) {
        return false;
    }
    int32_t k = 0;
    while (k < 9 && holds([&](int32_t i) { return i / 9 == k; })) {
        ++k;
    }
    if (k == 9) {
        return plainFillDigit(board, d + 1);
    }
    bool candidate[9];
    for (int32_t y = 0; y < 9; ++y) {
        const int32_t zone = board.zoneMap[cellIndex(k, y)];
        candidate[y] = board.solution[cellIndex(k, y)] == 0 &&
                       !holds([&](int32_t i) { return i % 9 == y; }) &&
                       !holds([&](int32_t i) { return board.zoneMap[i] == zone; });
    }
    for (int32_t p = 0; p < 9; ++p) {
        if (candidate[p]) {
            int32_t y = randomBelow(9);
            while (!candidate[y]) {
                y = randomBelow(9);
            }
            board.solution[cellIndex(k, y)] = d;
            if (plainFillDigit(board, d)) {
                return true;
            }
            board.solution[cellIndex(k, y)] = 0;
            candidate[y] = false;
            if (k >= 2) {
                break;
            }
            p = 0;
        }
    }
    return false;
}

} // namespace

TEST(SolutionGenerator, SameGridsAndSameDrawsAsThePlainRule)
{
    int32_t failures = 0;
    for (ZoneLayout layout : {ZoneLayout::Classic, ZoneLayout::Random}) {
        for (uint32_t seed = 1; seed <= 24; ++seed) {
            seedRandom(seed);
            Board expected;
            buildZones(expected, layout);
            Board board = expected;
            seedRandom(seed);
            const bool expectedResult = plainFillDigit(expected, 1);
            const int32_t expectedNext = randomBelow(32768);
            seedRandom(seed);
            ASSERT_EQ(fillDigit(board, 1), expectedResult) << "seed " << seed;
            EXPECT_EQ(board.solution, expected.solution);
            EXPECT_EQ(board.genCalls, expected.genCalls);
            EXPECT_EQ(randomBelow(32768), expectedNext);
            failures += expectedResult ? 0 : 1;
        }
    }
    EXPECT_GT(failures, 0) << "no attempt ran out of its budget";
}

TEST(Generate, FinishedPuzzlesAreSoundForEveryPair)
{
    const int32_t givensAbove[] = {42, 29, 25};
    Board board;
    for (ZoneLayout layout : kLayouts) {
        for (Difficulty difficulty : kDifficulties) {
            for (uint32_t seed = 1; seed <= 15; ++seed) {
                seedRandom(seed);
                generate(board, layout, difficulty);
                SCOPED_TRACE(testing::Message() << "layout " << int(layout) << " difficulty "
                                                << int(difficulty) << " seed " << seed);
                ASSERT_TRUE(obeysRules(board.solution, board.zoneMap));
                for (int32_t i = 0; i < kCellCount; ++i) {
                    ASSERT_TRUE(board.givens[i] == 0 || board.givens[i] == board.solution[i]);
                }
                EXPECT_GT(givenCount(board), givensAbove[int(difficulty)]);
                BoardArray found{};
                ASSERT_EQ(countSolutions(board.givens, board.zoneMap, &found), 1);
                EXPECT_EQ(found, board.solution);
                EXPECT_EQ(board.genCalls, 0) << "the next attempt starts from zero calls";
            }
        }
    }
}

TEST(Generate, SameSeedSamePuzzleAndPuzzlesInARowDiffer)
{
    for (ZoneLayout layout : kLayouts) {
        Board first, again, next;
        seedRandom(2024);
        generate(first, layout, Difficulty::Normal);
        generate(next, layout, Difficulty::Normal);
        seedRandom(2024);
        generate(again, layout, Difficulty::Normal);
        EXPECT_EQ(first.zoneMap, again.zoneMap);
        EXPECT_EQ(first.givens, again.givens);
        EXPECT_EQ(first.solution, again.solution);
        EXPECT_NE(first.solution, next.solution);
    }
}

TEST(Givens, PhaseOneSpreadsTheTargetWithoutCrowding)
{
    // Counts are taken before a cell is added, so a unit may reach the rejecting count.
    const int32_t target[] = {41, 26, 23};
    const int32_t bound[] = {5, 4, 4};
    for (ZoneLayout layout : kLayouts) {
        for (Difficulty difficulty : kDifficulties) {
            for (uint32_t seed = 1; seed <= 10; ++seed) {
                seedRandom(seed);
                Board board;
                buildZones(board, layout);
                buildSolution(board, layout);
                spreadGivens(board, difficulty);
                ASSERT_EQ(givenCount(board), target[int(difficulty)]);
                int32_t counts[4][10] = {};
                for (int32_t i = 0; i < kCellCount; ++i) {
                    if (board.givens[i] != 0) {
                        ++counts[0][i % 9];
                        ++counts[1][i / 9];
                        ++counts[2][board.zoneMap[i]];
                        ++counts[3][board.givens[i]];
                    }
                }
                for (const auto& unit : counts) {
                    ASSERT_LE(*std::max_element(unit, unit + 10), bound[int(difficulty)]);
                }
            }
        }
    }
}
