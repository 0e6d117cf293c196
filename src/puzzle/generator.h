// generator.h: a new puzzle for a layout and difficulty: zones, a solution grid, the givens.
#pragma once

#include "puzzle/board.h"

// The numbers that shape the givens of one difficulty.
struct GivenRules {
    int32_t phaseOneGivens;  // cells spread at random first
    int32_t seedRejectCount; // phase 1 rejects a cell when one of its counts reaches this
    int32_t fillAddCount;    // phase 2 adds a cell when one of its counts is at most this
    int32_t givensAbove;     // a finished puzzle has more givens than this
};
GivenRules givenRules(Difficulty difficulty);

// Zones, solution and givens of a finished puzzle whose givens have exactly one solution.
// Exhausted budgets start the whole generation over; returns how many times it did.
int32_t generate(Board& board, ZoneLayout layout, Difficulty difficulty);

// Fills the solution over the zones of a Classic or Random layout, building the zones again
// after every failed attempt. A Chaos solution already exists, so its zones are assigned.
void buildSolution(Board& board, ZoneLayout layout);

// Repeats solution attempts over the current zone map until one succeeds (Chaos builds its
// solution this way, under placeholder zones).
void fillSolution(Board& board);

// Places digit d once in every column, column by column, then the digits after it. The first
// two columns of a digit try every candidate row, later columns one random row. Counts its
// calls in genCalls and gives up past 5000 of them. Every placement is undone on failure.
bool fillDigit(Board& board, int32_t d);

// Chooses the givens over the finished zones and solution: phase 1 spreads a fixed number at
// random, phase 2 visits every cell once and adds it where a count is still low. False when
// the whole generation has to start over (too many repeated draws, too few givens, or givens
// that do not have exactly one solution).
bool makePuzzle(Board& board, Difficulty difficulty);

// Phase 1: spreads the fixed number of givens at random where seedOk holds, starting over
// after more than 5000 rejected draws.
void spreadGivens(Board& board, Difficulty difficulty);

// Phase 2: visits every cell once in random order, adding it where fillOk holds. False when
// the draws hit visited cells more than 10000 times.
bool topUpGivens(Board& board, Difficulty difficulty);

// The acceptance tests of the two phases, over four counts taken from the current givens:
// the givens in row y, in column x, in the zone of (x, y), and those equal to its solution
// digit. Neither accepts a cell that is already given.
bool seedOk(const Board& board, Difficulty difficulty, int32_t x, int32_t y);
bool fillOk(const Board& board, Difficulty difficulty, int32_t x, int32_t y);
