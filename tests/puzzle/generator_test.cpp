// generator_test.cpp: finished puzzles, the two phases of the givens, the solution generator.
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
    return static_cast<int32_t>(9 * 9 - std::count(board.givens.begin(), board.givens.end(), 0));
}

// Zones and solution of a new puzzle, before any givens are chosen.
Board solvedBoard(ZoneLayout layout, uint32_t seed)
{
    seedRandom(seed);
    Board board;
    buildZones(board, layout);
    buildSolution(board, layout);
    return board;
}

// The solution generator as its rule reads, scanning the board for every candidate test.
namespace plain {

bool holds(const Board& board, int32_t digit, bool (*sameUnit)(const Board&, int32_t, int32_t),
           int32_t unit)
{
    for (int32_t i = 0; i < kCellCount; ++i) {
        if (sameUnit(board, i, unit) && board.solution[i] == digit) {
            return true;
        }
    }
    return false;
}

bool inColumn(const Board&, int32_t index, int32_t x) { return index / 9 == x; }
bool inRow(const Board&, int32_t index, int32_t y) { return index % 9 == y; }
bool inZone(const Board& board, int32_t index, int32_t z) { return board.zoneMap[index] == z; }

bool placeDigit(Board& board, int32_t d)
{
    if (d > 9) {
        return true;
    }
    if (++board.genCalls > 5000) {
        return false;
    }
    int32_t k = 0;
    while (k < 9 && holds(board, d, inColumn, k)) {
        ++k;
    }
    if (k == 9) {
        return placeDigit(board, d + 1);
    }
    bool candidate[9];
    for (int32_t y = 0; y < 9; ++y) {
        candidate[y] = board.solution[cellIndex(k, y)] == 0 && !holds(board, d, inRow, y) &&
                       !holds(board, d, inZone, board.zoneMap[cellIndex(k, y)]);
    }
    for (int32_t p = 0; p < 9; ++p) {
        if (candidate[p]) {
            int32_t y = randomBelow(9);
            while (!candidate[y]) {
                y = randomBelow(9);
            }
            board.solution[cellIndex(k, y)] = d;
            if (placeDigit(board, d)) {
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

} // namespace plain

} // namespace

TEST(SolutionGenerator, SameGridsAndSameDrawsAsThePlainRule)
{
    int32_t failures = 0;
    for (ZoneLayout layout : {ZoneLayout::Classic, ZoneLayout::Random}) {
        for (uint32_t seed = 1; seed <= 6; ++seed) {
            seedRandom(seed);
            Board expected;
            buildZones(expected, layout);
            Board board = expected;
            // A few attempts in a row from the same generator state, failed ones included.
            for (int32_t attempt = 0; attempt < 4; ++attempt) {
                const uint32_t attemptSeed = seed * 100 + attempt;
                seedRandom(attemptSeed);
                expected.genCalls = 0;
                expected.solution.fill(0);
                const bool expectedResult = plain::placeDigit(expected, 1);
                const int32_t expectedNext = randomBelow(32768);
                seedRandom(attemptSeed);
                board.genCalls = 0;
                board.solution.fill(0);
                ASSERT_EQ(fillDigit(board, 1), expectedResult) << "seed " << attemptSeed;
                EXPECT_EQ(board.solution, expected.solution);
                EXPECT_EQ(board.genCalls, expected.genCalls);
                EXPECT_EQ(randomBelow(32768), expectedNext);
                failures += expectedResult ? 0 : 1;
            }
        }
    }
    EXPECT_GT(failures, 0) << "no attempt ran out of its budget";
}

TEST(Generate, FinishedPuzzlesAreSoundForEveryPair)
{
    Board board;
    for (ZoneLayout layout : kLayouts) {
        for (Difficulty difficulty : kDifficulties) {
            for (uint32_t seed = 1; seed <= 15; ++seed) {
                seedRandom(seed);
                generate(board, layout, difficulty);
                SCOPED_TRACE(testing::Message() << "layout " << static_cast<int>(layout)
                                                << " difficulty " << static_cast<int>(difficulty)
                                                << " seed " << seed);
                ASSERT_TRUE(obeysRules(board.solution, board.zoneMap));
                for (int32_t i = 0; i < kCellCount; ++i) {
                    ASSERT_TRUE(board.givens[i] == 0 || board.givens[i] == board.solution[i]);
                }
                EXPECT_GT(givenCount(board), givenRules(difficulty).givensAbove);
                BoardArray found{};
                ASSERT_EQ(countSolutions(board.givens, board.zoneMap, &found), 1);
                EXPECT_EQ(found, board.solution);
                EXPECT_EQ(board.genCalls, 0);
            }
        }
    }
}

TEST(Generate, GivenCountsFollowTheDifficulty)
{
    EXPECT_EQ(givenRules(Difficulty::Easy).givensAbove, 42);
    EXPECT_EQ(givenRules(Difficulty::Normal).givensAbove, 29);
    EXPECT_EQ(givenRules(Difficulty::Hard).givensAbove, 25);
    // Harder puzzles give fewer digits on average.
    double mean[3] = {};
    Board board;
    for (Difficulty difficulty : kDifficulties) {
        for (uint32_t seed = 1; seed <= 20; ++seed) {
            seedRandom(seed);
            generate(board, ZoneLayout::Classic, difficulty);
            mean[static_cast<int>(difficulty)] += givenCount(board) / 20.0;
        }
    }
    EXPECT_GT(mean[0], mean[1]);
    EXPECT_GT(mean[1], mean[2]);
}

TEST(Generate, SameSeedSamePuzzleAndPuzzlesInARowDiffer)
{
    for (ZoneLayout layout : kLayouts) {
        Board first;
        Board again;
        Board next;
        seedRandom(2024);
        generate(first, layout, Difficulty::Normal);
        generate(next, layout, Difficulty::Normal);
        seedRandom(2024);
        generate(again, layout, Difficulty::Normal);
        EXPECT_EQ(first.zoneMap, again.zoneMap);
        EXPECT_EQ(first.solution, again.solution);
        EXPECT_EQ(first.givens, again.givens);
        EXPECT_NE(first.solution, next.solution);
    }
}

TEST(Givens, PhaseOneSpreadsTheTargetWithoutCrowding)
{
    for (ZoneLayout layout : kLayouts) {
        for (Difficulty difficulty : kDifficulties) {
            const GivenRules rules = givenRules(difficulty);
            for (uint32_t seed = 1; seed <= 10; ++seed) {
                Board board = solvedBoard(layout, seed);
                spreadGivens(board, difficulty);
                ASSERT_EQ(givenCount(board), rules.phaseOneGivens);
                int32_t rows[9] = {}, columns[9] = {}, zones[10] = {}, digits[10] = {};
                for (int32_t i = 0; i < kCellCount; ++i) {
                    if (board.givens[i] != 0) {
                        ++rows[i % 9];
                        ++columns[i / 9];
                        ++zones[board.zoneMap[i]];
                        ++digits[board.givens[i]];
                    }
                }
                for (int32_t unit = 0; unit < 9; ++unit) {
                    ASSERT_LE(rows[unit], rules.seedRejectCount);
                    ASSERT_LE(columns[unit], rules.seedRejectCount);
                    ASSERT_LE(zones[unit + 1], rules.seedRejectCount);
                    ASSERT_LE(digits[unit + 1], rules.seedRejectCount);
                }
            }
        }
    }
}

TEST(Givens, AcceptanceTestsCountRowColumnZoneAndDigit)
{
    Board board;
    board.zoneMap = classicZoneMap();
    board.solution = patternGrid();
    // Four givens in row 0, none elsewhere.
    for (int32_t x = 4; x < 8; ++x) {
        board.givens[cellIndex(x, 0)] = board.solution[cellIndex(x, 0)];
    }
    EXPECT_TRUE(seedOk(board, Difficulty::Easy, 0, 0));
    EXPECT_FALSE(seedOk(board, Difficulty::Normal, 0, 0)) << "row count 4";
    EXPECT_TRUE(seedOk(board, Difficulty::Normal, 0, 1));
    EXPECT_FALSE(seedOk(board, Difficulty::Easy, 4, 0)) << "already given";
    EXPECT_FALSE(fillOk(board, Difficulty::Easy, 4, 0)) << "already given";

    // Cell (3,1): row 1 and its digit have no givens yet, so every level adds it.
    EXPECT_TRUE(fillOk(board, Difficulty::Hard, 3, 1));
    // Raise all four counts of (0,0) to at least 2: row 0 has 4, column 0 and box 1 get two
    // givens each, and two more cells away from it give its digit 1.
    for (const auto& [x, y] : {std::pair{0, 4}, {0, 5}, {1, 1}, {2, 2}, {6, 1}, {3, 2}}) {
        board.givens[cellIndex(x, y)] = board.solution[cellIndex(x, y)];
    }
    ASSERT_EQ(std::count(board.givens.begin(), board.givens.end(), board.solution[0]), 2);
    EXPECT_FALSE(fillOk(board, Difficulty::Hard, 0, 0)) << "every count is 2 or more";
    EXPECT_TRUE(fillOk(board, Difficulty::Normal, 0, 0));
}

TEST(SolutionGenerator, ExhaustedBudgetFailsAndUndoesEveryPlacement)
{
    Board board;
    buildZones(board, ZoneLayout::Classic);
    board.genCalls = 5000;
    EXPECT_FALSE(fillDigit(board, 1));
    board.genCalls = 4950;
    seedRandom(9);
    EXPECT_FALSE(fillDigit(board, 1));
    EXPECT_EQ(board.solution, BoardArray{});

    // A failed attempt does not stall the next: every attempt starts at zero calls.
    seedRandom(9);
    buildSolution(board, ZoneLayout::Classic);
    EXPECT_TRUE(obeysRules(board.solution, board.zoneMap));
    EXPECT_EQ(board.genCalls, 0);
}
