// soak.cpp: the whole game under the scripted harness, fed seeded random input for a set time;
// it must not crash, hang or grow in memory, and the profile it leaves must load cleanly.
//
//     pellix-soak [--seconds N] [--virtual-seconds N] [--seed N] [--warmup N]
//                 [--max-gap-ms N] [--watchdog N] [--max-growth PERCENT]
//
// Input is clicks (biased toward the buttons, the board, the side panel, the menu options and
// the dialog buttons), key presses, typed letters, wheel turns and close requests. When the
// game ends (Exit, or a close it accepts) it is started again. Frames are watched from a layer
// at the bottom of the stack: the virtual time between two ticks must stay within the bound,
// and a watchdog thread aborts the program when no tick came for a number of wall seconds.
#include "frame/app.h"
#include "game/game.h"
#include "game/kept_game.h"
#include "game/maker.h"
#include "game/profile.h"
#include "tests/harness/harness.h"
#include "ui/layer.h"

#include <malloc.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <thread>
#include <vector>

namespace {

using WallClock = std::chrono::steady_clock;

struct Options {
    double wallSeconds = 60.0;
    double virtualSeconds = 0.0; // 0: no virtual limit
    uint64_t seed = 20261208;
    double warmupSeconds = -1.0; // negative: a quarter of the run, at most five minutes
    uint64_t maxGapMs = 5000;
    int watchdogSeconds = 60;
    double maxGrowthPercent = 5.0;
};

// Resident size in bytes, 0 when /proc cannot be read.
uint64_t residentBytes()
{
    std::ifstream statm("/proc/self/statm");
    uint64_t pages = 0;
    uint64_t resident = 0;
    if (!(statm >> pages >> resident)) {
        return 0;
    }
    return resident * static_cast<uint64_t>(sysconf(_SC_PAGESIZE));
}

double wallSince(WallClock::time_point start)
{
    return std::chrono::duration<double>(WallClock::now() - start).count();
}

struct SoakState {
    Options options;
    WallClock::time_point started = WallClock::now();
    std::atomic<int64_t> lastFrameWallMs{0};
    int64_t runs = 0;
    int64_t inputs = 0;
    int64_t frames = 0;
    uint64_t maxGapMs = 0;
    int64_t gapsOverBound = 0;
    // Resident size once a second after the warm-up, as (wall second, bytes).
    std::vector<std::pair<double, uint64_t>> rssSamples;
    double nextSample = 0.0;
    bool closing = false;
    uint64_t closingSince = 0;

    int64_t wallMs() const
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(WallClock::now() - started).count();
    }
    double warmup() const
    {
        if (options.warmupSeconds >= 0.0) {
            return options.warmupSeconds;
        }
        return std::min(300.0, options.wallSeconds / 4.0);
    }
    bool timeIsUp() const
    {
        return wallSince(started) >= options.wallSeconds ||
               (options.virtualSeconds > 0.0 &&
                static_cast<double>(platformMilliseconds()) >= options.virtualSeconds * 1000.0);
    }
};

SoakState soak;

// The largest resident size in the first and in the last window of the samples after the
// warm-up (a third of them, at most a minute each): a game's size rises and falls as screens
// load, so peaks are compared, not single samples.
struct MemoryPeaks {
    uint64_t first = 0;
    uint64_t last = 0;
    double growthPercent() const
    {
        return first ? 100.0 * (static_cast<double>(last) - static_cast<double>(first)) / first : 0.0;
    }
};

MemoryPeaks memoryPeaks(const std::vector<std::pair<double, uint64_t>>& samples)
{
    MemoryPeaks peaks;
    if (samples.empty()) {
        return peaks;
    }
    const double window = std::min(60.0, (samples.back().first - samples.front().first) / 3.0);
    for (const auto& [wall, rss] : samples) {
        if (wall <= samples.front().first + window) {
            peaks.first = std::max(peaks.first, rss);
        }
        if (wall >= samples.back().first - window) {
            peaks.last = std::max(peaks.last, rss);
        }
    }
    return peaks;
}

// Sits under the game and sees every frame's tick; takes no input.
class FrameProbe : public BWLayer {
public:
    FrameProbe() : lastTick_(platformMilliseconds()) {}
    void onTick() override
    {
        const uint64_t now = platformMilliseconds();
        const uint64_t gap = now - lastTick_;
        lastTick_ = now;
        soak.maxGapMs = std::max(soak.maxGapMs, gap);
        if (gap > soak.options.maxGapMs) {
            ++soak.gapsOverBound;
        }
        ++soak.frames;
        soak.lastFrameWallMs = soak.wallMs();
        sampleMemory();
    }

private:
    // Free pages the allocator keeps are handed back first, so that the size measures what
    // the program holds: a game that loads and frees all its art whenever it restarts would
    // otherwise show as growth whenever the heap's free pages end up scattered.
    static void sampleMemory()
    {
        const double wall = wallSince(soak.started);
        if (wall < soak.nextSample) {
            return;
        }
        soak.nextSample = wall + 1.0;
        if (wall >= soak.warmup()) {
            malloc_trim(0);
            soak.rssSamples.emplace_back(wall, residentBytes());
        }
    }
    uint64_t lastTick_;
};

