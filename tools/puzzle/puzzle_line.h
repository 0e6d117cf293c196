// puzzle_line.h: the one-line text form of a puzzle: zones, givens and solution, each as 81
// digits in row-major order (left to right along the top row, then the next row down).
#pragma once

#include "puzzle/board.h"
#include "puzzle_options.h"

#include <string>
#include <string_view>
#include <vector>

struct PuzzleLine {
    BoardArray zoneMap{};
    BoardArray givens{};
    bool hasSolution = false;
    BoardArray solution{};
};

// "zones givens solution", separated by single spaces, no line end.
std::string formatPuzzleLine(const Board& board);

// Reads two or three fields (the solution is optional) separated by spaces or tabs. Zones
// are digits 1-9 with nine cells each, givens 0-9 (0 for empty), the solution 1-9 and equal
// to every given. On a fault returns false with a description of it.
bool parsePuzzleLine(std::string_view text, PuzzleLine& line, std::string& fault);

// The lines `generate` prints: the generator seeded once when a seed was given, then the
// count's puzzles made in a row, as the game makes them after seeding.
std::vector<std::string> generatePuzzleLines(const PuzzleOptions& options);
