// undo_test.cpp: recording, dropping and restoring edits of the board.
#include "game/undo.h"

#include <gtest/gtest.h>

namespace {

Cell& cellOf(Board& board, int32_t x, int32_t y)
{
    return board.cells[static_cast<size_t>(cellIndex(x, y))];
}

} // namespace

TEST(Undo, AnEditThatChangedNothingIsDroppedButAMovedSelectionStays)
{
    Board board;
    UndoList list;
    pushUndo(list, board, BWPoint(2, 3), 4, 5);
    dropUndoIfUnchanged(list, board, BWPoint(2, 3));
    EXPECT_TRUE(list.empty());

    pushUndo(list, board, BWPoint(2, 3), 4, 5);
    dropUndoIfUnchanged(list, board, BWPoint(4, 5));
    EXPECT_EQ(list.size(), 1u) << "moving the selection is an undoable step";

    pushUndo(list, board, BWPoint(4, 5), 4, 5);
    cellOf(board, 4, 5).marks[8] = 1;
    dropUndoIfUnchanged(list, board, BWPoint(4, 5));
    EXPECT_EQ(list.size(), 2u) << "a mark changed";

    UndoList empty;
    dropUndoIfUnchanged(empty, board, BWPoint());
    EXPECT_TRUE(empty.empty());
}

TEST(Undo, RestoringPutsBackTheNewestEditsInReverseOrder)
{
    Board board;
    UndoList list;
    BWPoint selected(-1, -1);
    cellOf(board, 0, 8).marks[2] = 1;
    pushUndo(list, board, selected, 0, 8);
    cellOf(board, 0, 8).digit = 7;
    selected = BWPoint(0, 8);
    pushUndo(list, board, selected, 8, 0);
    cellOf(board, 8, 0).digit = 3;
    cellOf(board, 8, 0).marks[0] = 1;
    selected = BWPoint(8, 0);

    ASSERT_TRUE(restoreLast(list, board, selected));
    EXPECT_EQ(cellOf(board, 8, 0).digit, 0);
    EXPECT_EQ(cellOf(board, 8, 0).marks[0], 0);
    EXPECT_EQ(selected, BWPoint(0, 8));
    ASSERT_TRUE(restoreLast(list, board, selected));
    EXPECT_EQ(cellOf(board, 0, 8).digit, 0);
    EXPECT_EQ(cellOf(board, 0, 8).marks[2], 1);
    EXPECT_EQ(selected, BWPoint(-1, -1));
    EXPECT_FALSE(restoreLast(list, board, selected));
    EXPECT_EQ(selected, BWPoint(-1, -1));
}
