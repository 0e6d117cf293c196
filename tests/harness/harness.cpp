// harness.cpp: the scripted message source over the manual clock.
#include "tests/harness/harness.h"

#include "frame/app.h"

#include <cstdio>
#include <cstdlib>

ScriptedRun::ScriptedRun()
{
    // Defaults only: a run under xvfb-run may ask for the x11 driver instead.
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    platformUseManualClock(0);
    platformSetMessageSource(&ScriptedRun::nextMessage, this);
}

ScriptedRun::~ScriptedRun()
{
    platformSetMessageSource(nullptr, nullptr);
    platformUseRealClock();
}

void ScriptedRun::at(uint64_t ms, std::function<void()> action)
{
    timeline_.emplace(ms, Entry{PlatformMessage{}, std::move(action)});
}

void ScriptedRun::send(uint64_t ms, const PlatformMessage& message)
{
    timeline_.emplace(ms, Entry{message, nullptr});
}

namespace {

// A message of the kind at a pointer position; the callers fill in the rest.
PlatformMessage messageOf(PlatformMessageKind kind, int32_t x = 0, int32_t y = 0)
{
    PlatformMessage message;
    message.kind = kind;
    message.x = x;
    message.y = y;
    return message;
}

} // namespace

void ScriptedRun::keyDown(uint64_t ms, int32_t virtualKey, bool extended, bool repeat)
{
    PlatformMessage message = messageOf(PlatformMessageKind::KeyDown);
    message.virtualKey = virtualKey;
    message.extended = extended;
    message.repeat = repeat;
    send(ms, message);
}

void ScriptedRun::keyUp(uint64_t ms, int32_t virtualKey, bool extended)
{
    PlatformMessage message = messageOf(PlatformMessageKind::KeyUp);
    message.virtualKey = virtualKey;
    message.extended = extended;
    send(ms, message);
}

void ScriptedRun::typeChar(uint64_t ms, uint8_t character, bool repeat)
{
    PlatformMessage message = messageOf(PlatformMessageKind::Char);
    message.character = character;
    message.repeat = repeat;
    send(ms, message);
}

void ScriptedRun::mouseMove(uint64_t ms, int32_t x, int32_t y)
{
    send(ms, messageOf(PlatformMessageKind::MouseMove, x, y));
}

void ScriptedRun::mouseDown(uint64_t ms, int32_t x, int32_t y, int32_t button)
{
    PlatformMessage message = messageOf(PlatformMessageKind::MouseDown, x, y);
    message.button = button;
    send(ms, message);
}

void ScriptedRun::mouseUp(uint64_t ms, int32_t x, int32_t y, int32_t button)
{
    PlatformMessage message = messageOf(PlatformMessageKind::MouseUp, x, y);
    message.button = button;
    send(ms, message);
}

void ScriptedRun::click(uint64_t ms, int32_t x, int32_t y, int32_t button)
{
    mouseDown(ms, x, y, button);
    mouseUp(ms, x, y, button);
}

void ScriptedRun::wheel(uint64_t ms, int32_t x, int32_t y, int32_t delta)
{
    PlatformMessage message = messageOf(PlatformMessageKind::MouseWheel, x, y);
    message.wheelDelta = delta;
    send(ms, message);
}

void ScriptedRun::activate(uint64_t ms, bool active)
{
    PlatformMessage message = messageOf(PlatformMessageKind::Activate);
    message.active = active;
    send(ms, message);
}

void ScriptedRun::close(uint64_t ms)
{
    send(ms, messageOf(PlatformMessageKind::Close));
}

bool ScriptedRun::nextMessage(void* user, PlatformMessage& message, uint32_t timeoutMs)
{
    return static_cast<ScriptedRun*>(user)->next(message, timeoutMs);
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
    const bool forever = timeoutMs == platformWaitForever;
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
        message = PlatformMessage{};
        message.kind = PlatformMessageKind::Close;
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
        // Back to the loop afterwards, so a frame that fell due meanwhile is not skipped.
        entry.action();
        return false;
    }
    message = entry.message;
    return true;
}

void openTestWindow(int32_t framesPerSecond)
{
    createWindow(BWString("Pellix"), 800, 600, 32, framesPerSecond);
}
