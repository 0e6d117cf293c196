// clock_test.cpp: seconds, waits and the calendar on the manual and the real clock.
#include "frame/clock.h"
#include "platform/platform.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

TEST(Clock, CountsFromProgramStart)
{
    // A test program is seconds old, whatever the machine's uptime.
    EXPECT_LT(milliseconds(), 60000u);
    uint64_t before = milliseconds();
    EXPECT_GE(milliseconds(), before);
}

TEST(Clock, SecondsAreMillisecondsOverAThousand)
{
    ScriptedRun script;
    platformAdvanceClock(1234);
    EXPECT_EQ(milliseconds(), 1234u);
    EXPECT_DOUBLE_EQ(seconds(), 1.234);
    // Days of running lose no precision.
    platformAdvanceClock(uint64_t{40} * 24 * 3600 * 1000);
    EXPECT_DOUBLE_EQ(seconds(), 40.0 * 24 * 3600 + 1.234);
}

TEST(Clock, WaitSecondsEndsWithinAMillisecondOfItsTime)
{
    ScriptedRun script;
    waitSeconds(0.25f);
    EXPECT_EQ(milliseconds(), 250u);
    waitSeconds(0.0105f);
    EXPECT_EQ(milliseconds(), 261u);
    waitSeconds(0.0f);
    EXPECT_EQ(milliseconds(), 261u);
}

TEST(Clock, LocalTimeFieldsAreInRange)
{
    EXPECT_GE(localYear(), 2024);
    EXPECT_GE(localMonth(), 1);
    EXPECT_LE(localMonth(), 12);
    EXPECT_GE(localDay(), 1);
    EXPECT_LE(localDay(), 31);
    EXPECT_LE(localHour(), 23);
    EXPECT_LE(localMinute(), 59);
    EXPECT_LE(localSecond(), 59);
    EXPECT_GE(localWeekday(), 0);
    EXPECT_LE(localWeekday(), 6);
}

TEST(Notices, AreCountedAndStaySilentInScriptedRuns)
{
    ScriptedRun script;
    int beeps = platformBeepCount();
    int boxes = platformMessageBoxCount();
    beep();
    messageBox(BWString(""));
    messageBox(BWString());
    messageBox(BWString("Saved"));
    EXPECT_EQ(platformBeepCount(), beeps + 1);
    EXPECT_EQ(platformMessageBoxCount(), boxes + 1);
}
