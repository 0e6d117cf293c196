// touch_press.cpp: taps and long presses of one finger.
#include "platform/touch_press.h"

#include <algorithm>
#include <cmath>

namespace {

bool tracked(const TouchPress& press, int64_t finger)
{
    return press.down && press.finger == finger;
}

bool wandered(const TouchPress& press, float x, float y)
{
    return std::fabs(x - press.x) > kTouchSlop || std::fabs(y - press.y) > kTouchSlop;
}

} // namespace

void touchFingerDown(TouchPress& press, int64_t finger, float x, float y, uint64_t now)
{
    if (press.down) {
        return;
    }
    press = TouchPress{true, finger, x, y, now, false};
}

void touchFingerMove(TouchPress& press, int64_t finger, float x, float y)
{
    if (tracked(press, finger) && wandered(press, x, y)) {
        press.spent = true;
    }
}

TouchClick touchFingerUp(TouchPress& press, int64_t finger, float x, float y, uint64_t now)
{
    if (!tracked(press, finger)) {
        return TouchClick::None;
    }
    // A long press whose moment no wait has noticed yet is still a long press.
    const TouchClick held = touchTimePassed(press, now);
    const bool tap = !press.spent && !wandered(press, x, y);
    press.down = false;
    if (held == TouchClick::Right) {
        return held;
    }
    return tap ? TouchClick::Left : TouchClick::None;
}

TouchClick touchTimePassed(TouchPress& press, uint64_t now)
{
    if (!press.down || press.spent || now - press.since < kTouchLongPressMs) {
        return TouchClick::None;
    }
    press.spent = true;
    return TouchClick::Right;
}

uint32_t touchWaitLimit(const TouchPress& press, uint64_t now, uint32_t timeoutMs)
{
    if (!press.down || press.spent) {
        return timeoutMs;
    }
    const uint64_t due = press.since + kTouchLongPressMs;
    return static_cast<uint32_t>(std::min<uint64_t>(timeoutMs, due > now ? due - now : 0));
}
