// harness.cpp: the scripted message source over the manual clock.
#include "tests/harness/harness.h"

#include "frame/app.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

ScriptedRun::ScriptedRun()
{
    // Defaults only: a run under xvfb-run may ask for the x11 driver instead.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    platformUseManualClock(0);
    useAsMessageSource();
}

ScriptedRun::~ScriptedRun()
{
    platformSetMessageSource({});
    platformUseRealClock();
    if (!endless_) {
        expectTimelineRanOut();
    }
}

void ScriptedRun::useAsMessageSource()
{
    platformSetMessageSource({.next = &ScriptedRun::nextMessage,
                              .dropWaitingPresses = &ScriptedRun::dropWaitingPresses,
                              .user = this});
}

void ScriptedRun::expectTimelineRanOut() const
{
    const auto left = std::find_if(timeline_.begin(), timeline_.end(),
                                   [](const auto& entry) { return entry.second.need == Need::Reached; });
    if (left != timeline_.end()) {
        ADD_FAILURE() << "the run ended before its timeline: the first entry left is at " << left->first
                      << " ms (" << left->second.label << ")";
    }
}

void ScriptedRun::at(uint64_t ms, std::function<void()> action, const char* label)
{
    timeline_.emplace(ms, Entry{PlatformMessage{}, std::move(action), *label ? label : "an action"});
}

namespace {

// What a message left on the timeline is called in the failure that names it.
const char* messageLabel(PlatformMessageKind kind)
{
    switch (kind) {
    case PlatformMessageKind::KeyDown: return "a key press";
    case PlatformMessageKind::KeyUp: return "a key release";
    case PlatformMessageKind::Char: return "a typed character";
    case PlatformMessageKind::MouseDown: return "a button press";
    case PlatformMessageKind::MouseUp: return "a button release";
    case PlatformMessageKind::Close: return "the close button";
    default: return "a window message";
    }
}

} // namespace

void ScriptedRun::send(uint64_t ms, const PlatformMessage& message)
{
    PlatformMessage stamped = message;
    stamped.time = ms;
    timeline_.emplace(ms, Entry{stamped, nullptr, messageLabel(message.kind),
                                optional_ ? Need::Optional : Need::Reached});
}

void ScriptedRun::whileRunning(const std::function<void()>& queue)
{
    optional_ = true;
    queue();
    optional_ = false;
}

void ScriptedRun::forgetEndings()
{
    std::erase_if(timeline_, [](const auto& entry) { return entry.second.need == Need::Optional; });
}

void ScriptedRun::failIfReached(uint64_t ms, const char* label)
{
    timeline_.emplace(ms, Entry{{.kind = PlatformMessageKind::Terminate},
                                [ms, label] { ADD_FAILURE() << "the run reached " << ms << " ms: " << label; },
                                label, Need::Forbidden});
}

void ScriptedRun::keyDown(uint64_t ms, int32_t virtualKey, bool extended, bool repeat)
{
    send(ms, {.kind = PlatformMessageKind::KeyDown, .virtualKey = virtualKey, .extended = extended, .repeat = repeat});
}

void ScriptedRun::keyUp(uint64_t ms, int32_t virtualKey, bool extended)
{
    send(ms, {.kind = PlatformMessageKind::KeyUp, .virtualKey = virtualKey, .extended = extended});
}

void ScriptedRun::typeChar(uint64_t ms, uint8_t character, bool repeat)
{
    send(ms, {.kind = PlatformMessageKind::Char, .repeat = repeat, .character = character});
}

void ScriptedRun::mouseMove(uint64_t ms, int32_t x, int32_t y)
{
    send(ms, {.kind = PlatformMessageKind::MouseMove, .x = x, .y = y});
}

void ScriptedRun::mouseDown(uint64_t ms, int32_t x, int32_t y, int32_t button)
{
    send(ms, {.kind = PlatformMessageKind::MouseDown, .x = x, .y = y, .button = button});
}

void ScriptedRun::mouseUp(uint64_t ms, int32_t x, int32_t y, int32_t button)
{
    send(ms, {.kind = PlatformMessageKind::MouseUp, .x = x, .y = y, .button = button});
}

void ScriptedRun::click(uint64_t ms, int32_t x, int32_t y, int32_t button)
{
    mouseDown(ms, x, y, button);
    mouseUp(ms, x, y, button);
}

void ScriptedRun::wheel(uint64_t ms, int32_t x, int32_t y, int32_t delta)
{
    send(ms, {.kind = PlatformMessageKind::MouseWheel, .x = x, .y = y, .wheelDelta = delta});
}

void ScriptedRun::activate(uint64_t ms, bool active)
{
    send(ms, {.kind = PlatformMessageKind::Activate, .active = active});
}

void ScriptedRun::forwardSystemMessages(uint64_t ms)
{
    platformSetMessageSource({});
    // An event without a window message also answers false, so the queue is asked a fixed
    // number of times rather than until the first false.
    for (int attempt = 0; attempt < 256; ++attempt) {
        PlatformMessage message;
        if (platformWaitMessage(message, 0)) {
            send(ms, message);
        }
    }
    useAsMessageSource();
}

void ScriptedRun::close(uint64_t ms)
{
    send(ms, {.kind = PlatformMessageKind::Close});
}

bool ScriptedRun::nextMessage(void* user, PlatformMessage& message, uint32_t timeoutMs)
{
    return static_cast<ScriptedRun*>(user)->next(message, timeoutMs);
}

// The timeline stands for the window system: what is due by now has been taken in.
void ScriptedRun::dropWaitingPresses(void* user)
{
    ScriptedRun& run = *static_cast<ScriptedRun*>(user);
    const auto due = run.timeline_.upper_bound(platformMilliseconds());
    for (auto entry = run.timeline_.begin(); entry != due;) {
        switch (entry->second.message.kind) {
        case PlatformMessageKind::KeyDown:
        case PlatformMessageKind::Char:
        case PlatformMessageKind::MouseDown:
        case PlatformMessageKind::MouseWheel: entry = run.timeline_.erase(entry); break;
        default: ++entry; break;
        }
    }
}

bool ScriptedRun::next(PlatformMessage& message, uint32_t timeoutMs)
{
    ++waits_;
    const uint64_t now = platformMilliseconds();
    if (now > timeLimit_) {
        std::fprintf(stderr, "scripted run passed its time limit of %llu ms\n",
                     static_cast<unsigned long long>(timeLimit_));
        std::abort();
    }
    const bool forever = timeoutMs == kPlatformWaitForever;
    if (timeline_.empty()) {
        if (!forever) {
            platformAdvanceClock(timeoutMs);
            return false;
        }
        if (ranOut_) {
            std::fprintf(stderr, "scripted run ended its timeline twice without closing\n");
            std::abort();
        }
        ranOut_ = true;
        message = {.kind = PlatformMessageKind::Close};
        return true;
    }
    auto first = timeline_.begin();
    if (!forever && first->first > now + timeoutMs) {
        platformAdvanceClock(timeoutMs);
        return false;
    }
    if (first->first > now) {
        platformAdvanceClock(first->first - now);
    }
    Entry entry = std::move(first->second);
    timeline_.erase(first);
    if (entry.action) {
        entry.action();
    }
    if (entry.message.kind == PlatformMessageKind::None) {
        // Back to the loop after an action, so a frame that fell due meanwhile is not skipped.
        return false;
    }
    message = entry.message;
    return true;
}

void openTestWindow(int32_t framesPerSecond)
{
    // The program itself never falls back to a driver that draws nowhere; tests ask for one.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    createWindow(BWString("Pellix"), 800, 600, 32, framesPerSecond);
}
