// main.cpp: pellix-puzzle, the puzzle engine on the command line: generate puzzles, count the
// solutions of puzzles read from standard input, and measure generation speed.
#include "base/random.h"
#include "puzzle/generator.h"
#include "puzzle/solver.h"
#include "puzzle_line.h"
#include "puzzle_options.h"
#include "timing_summary.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <iostream>
#include <string>

namespace {

constexpr int kBadInput = 2;

double millisecondsSince(std::chrono::steady_clock::time_point start)
{
    const auto elapsed = std::chrono::steady_clock::now() - start;
    return std::chrono::duration<double, std::milli>(elapsed).count();
}

int32_t countGivens(const Board& board)
{
    return static_cast<int32_t>(std::count_if(board.givens.begin(), board.givens.end(),
                                              [](int32_t digit) { return digit != 0; }));
}

int runGenerate(const PuzzleOptions& options)
{
    for (const std::string& line : generatePuzzleLines(options)) {
        std::printf("%s\n", line.c_str());
    }
    return 0;
}

int runSolve()
{
    std::string text;
    for (int64_t lineNumber = 1; std::getline(std::cin, text); ++lineNumber) {
        if (text.find_first_not_of(" \t\r") == std::string::npos) {
            continue;
        }
        PuzzleLine line;
        std::string fault;
        if (!parsePuzzleLine(text, line, fault)) {
            std::fprintf(stderr, "pellix-puzzle: line %lld: %s\n",
                         static_cast<long long>(lineNumber), fault.c_str());
            return kBadInput;
        }
        BoardArray found{};
        const auto start = std::chrono::steady_clock::now();
        const int32_t solutions = countSolutions(line.givens, line.zoneMap, &found);
        const double milliseconds = millisecondsSince(start);
        if (solutions == 1 && line.hasSolution && found != line.solution) {
            std::fprintf(stderr,
                         "pellix-puzzle: line %lld: the solution field is not the only "
                         "solution of the givens\n",
                         static_cast<long long>(lineNumber));
            return kBadInput;
        }
        std::printf("%d %.3f\n", solutions, milliseconds);
    }
    return 0;
}

int runBench(const PuzzleOptions& options)
{
    const ZoneLayout layouts[] = {ZoneLayout::Classic, ZoneLayout::Random, ZoneLayout::Chaos};
    const Difficulty difficulties[] = {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard};
    std::printf("%d puzzles per pair, seeds 1 to %d, times in ms\n", options.count,
                options.count);
    std::printf("%-8s %-7s %8s %8s %8s %8s %9s %7s\n", "layout", "level", "median", "p90",
                "p99", "max", "restarts", "givens");
    Board board;
    for (ZoneLayout layout : layouts) {
        for (Difficulty difficulty : difficulties) {
            std::vector<double> times;
            int64_t restarts = 0;
            int32_t fewestGivens = kCellCount;
            int32_t mostGivens = 0;
            for (int32_t seed = 1; seed <= options.count; ++seed) {
                seedRandom(static_cast<uint32_t>(seed));
                const auto start = std::chrono::steady_clock::now();
                restarts += generate(board, layout, difficulty);
                times.push_back(millisecondsSince(start));
                fewestGivens = std::min(fewestGivens, countGivens(board));
                mostGivens = std::max(mostGivens, countGivens(board));
            }
            const TimingSummary summary = summarizeTimes(times);
            std::printf("%-8s %-7s %8.3f %8.3f %8.3f %8.3f %9.3f %4d-%d\n", layoutName(layout),
                        difficultyName(difficulty), summary.median, summary.p90, summary.p99,
                        summary.max, static_cast<double>(restarts) / options.count,
                        fewestGivens, mostGivens);
            std::fflush(stdout);
        }
    }
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> args(argv + 1, argv + argc);
    PuzzleOptions options;
    std::string fault;
    if (!parsePuzzleOptions(args, options, fault)) {
        std::fprintf(stderr, "pellix-puzzle: %s\n%s", fault.c_str(), kPuzzleUsage);
        return kBadInput;
    }
    switch (options.command) {
    case PuzzleCommand::Solve:
        return runSolve();
    case PuzzleCommand::Bench:
        return runBench(options);
    case PuzzleCommand::Version:
        std::printf("pellix-puzzle %s\n", PELLIX_VERSION);
        return 0;
    case PuzzleCommand::Generate:
        break;
    }
    return runGenerate(options);
}