std::mt19937_64 generator;

int32_t between(int32_t low, int32_t high)
{
    return std::uniform_int_distribution<int32_t>(low, high)(generator);
}

bool chance(int32_t percent)
{
    return between(0, 99) < percent;
}

// Top-left corners of the buttons and marks of the menu, the board screen and every dialog.
const std::array<BWPoint, 26> kButtons = {{
    // The menu.
    kPlayButton, kHelpButton, kSettingsButton, kQuitMenuButton,
    {kLayoutColumn, kOptionRows[0]}, {kLayoutColumn, kOptionRows[1]}, {kLayoutColumn, kOptionRows[2]},
    {kDifficultyColumn, kOptionRows[0]}, {kDifficultyColumn, kOptionRows[1]}, {kDifficultyColumn, kOptionRows[2]},
    // The board screen.
    kPauseButton, kUndoButton, kResetButton, kQuitGameButton, {kPencilBoxLeft, kPencilBoxTop},
    // The answers of the dialogs, the help page's Done and the settings.
    kMiddleButton, kLeftOfTwoButton, kRightOfTwoButton, kLeftOfThreeButton, kRightOfThreeButton,
    kHelpDoneButton, kFullscreenMark, kWindowMark, kSoundOnMark, kSoundOffMark, kClearButton,
}};

BWPoint randomSpot()
{
    const int32_t kind = between(0, 99);
    if (kind < 35) {
        const BWPoint corner = kButtons[static_cast<size_t>(between(0, kButtons.size() - 1))];
        return BWPoint(corner.x + between(0, 30), corner.y + between(0, 30));
    }
    if (kind < 60) {
        const int32_t side = kCellSize * kBoardSide;
        return BWPoint(kBoardLeft + between(0, side - 1), kBoardTop + between(0, side - 1));
    }
    if (kind < 72) {
        return BWPoint(kPanelLeft + between(0, kPanelWidth - 1), kPanelTop + between(0, kPanelHeight - 1));
    }
    if (kind < 80) {
        return BWPoint(between(330, 620), between(280, 420)); // the menu's options
    }
    if (kind < 97) {
        return BWPoint(between(0, kScreenWidth - 1), between(0, kScreenHeight - 1));
    }
    return BWPoint(between(-50, 850), between(-50, 650));
}

constexpr std::array<int32_t, 17> kKeys = {
    '0', '1', '2', '3', '4', '5', '6', '7', '8', '9', vkBackspace, 'T', ' ', 'P', 'Z', vkReturn, vkEscape,
};

// One random input at the current virtual time.
void feedInput(ScriptedRun& script)
{
    const uint64_t now = platformMilliseconds();
    const int32_t kind = between(0, 99);
    const BWPoint at = randomSpot();
    if (kind < 45) {
        script.click(now, at.x, at.y, chance(75) ? 1 : 2);
    } else if (kind < 80) {
        const bool keypadEnter = chance(5);
        const int32_t key = keypadEnter ? vkReturn : kKeys[static_cast<size_t>(between(0, kKeys.size() - 1))];
        script.keyDown(now, key, keypadEnter);
        script.keyUp(now + static_cast<uint64_t>(between(0, 40)), key, keypadEnter);
    } else if (kind < 88) {
        script.typeChar(now, static_cast<uint8_t>(chance(90) ? between(32, 126) : between(0, 255)));
    } else if (kind < 95) {
        script.wheel(now, at.x, at.y, chance(50) ? 120 : -120);
    } else if (kind < 98) {
        script.mouseMove(now, at.x, at.y);
    } else {
        script.close(now);
    }
    ++soak.inputs;
}

// Once the time is up: close requests answered with Enter, now and then Escape, until the game
// ends; a game that will not end within a minute of virtual time is a hang.
void feedClosing(ScriptedRun& script)
{
    const uint64_t now = platformMilliseconds();
    if (!soak.closing) {
        soak.closing = true;
        soak.closingSince = now;
    }
    if (now - soak.closingSince > 60000) {
        std::fprintf(stderr, "soak: the game did not close within 60 s of virtual time\n");
        std::abort();
    }
    script.close(now);
    script.keyDown(now + 10, chance(80) ? vkReturn : vkEscape);
}

// Feeds one input and schedules itself again; the timeline never runs dry.
void feed(ScriptedRun& script)
{
    if (soak.timeIsUp()) {
        feedClosing(script);
        script.at(platformMilliseconds() + 300, [&script] { feed(script); });
        return;
    }
    feedInput(script);
    script.at(platformMilliseconds() + static_cast<uint64_t>(between(5, 150)), [&script] { feed(script); });
}

void startWatchdog()
{
    std::thread([] {
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(1));
            const int64_t silent = soak.wallMs() - soak.lastFrameWallMs;
            if (silent > int64_t{soak.options.watchdogSeconds} * 1000) {
                std::fprintf(stderr, "soak: HANG: no frame for %lld s of wall time\n",
                             static_cast<long long>(silent / 1000));
                std::fflush(stderr);
                std::_Exit(3);
            }
        }
    }).detach();
}

