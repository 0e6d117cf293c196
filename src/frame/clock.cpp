// clock.cpp: seconds, waits, the calendar getters and the notices, on the platform clock.
#include "frame/clock.h"

#include "platform/platform.h"

double seconds()
{
    return static_cast<double>(platformMilliseconds()) / 1000.0;
}

uint64_t milliseconds()
{
    return platformMilliseconds();
}

void waitSeconds(float duration)
{
    const double start = seconds();
    while (seconds() - start < duration) {
        platformSleepMilliseconds(1);
    }
}

int32_t localYear() { return platformLocalTime().year; }
int32_t localMonth() { return platformLocalTime().month; }
int32_t localDay() { return platformLocalTime().day; }
int32_t localHour() { return platformLocalTime().hour; }
int32_t localMinute() { return platformLocalTime().minute; }
int32_t localSecond() { return platformLocalTime().second; }
int32_t localWeekday() { return platformLocalTime().weekday; }

void beep()
{
    platformBeep();
}

void messageBox(BWString text)
{
    if (!text.isEmpty()) {
        platformMessageBox(text.chars());
    }
}
