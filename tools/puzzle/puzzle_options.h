// puzzle_options.h: the command line of pellix-puzzle.
#pragma once

#include "puzzle/board.h"

#include <string>
#include <vector>

enum class PuzzleCommand { Generate, Solve, Bench, Version };

struct PuzzleOptions {
    PuzzleCommand command = PuzzleCommand::Generate;
    ZoneLayout layout = ZoneLayout::Classic;
    Difficulty difficulty = Difficulty::Easy;
    bool seeded = false; // without --seed the generator keeps its unseeded state
    uint32_t seed = 0;
    int32_t count = 1;   // puzzles to generate, or puzzles per pair for bench
};

constexpr int32_t kDefaultBenchCount = 500;

// Parses the arguments after the program name. On a fault returns false with a one-line
// description in fault.
bool parsePuzzleOptions(const std::vector<std::string>& args, PuzzleOptions& options,
                        std::string& fault);

// The lower-case names used on the command line and in reports.
const char* layoutName(ZoneLayout layout);
const char* difficultyName(Difficulty difficulty);

extern const char* const kPuzzleUsage;
