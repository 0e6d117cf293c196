// kept_game.h: the unfinished game kept when the program closes, as the stored record "PellixGame".
//
// A game still being played when the program ends is written beside the profile ("Pellix") in
// the same per-user store, and offered again at the next start. The record is read once and
// deleted at once, so a kept game comes back at most once. Anything that is not exactly a
// record written by this version about a board that keeps the rules is refused, and the game
// starts at the menu as if nothing had been kept.
//
// Layout, every multi-byte number little-endian, every 81-entry array column by column
// (cell (x, y) at index x * 9 + y), as the board keeps them:
//
//   offset  size  field
//      0      4   magic "PXKG"
//      4      2   version, 1
//      6      2   size of the fixed part, 518 (everything before the undo entries)
//      8      4   size of the whole record: 518 + 8 x undo count; the stored value is exactly this long
//     12      4   CRC-32 (the one of zlib and PNG) of every byte from offset 16 to the end
//     16      1   zone layout, signed: 0 Classic, 1 Random, 2 Chaos
//     17      1   difficulty, signed: 0 Easy, 1 Normal, 2 Hard
//     18      1   pencil mode: 0 off, 1 on
//     19      1   current number: 0 (the eraser) to 9
//     20      2   selected cell: column, row, signed; both -1 for none, else both 0 to 8
//     22      2   padding, 0
//     24      4   elapsed playing time in seconds, 32-bit float: finite, 0 or more, below 2^31
//     28     81   zone of each cell, 1 to 9
//    109     81   solution digit of each cell, 1 to 9
//    190     81   given digit of each cell, 0 where the cell is not given
//    271     81   digit the cell shows, 0 to 9; a given cell shows its given
//    352    162   pencil marks, 16 bits per cell: bit d - 1 set for mark d; given cells have none
//    514      4   undo count, at most kMaxKeptUndo
//    518  8 each  undo entries, oldest first: column, row, digit (0 to 9), padding 0, the marks
//                 as 16 bits like above, the selection before the edit (column, row, signed)
//
// A board keeps the rules when every zone has nine cells, the solution fills every row, column
// and zone with 1 to 9 once, every given equals the solution, and it is not already solved.
// Undo entries name cells that are not given.
#pragma once

#include "base/geometry.h"
#include "game/undo.h"
#include "puzzle/board.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct KeptGame {
    ZoneLayout layout = ZoneLayout::Classic;
    Difficulty difficulty = Difficulty::Easy;
    // The zone map, solution and givens, and in each cell the digit and pencil marks; conflict
    // bytes are worked out again when the game goes on.
    Board board;
    BWPoint selected{-1, -1};
    bool pencilMode = false;
    int32_t currentNumber = 1;
    float elapsedSeconds = 0.0f;
    UndoList undoList; // oldest first
};

// Longer undo lists keep their newest entries; nobody makes a million edits in one game.
constexpr std::size_t kMaxKeptUndo = 1000000;

std::vector<std::uint8_t> encodeKeptGame(const KeptGame& game);
// False for anything but a whole, undamaged record of this version whose board keeps the
// rules; kept then holds the board with its conflict bytes worked out.
bool decodeKeptGame(const std::uint8_t* bytes, std::size_t size, KeptGame& kept);

// The store's record: written atomically, like the profile; true when stored.
bool saveKeptGame(const KeptGame& game);
// Reads the stored record and deletes it, whatever it held; true when it held a game to offer.
bool takeKeptGame(KeptGame& kept);
// Deletes the stored record, if any.
void forgetKeptGame();
// Where the program can end without notice: the record the page stores, or deletes, should it
// be ended now.
void keepKeptGameOnEnding(const KeptGame& game);
void forgetKeptGameOnEnding();
