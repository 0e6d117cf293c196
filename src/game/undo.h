// undo.h: the undo list of the board: one entry per edit, holding the cell as it was before.
#pragma once

#include "base/geometry.h"
#include "puzzle/board.h"

#include <array>
#include <cstdint>
#include <vector>

struct UndoEntry {
    int32_t column = 0;
    int32_t row = 0;
    int8_t digit = 0;
    std::array<int8_t, kBoardSide> marks{};
    BWPoint selection; // the selected cell before the edit
};

// Oldest first, newest last; it has no length limit.
using UndoList = std::vector<UndoEntry>;

// Records cell (x, y) and the selection as they are now.
void pushUndo(UndoList& list, const Board& board, BWPoint selected, int32_t x, int32_t y);
// Forgets the newest entry when its cell and the selection still hold what it saved: the edit
// changed nothing. A press that only moved the selection stays undoable.
void dropUndoIfUnchanged(UndoList& list, const Board& board, BWPoint selected);
// Puts the newest entry's digit, marks and selection back and forgets it; false when the list
// is empty. The conflict bytes are left for the caller's rule check.
bool restoreLast(UndoList& list, Board& board, BWPoint& selected);