// The stored record is a whole record that loads without mending.
bool profileLoadsCleanly(const std::filesystem::path& configHome)
{
    const std::filesystem::path stored = configHome / kMaker / "Settings" / "Pellix";
    std::ifstream in(stored, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    if (bytes.size() != Profile::kRecordSize) {
        std::fprintf(stderr, "soak: the stored profile has %zu bytes\n", bytes.size());
        return false;
    }
    Profile profile;
    profile.load();
    if (std::memcmp(profile.record().data(), bytes.data(), bytes.size()) != 0) {
        std::fprintf(stderr, "soak: the stored profile needed mending when loaded\n");
        return false;
    }
    return true;
}

// A game kept by the last run, if any, is one the next start would offer.
bool keptGameLoads(const std::filesystem::path& configHome)
{
    const std::filesystem::path stored = configHome / kMaker / "Settings" / "PellixGame";
    if (!std::filesystem::exists(stored)) {
        return true;
    }
    std::ifstream in(stored, std::ios::binary);
    const std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    KeptGame kept;
    if (!decodeKeptGame(bytes.data(), bytes.size(), kept)) {
        std::fprintf(stderr, "soak: the kept game of %zu bytes would be refused\n", bytes.size());
        return false;
    }
    return true;
}

bool parseOptions(int argc, char** argv, Options& options)
{
    for (int i = 1; i + 1 < argc; i += 2) {
        const char* name = argv[i];
        const double value = std::strtod(argv[i + 1], nullptr);
        if (!std::strcmp(name, "--seconds")) {
            options.wallSeconds = value;
        } else if (!std::strcmp(name, "--virtual-seconds")) {
            options.virtualSeconds = value;
        } else if (!std::strcmp(name, "--seed")) {
            options.seed = std::strtoull(argv[i + 1], nullptr, 10);
        } else if (!std::strcmp(name, "--warmup")) {
            options.warmupSeconds = value;
        } else if (!std::strcmp(name, "--max-gap-ms")) {
            options.maxGapMs = static_cast<uint64_t>(value);
        } else if (!std::strcmp(name, "--max-growth")) {
            options.maxGrowthPercent = value;
        } else if (!std::strcmp(name, "--watchdog")) {
            options.watchdogSeconds = static_cast<int>(value);
        } else {
            return false;
        }
    }
    return argc % 2 == 1;
}

// Sanitizer builds keep freed memory in quarantine, so their resident size is no measure.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kMeasureMemory = false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kMeasureMemory = false;
#else
constexpr bool kMeasureMemory = true;
#endif
#else
constexpr bool kMeasureMemory = true;
#endif

} // namespace

int main(int argc, char** argv)
{
    if (!parseOptions(argc, argv, soak.options)) {
        std::fprintf(stderr, "usage: pellix-soak [--seconds N] [--virtual-seconds N] [--seed N] "
                             "[--warmup N] [--max-gap-ms N] [--watchdog N] [--max-growth PERCENT]\n");
        return 2;
    }
    std::string pattern = (std::filesystem::temp_directory_path() / "pellix-soak-XXXXXX").string();
    if (!mkdtemp(pattern.data()) || !platformChangeDirectory(PELLIX_RESOURCES_DIR)) {
        std::fprintf(stderr, "soak: no temporary folder or no resources\n");
        return 2;
    }
    const std::filesystem::path configHome = pattern;
    setenv("XDG_CONFIG_HOME", pattern.c_str(), 1);
    generator.seed(soak.options.seed);
    bool clean = false;
    uint64_t virtualMs = 0;
    {
        ScriptedRun script;
        script.setTimeLimit(UINT64_MAX);
        script.endlessTimeline();
        script.at(0, [&script] { feed(script); });
        startWatchdog();
        while (!soak.closing) {
            FrameProbe probe;
            Game running;
            ++soak.runs;
        }
        virtualMs = platformMilliseconds();
        clean = profileLoadsCleanly(configHome) && keptGameLoads(configHome);
    }
    std::filesystem::remove_all(configHome);

    const MemoryPeaks peaks = memoryPeaks(soak.rssSamples);
    const double growth = peaks.growthPercent();
    const bool memoryOk = !kMeasureMemory || growth <= soak.options.maxGrowthPercent;
    const bool passed = clean && memoryOk && soak.gapsOverBound == 0 && soak.frames > 0;
    std::printf("soak: runs %lld, inputs %lld, frames %lld, virtual %.0f s, wall %.0f s, max frame gap %llu ms, "
                "peak RSS first %.1f MB last %.1f MB (%+.1f %%%s), profile %s, result %s\n",
                static_cast<long long>(soak.runs), static_cast<long long>(soak.inputs),
                static_cast<long long>(soak.frames), virtualMs / 1000.0, wallSince(soak.started),
                static_cast<unsigned long long>(soak.maxGapMs), peaks.first / 1048576.0, peaks.last / 1048576.0,
                growth, kMeasureMemory ? "" : ", not judged under sanitizers", clean ? "clean" : "DAMAGED",
                passed ? "PASS" : "FAIL");
    return passed ? 0 : 1;
}
