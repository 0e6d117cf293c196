// touch_press.h: a touch screen's finger turned into the clicks of a mouse: a tap is a left
// click, delivered when the finger lifts; a press held still for a moment is a right click,
// delivered as the moment passes. The finger may wander a few units either way (no finger
// holds perfectly still); one that moves farther is dragging, which clicks nothing. While one
// finger is down every other is ignored, so a second finger neither clicks nor cancels.
//
// Plain values and times (milliseconds on any one clock), so that tests drive it directly.
#pragma once

#include <cstdint>

// Held this long, a press is a right click.
constexpr uint64_t kTouchLongPressMs = 500;
// How far, in window units, the finger may move and still press where it went down.
constexpr float kTouchSlop = 8.0f;

enum class TouchClick { None, Left, Right };

struct TouchPress {
    bool down = false;
    int64_t finger = 0;
    float x = 0; // where the finger went down: the click is there
    float y = 0;
    uint64_t since = 0;
    // Moved beyond the slop, or already a right click: lifting the finger clicks nothing.
    bool spent = false;
};

void touchFingerDown(TouchPress& press, int64_t finger, float x, float y, uint64_t now);
void touchFingerMove(TouchPress& press, int64_t finger, float x, float y);
// Left when the finger that lifts made a tap.
TouchClick touchFingerUp(TouchPress& press, int64_t finger, float x, float y, uint64_t now);
// Right, once, when the finger has been held still long enough by now.
TouchClick touchTimePassed(TouchPress& press, uint64_t now);
// The wait for the next event shortened so that it ends when the press becomes a right click.
uint32_t touchWaitLimit(const TouchPress& press, uint64_t now, uint32_t timeoutMs);
