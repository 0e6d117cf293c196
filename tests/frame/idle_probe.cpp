// idle_probe.cpp: runs the real loop on a real window for a while and reports the processor
// time it used and the intervals between its frames (scripts/measure-idle.sh runs it).
//
// Usage: pellix-idle-probe <frames per second> <seconds>
// With a frame rate above 0 one layer fills the whole window each frame.
#include "frame/app.h"
#include "frame/clock.h"
#include "frame/loop.h"
#include "ui/layer.h"

#include <sys/resource.h>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

namespace {

class FillLayer : public BWLayer {
public:
    std::vector<uint64_t> ticks;
    void onTick() override { ticks.push_back(milliseconds()); }
    void onDraw() override { fillRect(BWColor(0xff336699u), screenRect()); }
};

double processorSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    auto toSeconds = [](const timeval& time) { return static_cast<double>(time.tv_sec) + time.tv_usec / 1e6; };
    return toSeconds(usage.ru_utime) + toSeconds(usage.ru_stime);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <frames per second> <seconds>\n", argv[0]);
        return 2;
    }
    const int32_t framesPerSecond = std::atoi(argv[1]);
    const int seconds = std::atoi(argv[2]);
    FillLayer layer;
    createWindow(BWString("Pellix"), 800, 600, 32, framesPerSecond);
    // A termination request is a close request to the loop, as the window's close button is.
    std::thread timer([seconds] {
        std::this_thread::sleep_for(std::chrono::seconds(seconds));
        std::raise(SIGTERM);
    });
    const double startProcessor = processorSeconds();
    const auto startWall = std::chrono::steady_clock::now();
    run();
    const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - startWall).count();
    const double used = processorSeconds() - startProcessor;
    timer.join();
    shutdown();

    std::vector<uint64_t> intervals;
    for (size_t i = 1; i < layer.ticks.size(); ++i) {
        intervals.push_back(layer.ticks[i] - layer.ticks[i - 1]);
    }
    std::sort(intervals.begin(), intervals.end());
    std::printf("frame rate %d: %.1f s wall, %.3f s processor = %.2f %% of one core; %zu ticks", framesPerSecond,
                wall, used, 100.0 * used / wall, layer.ticks.size());
    if (!intervals.empty()) {
        std::printf(", tick interval median %llu ms (min %llu, max %llu)",
                    static_cast<unsigned long long>(intervals[intervals.size() / 2]),
                    static_cast<unsigned long long>(intervals.front()),
                    static_cast<unsigned long long>(intervals.back()));
    }
    std::printf("\n");
    return 0;
}
