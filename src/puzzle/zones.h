// zones.h: the three zone layouts (Classic boxes, Random connected zones, Chaos scattered zones).
#pragma once

#include "puzzle/board.h"

// The Classic zone of (x, y): the 3 x 3 boxes numbered 1 to 3 across the top, 4 to 6 in the
// middle band, 7 to 9 across the bottom.
int32_t classicZone(int32_t x, int32_t y);

// Fills the zone map for the layout. Chaos also builds the solution here, under one
// placeholder zone per cell; its real zones are assigned by assignChaosZones afterwards.
void buildZones(Board& board, ZoneLayout layout);

// True when one of the four orthogonal neighbours of (x, y) is on the board and has zone z.
bool touchesZone(const Board& board, int32_t x, int32_t y, int32_t z);

// The size of the connected region of unassigned cells (zone 0) holding (x, y); 0 when the
// cell is off the board or already assigned.
int32_t floodCount(const Board& board, int32_t x, int32_t y);

// Grows zones z to 9 of a Random layout one random cell at a time. A step may only take an
// unassigned cell touching the zone whose free region does not already divide into whole
// zones. One try per step: on a dead end every cell this call assigned goes back to 0 and the
// result is false.
bool growZone(Board& board, int32_t z);

// Chaos zones over a finished solution: zone z takes one cell of each digit 1 to 9 in turn,
// each drawn at random among the unassigned cells holding that digit.
void assignChaosZones(Board& board);
