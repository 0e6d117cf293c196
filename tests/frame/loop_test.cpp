// loop_test.cpp: the run loop's frame cap, nesting and closing, on a real window and the manual clock.
#include "frame/app.h"
#include "frame/clock.h"
#include "frame/loop.h"
#include "tests/frame/recording_layer.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

namespace {

struct LoopTest : ::testing::Test {
    void TearDown() override { shutdown(); }
    std::vector<std::string> journal;
    ScriptedRun script;
};
} // namespace

TEST_F(LoopTest, FramesAtTheCapAreAtLeastOneFrameTimeApart)
{
    openTestWindow(15);
    RecordingLayer layer(journal);
    std::vector<uint64_t> ticks;
    layer.onTickAction = [&] { ticks.push_back(milliseconds()); };
    script.close(2000);
    run();
    ASSERT_GE(ticks.size(), 25u);
    for (size_t i = 1; i < ticks.size(); ++i) {
        EXPECT_GE(ticks[i] - ticks[i - 1], 1000.0 / 15.0) << "tick " << i;
        // Sleeping until the frame is due, not long after it.
        EXPECT_LE(ticks[i] - ticks[i - 1], 68u) << "tick " << i;
    }
    // One sleep per frame (and a spare for rounding), not a spinning poll.
    EXPECT_LE(script.waits(), 2 * static_cast<int64_t>(ticks.size()) + 4);
}

TEST_F(LoopTest, FrameTimesOfWholeMillisecondsKeepTheClockMoving)
{
    // At 100 and 1000 frames per second a frame lasts a whole number of milliseconds, where
    // rounding once made the loop neither frame nor sleep.
    openTestWindow(100);
    RecordingLayer layer(journal);
    int ticks = 0;
    layer.onTickAction = [&] { ++ticks; };
    script.at(1000, [&] { setFrameRate(1000); });
    script.close(1200);
    run();
    EXPECT_GE(ticks, 100 + 150);
    EXPECT_LE(ticks, 101 + 201);
}

TEST_F(LoopTest, WithoutAFrameRateNothingTicksAndTheLoopWaitsForMessages)
{
    openTestWindow(0);
    RecordingLayer layer(journal);
    int ticks = 0;
    layer.onTickAction = [&] { ++ticks; };
    script.mouseMove(5000, 10, 20);
    script.close(90000);
    run();
    EXPECT_EQ(ticks, 0);
    EXPECT_EQ(journal, (std::vector<std::string>{"move @10,20", "canclose"}));
    // The loop slept until the close came rather than counting up the time in small steps.
    EXPECT_EQ(milliseconds(), 90000u);
    EXPECT_LE(script.waits(), 3);
}

TEST_F(LoopTest, ACloseDuringANestedLoopEndsOnlyThatLoop)
{
    openTestWindow(15);
    RecordingLayer game(journal, "game");
    std::vector<int32_t> depths;
    script.at(100, [&] {
        RecordingLayer dialog(journal, "dialog");
        depths.push_back(loopDepth());
        run();
        depths.push_back(loopDepth());
    });
    script.close(300);
    script.at(400, [&] { depths.push_back(loopDepth()); });
    script.close(500);
    run();
    EXPECT_EQ(depths, (std::vector<int32_t>{1, 1, 1}));
    // Nobody is asked when a nested loop ends; at depth 1 the layers are.
    EXPECT_EQ(journal, (std::vector<std::string>{"game: canclose"}));
    EXPECT_EQ(loopDepth(), 0);
}

TEST_F(LoopTest, AVetoAtTheOutermostLoopKeepsItRunning)
{
    openTestWindow(15);
    RecordingLayer bottom(journal, "bottom");
    RecordingLayer refusing(journal, "refusing");
    RecordingLayer top(journal, "top");
    refusing.closeAnswer = false;
    int32_t depthAfterVeto = -1;
    script.close(100);
    script.at(200, [&] {
        depthAfterVeto = loopDepth();
        journal.push_back("--");
        refusing.closeAnswer = true;
    });
    script.close(300);
    run();
    EXPECT_EQ(depthAfterVeto, 1);
    EXPECT_EQ(journal, (std::vector<std::string>{"top: canclose", "refusing: canclose", "--", "top: canclose",
                                                 "refusing: canclose", "bottom: canclose"}));
}

TEST_F(LoopTest, WithoutALoopOrWindowNothingRunsAndARunOutTimelineCloses)
{
    run(); // no window yet: returns at once
    EXPECT_EQ(script.pendingEntries(), 0u);
    openTestWindow(0);
    RecordingLayer layer(journal);
    exitLoop();
    EXPECT_TRUE(journal.empty());
    run();
    EXPECT_TRUE(script.ranOut());
    EXPECT_EQ(loopDepth(), 0);
}
