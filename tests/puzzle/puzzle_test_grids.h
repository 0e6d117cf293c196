// puzzle_test_grids.h: small board helpers shared by the puzzle tests.
#pragma once

#include "puzzle/board.h"
#include "puzzle/zones.h"

// A valid Classic grid: each row is the one above shifted by three, each band by one more.
inline int32_t patternDigit(int32_t x, int32_t y)
{
    return (y * 3 + y / 3 + x) % kBoardSide + 1;
}

inline BoardArray classicZoneMap()
{
    BoardArray zones{};
    for (int32_t x = 0; x < kBoardSide; ++x) {
        for (int32_t y = 0; y < kBoardSide; ++y) {
            zones[cellIndex(x, y)] = classicZone(x, y);
        }
    }
    return zones;
}

inline BoardArray patternGrid()
{
    BoardArray grid{};
    for (int32_t x = 0; x < kBoardSide; ++x) {
        for (int32_t y = 0; y < kBoardSide; ++y) {
            grid[cellIndex(x, y)] = patternDigit(x, y);
        }
    }
    return grid;
}

// True when every row, column and zone of a full grid holds 1 to 9 once.
inline bool obeysRules(const BoardArray& grid, const BoardArray& zones)
{
    int32_t rowSeen[kBoardSide] = {};
    int32_t columnSeen[kBoardSide] = {};
    int32_t zoneSeen[kBoardSide + 1] = {};
    for (int32_t i = 0; i < kCellCount; ++i) {
        const int32_t digit = grid[i];
        if (digit < 1 || digit > kBoardSide || zones[i] < 1 || zones[i] > kBoardSide) {
            return false;
        }
        rowSeen[i % kBoardSide] |= 1 << digit;
        columnSeen[i / kBoardSide] |= 1 << digit;
        zoneSeen[zones[i]] |= 1 << digit;
    }
    for (int32_t unit = 0; unit < kBoardSide; ++unit) {
        if (rowSeen[unit] != 0x3fe || columnSeen[unit] != 0x3fe || zoneSeen[unit + 1] != 0x3fe) {
            return false;
        }
    }
    return true;
}
