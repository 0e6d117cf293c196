// board.cpp: filling the cells at the start of a game and the rule check.
#include "puzzle/board.h"

#include <cstring>

void fillCells(Board& board)
{
    std::memset(board.cells.data(), 0, sizeof(board.cells));
    for (int32_t i = 0; i < kCellCount; ++i) {
        Cell& cell = board.cells[i];
        cell.zone = static_cast<int8_t>(board.zoneMap[i]);
        cell.solutionDigit = static_cast<int8_t>(board.solution[i]);
        cell.digit = static_cast<int8_t>(board.givens[i]);
        cell.given = board.givens[i] != 0 ? 1 : 0;
    }
}

namespace {

// One peer of a cell showing digit: flags the cell when the peer repeats the digit, and the
// peer's pencil mark for that digit when the peer is empty (unless marks go unflagged).
void checkPeer(Cell& cell, Cell& peer, bool flagMarks)
{
    if (peer.digit == cell.digit) {
        cell.conflict = 1;
    }
    if (flagMarks && peer.digit == 0 && peer.marks[cell.digit - 1] != 0) {
        peer.markConflicts[cell.digit - 1] = 1;
    }
}

} // namespace

bool updateConflicts(Board& board, Difficulty difficulty)
{
    for (Cell& cell : board.cells) {
        cell.conflict = 0;
        std::memset(cell.markConflicts, 0, sizeof(cell.markConflicts));
    }
    const bool flagMarks = difficulty != Difficulty::Hard;
    for (int32_t x = 0; x < kBoardSide; ++x) {
        for (int32_t y = 0; y < kBoardSide; ++y) {
            Cell& cell = board.cells[cellIndex(x, y)];
            // Digits outside 1-9 would index past the marks; the screen never enters them.
            if (cell.digit < 1 || cell.digit > kBoardSide) {
                continue;
            }
            for (int32_t other = 0; other < kBoardSide; ++other) {
                if (other != x) {
                    checkPeer(cell, board.cells[cellIndex(other, y)], flagMarks);
                }
            }
            for (int32_t other = 0; other < kBoardSide; ++other) {
                if (other != y) {
                    checkPeer(cell, board.cells[cellIndex(x, other)], flagMarks);
                }
            }
            for (int32_t i = 0; i < kCellCount; ++i) {
                if (i != cellIndex(x, y) && board.cells[i].zone == cell.zone) {
                    checkPeer(cell, board.cells[i], flagMarks);
                }
            }
        }
    }
    for (const Cell& cell : board.cells) {
        if (cell.digit == 0 || cell.conflict != 0) {
            return false;
        }
    }
    return true;
}
