// clock_test.cpp: seconds, waits and the calendar on the manual and the real clock.
#include "frame/clock.h"
#include "platform/platform.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

TEST(Clock, TheRealClockCountsFromProgramStartAndTheCalendarIsInRange)
{
    EXPECT_LT(milliseconds(), 60000u) << "a test program is seconds old, whatever the uptime";
    EXPECT_GE(localYear(), 2024);
    EXPECT_TRUE(localMonth() >= 1 && localMonth() <= 12 && localDay() >= 1 && localDay() <= 31);
    EXPECT_TRUE(localHour() <= 23 && localMinute() <= 59 && localSecond() <= 59);
    EXPECT_TRUE(localWeekday() >= 0 && localWeekday() <= 6);
}

TEST(Clock, SecondsAndWaitsOnTheManualClock)
{
    ScriptedRun script;
    waitSeconds(0.25f);
    EXPECT_EQ(milliseconds(), 250u);
    waitSeconds(0.0105f); // ends within a millisecond of its time
    EXPECT_EQ(milliseconds(), 261u);
    EXPECT_DOUBLE_EQ(seconds(), 0.261);
    // Days of running lose no precision.
    platformAdvanceClock(uint64_t{40} * 24 * 3600 * 1000);
    EXPECT_DOUBLE_EQ(seconds(), 40.0 * 24 * 3600 + 0.261);
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
