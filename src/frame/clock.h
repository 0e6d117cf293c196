// clock.h: the one time base (milliseconds since program start), the local calendar, and the
// two small notices (a beep and a message box).
#pragma once

#include "base/bw_string.h"

#include <cstdint>

// Seconds since program start (the tick count / 1000).
double seconds();
// Milliseconds since program start; 64 bits, so it never wraps.
uint64_t milliseconds();
// Returns once at least that many seconds have passed. It handles no window message and
// draws no frame meanwhile, but sleeps in steps of at most 1 ms instead of spinning.
void waitSeconds(float duration);

// One field of the local time, read afresh by each call.
int32_t localYear();
int32_t localMonth();   // 1-12
int32_t localDay();     // 1-31
int32_t localHour();    // 0-23
int32_t localMinute();  // 0-59
int32_t localSecond();  // 0-59
int32_t localWeekday(); // 0 Sunday to 6

// The default alert sound.
void beep();
// Shows the text in a modal notice with an empty caption; an empty text shows nothing.
void messageBox(BWString text);
