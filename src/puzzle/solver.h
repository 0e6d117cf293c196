// solver.h: the exact solution counter that decides whether a puzzle is unique.
#pragma once

#include "puzzle/board.h"

// Counts the grids that complete the givens (0 for an empty cell) with every row, column and
// zone holding 1 to 9 once, stopping at two: the result is 0, 1, or 2 for "more than one".
// Givens outside 0-9, zones outside 1-9 and givens that already clash give 0. When solution
// is not null and a grid is found, the first one found is stored there.
int32_t countSolutions(const BoardArray& givens, const BoardArray& zoneMap,
                       BoardArray* solution = nullptr);
