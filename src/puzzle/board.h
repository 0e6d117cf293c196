// board.h: the puzzle board: zones, solution, givens and what the player has entered per cell.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

// Both are kept as single signed bytes in the player's profile.
enum class ZoneLayout : int8_t { Classic = 0, Random = 1, Chaos = 2 };
enum class Difficulty : int8_t { Easy = 0, Normal = 1, Hard = 2 };

constexpr int32_t kBoardSide = 9;
constexpr int32_t kCellCount = 81;

// Every 81-entry array is stored column by column: cell (x, y) (x the column from the left,
// y the row from the top) lives at index x * 9 + y.
constexpr int32_t cellIndex(int32_t x, int32_t y)
{
    return x * kBoardSide + y;
}

using BoardArray = std::array<int32_t, kCellCount>;

// What the screen shows and the player edits, one signed byte per field.
struct Cell {
    int8_t zone;                    // copy of the zone map, 1 to 9
    int8_t solutionDigit;           // copy of the solution, not consulted by the rule check
    int8_t digit;                   // shown digit: given, entered, or 0 for empty
    int8_t given;                   // 1 when the digit may not be changed
    int8_t conflict;                // 1 when a peer shows the same digit
    int8_t marks[kBoardSide];       // marks[d - 1] is 1 when pencil mark d is noted
    int8_t markConflicts[kBoardSide]; // markConflicts[d - 1]: mark d clashes with a peer's digit
};
static_assert(sizeof(Cell) == 23, "a cell is a 23-byte record");
static_assert(offsetof(Cell, marks) == 5 && offsetof(Cell, markConflicts) == 14,
              "pencil marks and their conflicts follow the five single bytes");

struct Board {
    BoardArray zoneMap{};  // zone 1 to 9 of each cell; 0 or placeholders only while building
    BoardArray solution{}; // solution digit 1 to 9 of each cell
    BoardArray givens{};   // given digit, or 0 where the cell is not given
    int32_t genCalls = 0;  // calls of the solution generator in the current attempt
    std::array<Cell, kCellCount> cells{};
};

// Starts a game on the finished arrays: every cell cleared, then zone, solution digit, the
// given digit and the given flag copied in.
void fillCells(Board& board);

// Recomputes the conflict and mark-conflict bytes of every cell and returns true when the
// board is solved: every cell shows a digit and none conflicts. Any such grid counts, not
// only the stored solution. On Hard pencil marks are never flagged.
bool updateConflicts(Board& board, Difficulty difficulty);
