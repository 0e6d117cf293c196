// puzzle_bench.cpp: the solution counter and the inner steps of puzzle generation.
#include "base/random.h"
#include "puzzle/generator.h"
#include "puzzle/solver.h"
#include "puzzle/zones.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

ZoneLayout layoutArg(const benchmark::State& state)
{
    return static_cast<ZoneLayout>(state.range(0));
}

// Finished Hard puzzles of one layout from fixed seeds.
std::vector<Board> hardPuzzles(ZoneLayout layout, int32_t count)
{
    std::vector<Board> boards(count);
    for (int32_t i = 0; i < count; ++i) {
        seedRandom(static_cast<uint32_t>(i + 1));
        generate(boards[i], layout, Difficulty::Hard);
    }
    return boards;
}

void countSolutionsOfHardPuzzles(benchmark::State& state)
{
    const std::vector<Board> boards = hardPuzzles(layoutArg(state), 64);
    std::size_t next = 0;
    for (auto _ : state) {
        const Board& board = boards[next++ % boards.size()];
        benchmark::DoNotOptimize(countSolutions(board.givens, board.zoneMap));
    }
}

// The Random layout half built: zones 1 to 4 grown, the rest free.
Board halfBuiltLayout()
{
    seedRandom(7);
    Board board;
    buildZones(board, ZoneLayout::Random);
    for (int32_t& zone : board.zoneMap) {
        zone = zone <= 4 ? zone : 0;
    }
    return board;
}

void floodCountOfFreeRegion(benchmark::State& state)
{
    const Board board = halfBuiltLayout();
    int32_t free = 0;
    while (board.zoneMap[free] != 0) {
        ++free;
    }
    for (auto _ : state) {
        benchmark::DoNotOptimize(floodCount(board, free / 9, free % 9));
    }
}

void growRemainingZones(benchmark::State& state)
{
    const Board start = halfBuiltLayout();
    seedRandom(11);
    for (auto _ : state) {
        Board board = start;
        benchmark::DoNotOptimize(growZone(board, 5));
    }
}

void buildRandomLayout(benchmark::State& state)
{
    seedRandom(13);
    Board board;
    for (auto _ : state) {
        buildZones(board, ZoneLayout::Random);
        benchmark::DoNotOptimize(board.zoneMap.data());
    }
}

// One solution attempt, successful or out of budget, over the layout's zones.
void solutionAttempt(benchmark::State& state)
{
    seedRandom(17);
    Board board;
    buildZones(board, layoutArg(state) == ZoneLayout::Random ? ZoneLayout::Random
                                                             : ZoneLayout::Classic);
    int64_t successes = 0;
    for (auto _ : state) {
        board.genCalls = 0;
        board.solution.fill(0);
        successes += fillDigit(board, 1) ? 1 : 0;
    }
    state.counters["success"] = benchmark::Counter(static_cast<double>(successes),
                                                   benchmark::Counter::kAvgIterations);
}

void makePuzzleOnFixedSolution(benchmark::State& state)
{
    seedRandom(19);
    Board solved;
    buildZones(solved, layoutArg(state));
    buildSolution(solved, layoutArg(state));
    for (auto _ : state) {
        Board board = solved;
        benchmark::DoNotOptimize(makePuzzle(board, Difficulty::Hard));
    }
}

void generateHardPuzzle(benchmark::State& state)
{
    seedRandom(23);
    Board board;
    for (auto _ : state) {
        benchmark::DoNotOptimize(generate(board, layoutArg(state), Difficulty::Hard));
    }
}

// Arguments: 0 Classic, 1 Random, 2 Chaos.
BENCHMARK(countSolutionsOfHardPuzzles)->DenseRange(0, 2);
BENCHMARK(floodCountOfFreeRegion);
BENCHMARK(growRemainingZones);
BENCHMARK(buildRandomLayout)->Unit(benchmark::kMicrosecond);
BENCHMARK(solutionAttempt)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);
BENCHMARK(makePuzzleOnFixedSolution)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
BENCHMARK(generateHardPuzzle)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
