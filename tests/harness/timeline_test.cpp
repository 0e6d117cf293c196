// timeline_test.cpp: a scripted run fails its test unless its timeline runs out.
#include "frame/app.h"
#include "frame/loop.h"
#include "tests/harness/harness.h"
#include "ui/layer.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

namespace {

// Runs a window with one layer until its loop ends.
void runWindow()
{
    openTestWindow(15);
    BWLayer layer;
    run();
    shutdown();
}

// Ends the outermost loop at ms: a program that quits before its script is done.
void runEndingAt(ScriptedRun& script, uint64_t ms)
{
    script.at(ms, [] { exitLoop(); });
    runWindow();
}

} // namespace

TEST(Timeline, ARunThatEndsBeforeItsLastActionFailsNamingIt)
{
    bool checked = false;
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRun script;
            script.at(2000, [&] { checked = true; }, "the check after the end");
            script.at(3000, [] {});
            runEndingAt(script, 1000);
        },
        "2000 ms (the check after the end)");
    EXPECT_FALSE(checked);
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRun script;
            script.keyDown(1500, 'A');
            runEndingAt(script, 1000);
        },
        "1500 ms (a key press)");
}

TEST(Timeline, InputThatOnlyEndsTheRunMayBeLeftOver)
{
    ScriptedRun script;
    bool reached = false;
    script.at(500, [&] { reached = true; });
    script.whileRunning([&] { script.close(5000); });
    runEndingAt(script, 1000);
    EXPECT_TRUE(reached);
    EXPECT_EQ(script.pendingEntries(), 1u);
    script.forgetEndings();
    EXPECT_EQ(script.pendingEntries(), 0u) << "nothing is left for a later run";
}

TEST(Timeline, ReachingAForbiddenTimeFailsAndEndsTheRun)
{
    uint64_t endedAt = 0;
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedRun script;
            script.failIfReached(800, "the program should have ended");
            runWindow();
            endedAt = platformMilliseconds();
        },
        "the run reached 800 ms: the program should have ended");
    EXPECT_LT(endedAt, 5000u);
    ScriptedRun script;
    script.failIfReached(5000, "not reached");
    runEndingAt(script, 1000);
}
