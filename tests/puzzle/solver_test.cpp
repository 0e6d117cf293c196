// solver_test.cpp: the exact counter against a plain backtracking counter.
#include "base/random.h"
#include "puzzle/generator.h"
#include "puzzle/solver.h"
#include "puzzle_test_grids.h"

#include <gtest/gtest.h>

namespace {

bool fitsPlainly(const BoardArray& grid, const BoardArray& zones, int32_t index, int32_t digit)
{
    for (int32_t other = 0; other < kCellCount; ++other) {
        const bool peer = other != index && (other % 9 == index % 9 || other / 9 == index / 9 ||
                                             zones[other] == zones[index]);
        if (peer && grid[other] == digit) {
            return false;
        }
    }
    return true;
}

// First empty cell in row-major order, digits 1 to 9, counting up to the limit.
int32_t plainCount(BoardArray& grid, const BoardArray& zones, int32_t limit)
{
    int32_t position = 0;
    while (position < kCellCount && grid[cellIndex(position % 9, position / 9)] != 0) {
        ++position;
    }
    if (position == kCellCount) {
        return 1;
    }
    const int32_t index = cellIndex(position % 9, position / 9);
    int32_t total = 0;
    for (int32_t digit = 1; digit <= 9 && total < limit; ++digit) {
        if (fitsPlainly(grid, zones, index, digit)) {
            grid[index] = digit;
            total += plainCount(grid, zones, limit - total);
            grid[index] = 0;
        }
    }
    return total;
}

int32_t plainSolutions(BoardArray givens, const BoardArray& zones)
{
    for (int32_t i = 0; i < kCellCount; ++i) {
        if (givens[i] != 0 && !fitsPlainly(givens, zones, i, givens[i])) {
            return 0;
        }
    }
    return plainCount(givens, zones, 2);
}

} // namespace

TEST(SolutionCounter, AgreesWithPlainCountingOnHandMadeGivens)
{
    const Board pattern = patternBoard();
    const BoardArray& zones = pattern.zoneMap;
    BoardArray oneSolution = pattern.solution;
    for (int32_t i = 0; i < kCellCount; i += 4) {
        oneSolution[i] = 0;
    }
    BoardArray twoWays = pattern.solution; // every 1 and 2 gone: they fit back either way
    std::replace_if(twoWays.begin(), twoWays.end(), [](int32_t d) { return d <= 2; }, 0);
    BoardArray clash{};
    clash[cellIndex(0, 0)] = 5;
    clash[cellIndex(7, 0)] = 5;
    BoardArray stuck{}; // no clash, yet (8,0) has no digit left: 1-8 in its row, 9 below it
    for (int32_t x = 0; x < 8; ++x) {
        stuck[cellIndex(x, 0)] = x + 1;
    }
    stuck[cellIndex(8, 5)] = 9;
    const std::pair<const BoardArray*, int32_t> cases[] = {
        {&pattern.solution, 1}, {&oneSolution, 1}, {&twoWays, 2},
        {&clash, 0},            {&stuck, 0},       {nullptr, 2}};
    for (const auto& [givens, expected] : cases) {
        const BoardArray& grid = givens != nullptr ? *givens : BoardArray{};
        BoardArray found{};
        EXPECT_EQ(countSolutions(grid, zones, &found), expected);
        EXPECT_EQ(plainSolutions(grid, zones), expected);
        if (expected == 1) {
            EXPECT_EQ(found, pattern.solution);
        }
    }
    BoardArray badZones = zones;
    badZones[7] = 0;
    EXPECT_EQ(countSolutions(BoardArray{}, badZones), 0);
}

TEST(SolutionCounter, AgreesWithPlainCountingOnGeneratedPuzzles)
{
    // Each finished puzzle, and the same puzzle with one given taken away (often ambiguous).
    Board board;
    int32_t ambiguous = 0;
    for (ZoneLayout layout : {ZoneLayout::Classic, ZoneLayout::Random, ZoneLayout::Chaos}) {
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            seedRandom(seed);
            generate(board, layout, Difficulty::Normal);
            ASSERT_EQ(plainSolutions(board.givens, board.zoneMap), 1);
            BoardArray fewer = board.givens;
            *std::find_if(fewer.begin(), fewer.end(), [](int32_t d) { return d != 0; }) = 0;
            const int32_t count = countSolutions(fewer, board.zoneMap);
            EXPECT_EQ(count, plainSolutions(fewer, board.zoneMap));
            ambiguous += count == 2 ? 1 : 0;
        }
    }
    EXPECT_GT(ambiguous, 0) << "the ambiguous case was never exercised";
}
