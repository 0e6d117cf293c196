// board_test.cpp: filling the cells for a game and the rule check.
#include "puzzle/board.h"
#include "puzzle_test_grids.h"

#include <gtest/gtest.h>

namespace {

// The pattern board with every cell given except those listed.
Board givenBoard(std::initializer_list<std::pair<int32_t, int32_t>> emptied)
{
    Board board = patternBoard();
    board.givens = board.solution;
    for (const auto& [x, y] : emptied) {
        board.givens[cellIndex(x, y)] = 0;
    }
    fillCells(board);
    return board;
}

} // namespace

TEST(RuleCheck, RepeatedDigitFlagsBothCellsInRowColumnAndZone)
{
    // One given peer of (0,0) at a time (its row, its column, its box only); the player
    // enters the same digit at (0,0), then takes it away again.
    for (const auto& [px, py] : {std::pair{5, 0}, {0, 6}, {1, 1}}) {
        Board board = patternBoard();
        board.givens[cellIndex(px, py)] = patternDigit(px, py);
        fillCells(board);
        board.cells[0].digit = static_cast<int8_t>(patternDigit(px, py));
        EXPECT_FALSE(updateConflicts(board, Difficulty::Easy));
        int32_t flagged = 0;
        for (const Cell& cell : board.cells) {
            flagged += cell.conflict;
        }
        EXPECT_EQ(flagged, 2);
        EXPECT_EQ(board.cells[cellIndex(px, py)].conflict, 1) << px << "," << py;
        board.cells[0].digit = 0;
        updateConflicts(board, Difficulty::Easy);
        EXPECT_EQ(board.cells[cellIndex(px, py)].conflict, 0);
    }
}

TEST(RuleCheck, PencilMarksClashWithPeerDigitsExceptOnHard)
{
    for (Difficulty difficulty : {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard}) {
        Board board = givenBoard({{0, 0}, {1, 0}});
        const int32_t rowDigit = patternDigit(8, 0);       // shown at (8,0)
        board.cells[cellIndex(0, 0)].marks[rowDigit - 1] = 1;
        board.cells[cellIndex(0, 0)].marks[patternDigit(0, 0) - 1] = 1; // shown by no peer
        Cell& showing = board.cells[cellIndex(1, 0)];        // a cell with a digit keeps its
        showing.digit = static_cast<int8_t>(rowDigit);       // marks unflagged
        showing.marks[rowDigit - 1] = 1;
        updateConflicts(board, difficulty);
        const Cell& marked = board.cells[cellIndex(0, 0)];
        EXPECT_EQ(marked.markConflicts[rowDigit - 1], difficulty != Difficulty::Hard ? 1 : 0);
        EXPECT_EQ(marked.markConflicts[patternDigit(0, 0) - 1], 0);
        EXPECT_EQ(showing.markConflicts[rowDigit - 1], 0);
    }
}

TEST(RuleCheck, SolvedMeansFullAndConflictFreeOnFreshCells)
{
    Board board = givenBoard({{3, 3}});
    // Filling starts every cell afresh: the given cells show their digits, the rest nothing.
    Cell& cell = board.cells[cellIndex(3, 3)];
    cell = {5, 5, 7, 1, 1, {1, 1, 1}, {1, 1, 1}};
    fillCells(board);
    EXPECT_EQ(cell.zone, 5);
    EXPECT_EQ(cell.solutionDigit, patternDigit(3, 3));
    EXPECT_EQ(cell.digit, 0);
    EXPECT_FALSE(cell.given);
    EXPECT_EQ(cell.conflict, 0);
    EXPECT_EQ(cell.marks[2], 0);
    EXPECT_EQ(cell.markConflicts[2], 0);
    EXPECT_TRUE(board.cells[cellIndex(2, 7)].given);
    EXPECT_EQ(board.cells[cellIndex(2, 7)].digit, patternDigit(2, 7));
    EXPECT_FALSE(updateConflicts(board, Difficulty::Normal)) << "one empty cell";
    board.cells[cellIndex(3, 3)].digit = static_cast<int8_t>(patternDigit(3, 3));
    EXPECT_TRUE(updateConflicts(board, Difficulty::Normal));
    // Swapping two digits everywhere gives another valid grid, not the stored solution.
    for (Cell& cell : board.cells) {
        cell.digit = static_cast<int8_t>(cell.digit == 1 ? 2 : cell.digit == 2 ? 1 : cell.digit);
    }
    EXPECT_TRUE(updateConflicts(board, Difficulty::Hard));
    board.cells[cellIndex(3, 3)].digit = static_cast<int8_t>(patternDigit(3, 3) % 9 + 1);
    EXPECT_FALSE(updateConflicts(board, Difficulty::Hard)) << "full with one conflict";
}
