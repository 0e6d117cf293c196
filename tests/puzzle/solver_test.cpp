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

// Row-major, first empty cell, digits 1 to 9: counts up to the limit.
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
    const BoardArray zones = classicZoneMap();
    const BoardArray full = patternGrid();

    BoardArray oneSolution = full;
    for (int32_t i = 0; i < kCellCount; i += 4) {
        oneSolution[i] = 0;
    }
    BoardArray solved{};
    EXPECT_EQ(countSolutions(oneSolution, zones, &solved), 1);
    EXPECT_EQ(solved, full);
    EXPECT_EQ(countSolutions(full, zones), 1) << "a full valid grid is its own solution";

    // Every 1 and 2 taken away: they fit back either way round.
    BoardArray twoWays = full;
    for (int32_t& digit : twoWays) {
        digit = digit <= 2 ? 0 : digit;
    }
    EXPECT_EQ(countSolutions(twoWays, zones), 2);
    EXPECT_EQ(countSolutions(BoardArray{}, zones), 2) << "nothing given";

    BoardArray clash{};
    clash[cellIndex(0, 0)] = 5;
    clash[cellIndex(7, 0)] = 5;
    EXPECT_EQ(countSolutions(clash, zones), 0) << "givens that repeat in a row";

    // No clash among the givens, yet (8,0) has no digit left: 1-8 in its row, 9 below it.
    BoardArray stuck{};
    for (int32_t x = 0; x < 8; ++x) {
        stuck[cellIndex(x, 0)] = x + 1;
    }
    stuck[cellIndex(8, 5)] = 9;
    EXPECT_EQ(countSolutions(stuck, zones), 0);

    for (const BoardArray* givens : {&oneSolution, &twoWays, &clash, &stuck}) {
        EXPECT_EQ(countSolutions(*givens, zones), plainSolutions(*givens, zones));
    }
}

TEST(SolutionCounter, RejectsValuesOutsideTheirRange)
{
    BoardArray zones = classicZoneMap();
    BoardArray givens{};
    givens[3] = 10;
    EXPECT_EQ(countSolutions(givens, zones), 0);
    givens[3] = 0;
    zones[7] = 0;
    EXPECT_EQ(countSolutions(givens, zones), 0);
}

TEST(SolutionCounter, AgreesWithPlainCountingOnGeneratedPuzzles)
{
    // Each finished puzzle, and the same puzzle with one given taken away (often ambiguous).
    const ZoneLayout layouts[] = {ZoneLayout::Classic, ZoneLayout::Random, ZoneLayout::Chaos};
    Board board;
    int32_t ambiguous = 0;
    for (ZoneLayout layout : layouts) {
        for (uint32_t seed = 1; seed <= 3; ++seed) {
            seedRandom(seed);
            generate(board, layout, Difficulty::Normal);
            ASSERT_EQ(plainSolutions(board.givens, board.zoneMap), 1);
            BoardArray fewer = board.givens;
            for (int32_t i = 0; i < kCellCount; ++i) {
                if (fewer[i] != 0) {
                    fewer[i] = 0;
                    break;
                }
            }
            const int32_t count = countSolutions(fewer, board.zoneMap);
            EXPECT_EQ(count, plainSolutions(fewer, board.zoneMap));
            ambiguous += count == 2 ? 1 : 0;
        }
    }
    EXPECT_GT(ambiguous, 0) << "the ambiguous case was never exercised";
}
