// undo.cpp: recording, dropping and restoring undo entries.
#include "game/undo.h"

#include <algorithm>

void pushUndo(UndoList& list, const Board& board, BWPoint selected, int32_t x, int32_t y)
{
    const Cell& cell = board.cells[static_cast<size_t>(cellIndex(x, y))];
    UndoEntry entry;
    entry.column = x;
    entry.row = y;
    entry.digit = cell.digit;
    std::copy(std::begin(cell.marks), std::end(cell.marks), entry.marks.begin());
    entry.selection = selected;
    list.push_back(entry);
}

void dropUndoIfUnchanged(UndoList& list, const Board& board, BWPoint selected)
{
    if (list.empty()) {
        return;
    }
    const UndoEntry& entry = list.back();
    const Cell& cell = board.cells[static_cast<size_t>(cellIndex(entry.column, entry.row))];
    const bool sameMarks = std::equal(entry.marks.begin(), entry.marks.end(), cell.marks);
    if (cell.digit == entry.digit && sameMarks && selected == entry.selection) {
        list.pop_back();
    }
}

bool restoreLast(UndoList& list, Board& board, BWPoint& selected)
{
    if (list.empty()) {
        return false;
    }
    const UndoEntry& entry = list.back();
    Cell& cell = board.cells[static_cast<size_t>(cellIndex(entry.column, entry.row))];
    cell.digit = entry.digit;
    std::copy(entry.marks.begin(), entry.marks.end(), cell.marks);
    selected = entry.selection;
    list.pop_back();
    return true;
}
