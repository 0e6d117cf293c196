// board_test.cpp: filling the cells for a game and the rule check.
#include "puzzle/board.h"
#include "puzzle_test_grids.h"

#include <gtest/gtest.h>

namespace {

// A Classic board whose cells show the pattern grid as givens, with the cells listed emptied.
Board patternBoard(std::initializer_list<std::pair<int32_t, int32_t>> emptied = {})
{
    Board board;
    board.zoneMap = classicZoneMap();
    board.solution = patternGrid();
    board.givens = board.solution;
    for (const auto& [x, y] : emptied) {
        board.givens[cellIndex(x, y)] = 0;
    }
    fillCells(board);
    return board;
}

Cell& cellAt(Board& board, int32_t x, int32_t y)
{
    return board.cells[cellIndex(x, y)];
}

} // namespace

TEST(BoardCells, FillingStartsEveryCellAfresh)
{
    Board board = patternBoard({{4, 4}});
    Cell& cell = cellAt(board, 4, 4);
    cell.digit = 7;
    cell.marks[2] = 1;
    cell.conflict = 1;
    cell.markConflicts[2] = 1;
    fillCells(board);
    EXPECT_EQ(cell.digit, 0);
    EXPECT_EQ(cell.given, 0);
    EXPECT_EQ(cell.marks[2], 0);
    EXPECT_EQ(cell.conflict, 0);
    EXPECT_EQ(cell.markConflicts[2], 0);
    EXPECT_EQ(cell.zone, 5);
    EXPECT_EQ(cell.solutionDigit, patternDigit(4, 4));
    const Cell& given = cellAt(board, 2, 7);
    EXPECT_EQ(given.digit, patternDigit(2, 7));
    EXPECT_EQ(given.given, 1);
    EXPECT_EQ(given.zone, 7);
}

TEST(RuleCheck, RepeatedDigitFlagsBothCellsInRowColumnAndZone)
{
    // One given peer of (0,0) at a time: in its row, its column, its box only. The player
    // enters the same digit at (0,0).
    const std::pair<int32_t, int32_t> peers[] = {{5, 0}, {0, 6}, {1, 1}};
    for (const auto& [px, py] : peers) {
        Board board = patternBoard();
        for (int32_t i = 0; i < kCellCount; ++i) {
            board.givens[i] = i == cellIndex(px, py) ? board.givens[i] : 0;
        }
        fillCells(board);
        cellAt(board, 0, 0).digit = static_cast<int8_t>(patternDigit(px, py));
        EXPECT_FALSE(updateConflicts(board, Difficulty::Easy));
        EXPECT_EQ(cellAt(board, 0, 0).conflict, 1) << px << "," << py;
        EXPECT_EQ(cellAt(board, px, py).conflict, 1) << px << "," << py;
        int32_t flagged = 0;
        for (const Cell& cell : board.cells) {
            flagged += cell.conflict;
        }
        EXPECT_EQ(flagged, 2);

        cellAt(board, 0, 0).digit = 0;
        updateConflicts(board, Difficulty::Easy);
        EXPECT_EQ(cellAt(board, px, py).conflict, 0);
        EXPECT_EQ(cellAt(board, 0, 0).conflict, 0);
    }
}

TEST(RuleCheck, PencilMarksClashWithPeerDigitsExceptOnHard)
{
    for (Difficulty difficulty : {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard}) {
        Board board = patternBoard({{0, 0}, {1, 0}});
        const int8_t rowDigit = static_cast<int8_t>(patternDigit(8, 0));
        cellAt(board, 0, 0).marks[rowDigit - 1] = 1;
        cellAt(board, 0, 0).marks[patternDigit(0, 0) - 1] = 1; // no peer shows it
        cellAt(board, 1, 0).digit = rowDigit; // a cell showing a digit keeps its marks unflagged
        cellAt(board, 1, 0).marks[rowDigit - 1] = 1;
        updateConflicts(board, difficulty);
        const bool flagged = difficulty != Difficulty::Hard;
        EXPECT_EQ(cellAt(board, 0, 0).markConflicts[rowDigit - 1], flagged ? 1 : 0);
        EXPECT_EQ(cellAt(board, 0, 0).markConflicts[patternDigit(0, 0) - 1], 0);
        EXPECT_EQ(cellAt(board, 1, 0).markConflicts[rowDigit - 1], 0);
    }
}

TEST(RuleCheck, SolvedMeansFullAndConflictFree)
{
    Board board = patternBoard({{3, 3}});
    EXPECT_FALSE(updateConflicts(board, Difficulty::Normal)) << "one empty cell";
    cellAt(board, 3, 3).digit = static_cast<int8_t>(patternDigit(3, 3));
    EXPECT_TRUE(updateConflicts(board, Difficulty::Normal));

    // Swapping two digits everywhere gives another valid grid, not the stored solution.
    for (Cell& cell : board.cells) {
        cell.digit = static_cast<int8_t>(cell.digit == 1 ? 2 : cell.digit == 2 ? 1 : cell.digit);
    }
    EXPECT_TRUE(updateConflicts(board, Difficulty::Hard));

    cellAt(board, 3, 3).digit = static_cast<int8_t>(patternDigit(3, 3) % 9 + 1);
    EXPECT_FALSE(updateConflicts(board, Difficulty::Hard)) << "full with one conflict";
}
