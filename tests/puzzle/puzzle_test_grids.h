// puzzle_test_grids.h: small board helpers shared by the puzzle tests.
#pragma once

#include "puzzle/board.h"
#include "puzzle/zones.h"

// A valid Classic grid: each row is the one above shifted by three, each band by one more.
inline int32_t patternDigit(int32_t x, int32_t y)
{
    return (y * 3 + y / 3 + x) % 9 + 1;
}

// The Classic zones and the pattern grid as the solution, nothing given.
inline Board patternBoard()
{
    Board board;
    buildZones(board, ZoneLayout::Classic);
    for (int32_t i = 0; i < kCellCount; ++i) {
        board.solution[i] = patternDigit(i / 9, i % 9);
    }
    return board;
}

// True when every row, column and zone of a full grid holds 1 to 9 once.
inline bool obeysRules(const BoardArray& grid, const BoardArray& zones)
{
    int32_t seen[3][10] = {};
    for (int32_t i = 0; i < kCellCount; ++i) {
        if (grid[i] < 1 || grid[i] > 9 || zones[i] < 1 || zones[i] > 9) {
            return false;
        }
        seen[0][i % 9] |= 1 << grid[i];
        seen[1][i / 9] |= 1 << grid[i];
        seen[2][zones[i] - 1] |= 1 << grid[i];
    }
    for (int32_t unit = 0; unit < 9; ++unit) {
        if (seen[0][unit] != 0x3fe || seen[1][unit] != 0x3fe || seen[2][unit] != 0x3fe) {
            return false;
        }
    }
    return true;
}
