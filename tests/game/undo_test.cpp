// undo_test.cpp: the board's undo list: entries recorded, dropped when an edit changed nothing,
// restored newest first.
#include "game/undo.h"
#include "puzzle/puzzle_test_grids.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>

namespace {

// The pattern grid in play with nothing given and every cell empty.
Board emptyBoard()
{
    Board board = patternBoard();
    fillCells(board);
    return board;
}

Cell& cellAt(Board& board, int32_t x, int32_t y)
{
    return board.cells[static_cast<size_t>(cellIndex(x, y))];
}

// One press on a cell as the board screen handles it: record, change, select, drop a no-op.
void edit(UndoList& list, Board& board, BWPoint& selected, int32_t x, int32_t y,
          const std::function<void(Cell&)>& change)
{
    pushUndo(list, board, selected, x, y);
    change(cellAt(board, x, y));
    selected = BWPoint(x, y);
    dropUndoIfUnchanged(list, board, selected);
}

void place(Cell& cell, int8_t digit)
{
    cell.digit = digit;
}

} // namespace

TEST(Undo, EditsAreRecordedAndUndoneNewestFirst)
{
    Board board = emptyBoard();
    BWPoint selected(-1, -1);
    UndoList list;
    edit(list, board, selected, 2, 3, [](Cell& c) {
        c.marks[4] = 1;
        c.marks[8] = 1;
    });
    edit(list, board, selected, 2, 3, [](Cell& c) { place(c, 7); });
    edit(list, board, selected, 6, 1, [](Cell& c) { place(c, 5); });

    ASSERT_EQ(list.size(), 3u);
    const UndoEntry& second = list[1];
    EXPECT_EQ(second.column, 2);
    EXPECT_EQ(second.row, 3);
    EXPECT_EQ(second.digit, 0) << "an entry holds the cell as it was before the edit";
    EXPECT_EQ(second.marks[4], 1);
    EXPECT_EQ(second.marks[8], 1);
    EXPECT_EQ(second.selection, BWPoint(2, 3));
    EXPECT_EQ(list[0].selection, BWPoint(-1, -1));

    ASSERT_TRUE(restoreLast(list, board, selected));
    EXPECT_EQ(cellAt(board, 6, 1).digit, 0);
    EXPECT_EQ(selected, BWPoint(2, 3));
    ASSERT_TRUE(restoreLast(list, board, selected));
    EXPECT_EQ(cellAt(board, 2, 3).digit, 0);
    EXPECT_EQ(cellAt(board, 2, 3).marks[4], 1) << "the marks come back with the digit gone";
    ASSERT_TRUE(restoreLast(list, board, selected));
    EXPECT_EQ(cellAt(board, 2, 3).marks[4], 0);
    EXPECT_EQ(cellAt(board, 2, 3).marks[8], 0);
    EXPECT_EQ(selected, BWPoint(-1, -1));

    // Undo with nothing left to undo changes nothing.
    const Board before = board;
    EXPECT_FALSE(restoreLast(list, board, selected));
    EXPECT_EQ(selected, BWPoint(-1, -1));
    EXPECT_EQ(std::memcmp(before.cells.data(), board.cells.data(), sizeof(board.cells)), 0);
    dropUndoIfUnchanged(list, board, selected);
    EXPECT_TRUE(list.empty());
}

TEST(Undo, AnEditIsDroppedOnlyWhenCellAndSelectionAreUnchanged)
{
    Board board = emptyBoard();
    cellAt(board, 4, 4).digit = 3;
    BWPoint selected(4, 4);
    UndoList list;
    const auto nothing = [](Cell&) {};

    edit(list, board, selected, 4, 4, nothing);
    EXPECT_TRUE(list.empty()) << "a pencil press on a digit in the selected cell";

    edit(list, board, selected, 0, 0, nothing);
    ASSERT_EQ(list.size(), 1u) << "a press that only moved the selection stays undoable";
    ASSERT_TRUE(restoreLast(list, board, selected));
    EXPECT_EQ(selected, BWPoint(4, 4));

    edit(list, board, selected, 4, 4, [](Cell& c) { c.marks[0] = 1; });
    EXPECT_EQ(list.size(), 1u) << "a mark alone is a change";
    edit(list, board, selected, 4, 4, [](Cell& c) { place(c, 8); });
    EXPECT_EQ(list.size(), 2u) << "a digit alone is a change";

    // Put back by hand, the cell matches the newest entry, which goes; the entry under it
    // saved the cell without its mark, so it stays.
    cellAt(board, 4, 4).digit = 3;
    dropUndoIfUnchanged(list, board, selected);
    dropUndoIfUnchanged(list, board, selected);
    EXPECT_EQ(list.size(), 1u);
}

TEST(Undo, UndoingTheLastEditCanCompleteTheBoard)
{
    Board board = emptyBoard();
    for (int32_t i = 0; i < kCellCount; ++i) {
        board.cells[static_cast<size_t>(i)].digit = static_cast<int8_t>(board.solution[i]);
    }
    ASSERT_TRUE(updateConflicts(board, Difficulty::Easy));
    BWPoint selected(-1, -1);
    UndoList list;
    const int8_t solved = cellAt(board, 8, 8).digit;
    const int8_t wrong = static_cast<int8_t>(solved % 9 + 1);
    edit(list, board, selected, 8, 8, [&](Cell& c) { place(c, wrong); });
    EXPECT_FALSE(updateConflicts(board, Difficulty::Easy));

    ASSERT_TRUE(restoreLast(list, board, selected));
    EXPECT_EQ(cellAt(board, 8, 8).digit, solved);
    EXPECT_EQ(cellAt(board, 8, 8).conflict, 1) << "conflicts wait for the caller's rule check";
    EXPECT_TRUE(updateConflicts(board, Difficulty::Easy));
}

TEST(Undo, TheListHasNoLengthLimit)
{
    Board board = emptyBoard();
    BWPoint selected(-1, -1);
    UndoList list;
    constexpr int32_t kEdits = 20000;
    for (int32_t n = 0; n < kEdits; ++n) {
        // Each pass over the board places the next digit, so every press is a change.
        const int8_t digit = static_cast<int8_t>((n + n / kCellCount) % 9 + 1);
        edit(list, board, selected, n % 9, n / 9 % 9, [=](Cell& c) { place(c, digit); });
    }
    EXPECT_EQ(list.size(), static_cast<size_t>(kEdits));
    while (restoreLast(list, board, selected)) {
    }
    for (const Cell& cell : board.cells) {
        ASSERT_EQ(cell.digit, 0) << "every edit undone, back to the empty board";
    }
    EXPECT_EQ(selected, BWPoint(-1, -1));
}
