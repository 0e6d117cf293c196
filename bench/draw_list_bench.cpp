// draw_list_bench.cpp: what a frame's recording and its comparison with the shown frame cost,
// for the menu's size of list (about 65 commands), an empty board's (about 220) and a board
// full of pencil marks (1000).
#include "bench/allocation_count.h"
#include "frame/draw_list.h"

#include <benchmark/benchmark.h>

namespace {

void performNothing(const DrawCommand&, const char*) {}

// One frame of sprite-like commands, the last one carrying a clock's text.
void recordFrame(int64_t commands)
{
    startRecording();
    DrawCommand command;
    command.perform = performNothing;
    command.subject = &command;
    for (int64_t index = 0; index < commands; ++index) {
        command.serial = uint64_t(index % 40);
        command.values[4] = int32_t(index % 9) * 58;
        command.values[5] = int32_t(index / 9 % 9) * 58;
        submitDraw(command, index + 1 == commands ? "12:34" : nullptr);
    }
    stopRecording();
}

void recordAndCompareAStillFrame(benchmark::State& state)
{
    recordFrame(state.range(0));
    keepRecordingAsShown();
    recordFrame(state.range(0));
    const int64_t allocationsBefore = allocationCount();
    for (auto _ : state) {
        recordFrame(state.range(0));
        benchmark::DoNotOptimize(recordingMatchesShown());
    }
    state.counters["allocations"] = benchmark::Counter(double(allocationCount() - allocationsBefore),
                                                       benchmark::Counter::kAvgIterations);
}
BENCHMARK(recordAndCompareAStillFrame)->Arg(65)->Arg(220)->Arg(1000)->Unit(benchmark::kMicrosecond);

void compareAStillFrame(benchmark::State& state)
{
    recordFrame(state.range(0));
    keepRecordingAsShown();
    recordFrame(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(recordingMatchesShown());
    }
}
BENCHMARK(compareAStillFrame)->Arg(65)->Arg(220)->Arg(1000)->Unit(benchmark::kMicrosecond);

} // namespace
