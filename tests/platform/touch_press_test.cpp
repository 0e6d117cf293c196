// touch_press_test.cpp: taps, long presses, drags and second fingers, driven with times.
#include "platform/touch_press.h"

#include <gtest/gtest.h>

namespace {

constexpr int64_t kFinger = 11;
constexpr int64_t kOtherFinger = 12;

TEST(TouchPress, AQuickLiftIsALeftClickAndAHeldFingerARightClickOnce)
{
    TouchPress press;
    touchFingerDown(press, kFinger, 100, 100, 1000);
    EXPECT_EQ(touchTimePassed(press, 1000 + kTouchLongPressMs - 1), TouchClick::None);
    EXPECT_EQ(touchFingerUp(press, kFinger, 103, 98, 1000 + kTouchLongPressMs - 1), TouchClick::Left);

    touchFingerDown(press, kFinger, 100, 100, 5000);
    touchFingerMove(press, kFinger, 100 + kTouchSlop, 100 - kTouchSlop);
    EXPECT_EQ(touchTimePassed(press, 5000 + kTouchLongPressMs), TouchClick::Right);
    EXPECT_EQ(touchTimePassed(press, 6000), TouchClick::None);
    EXPECT_EQ(touchFingerUp(press, kFinger, 100, 100, 6000), TouchClick::None);
    EXPECT_EQ(press.x, 100);
}

TEST(TouchPress, ALiftAfterTheMomentNoWaitNoticedIsStillARightClick)
{
    TouchPress press;
    touchFingerDown(press, kFinger, 10, 10, 0);
    EXPECT_EQ(touchFingerUp(press, kFinger, 10, 10, kTouchLongPressMs + 200), TouchClick::Right);
}

TEST(TouchPress, AFingerThatMovedBeyondTheSlopClicksNothingEvenWhenItComesBack)
{
    TouchPress press;
    touchFingerDown(press, kFinger, 100, 100, 0);
    touchFingerMove(press, kFinger, 100, 100 + kTouchSlop + 1);
    touchFingerMove(press, kFinger, 100, 100);
    EXPECT_EQ(touchTimePassed(press, kTouchLongPressMs * 2), TouchClick::None);
    EXPECT_EQ(touchFingerUp(press, kFinger, 100, 100, kTouchLongPressMs * 2), TouchClick::None);

    // A lift far away without a move event in between is a drag too.
    touchFingerDown(press, kFinger, 100, 100, 0);
    EXPECT_EQ(touchFingerUp(press, kFinger, 140, 100, 50), TouchClick::None);
}

TEST(TouchPress, ASecondFingerNeitherClicksNorDisturbsTheFirst)
{
    TouchPress press;
    touchFingerDown(press, kFinger, 100, 100, 0);
    touchFingerDown(press, kOtherFinger, 300, 300, 100);
    touchFingerMove(press, kOtherFinger, 400, 400);
    EXPECT_EQ(touchFingerUp(press, kOtherFinger, 400, 400, 150), TouchClick::None);
    EXPECT_EQ(press.x, 100);
    EXPECT_EQ(touchFingerUp(press, kFinger, 100, 100, 200), TouchClick::Left);
    // A lift of a finger that was never down (its press began before the window had it).
    EXPECT_EQ(touchFingerUp(press, kOtherFinger, 1, 1, 300), TouchClick::None);
}

TEST(TouchPress, AWaitEndsWhenTheHeldFingerBecomesARightClick)
{
    TouchPress press;
    EXPECT_EQ(touchWaitLimit(press, 0, 1000), 1000u);
    touchFingerDown(press, kFinger, 0, 0, 100);
    EXPECT_EQ(touchWaitLimit(press, 300, 1000), 100 + kTouchLongPressMs - 300);
    EXPECT_EQ(touchWaitLimit(press, 300, 50), 50u);
    EXPECT_EQ(touchWaitLimit(press, 100 + kTouchLongPressMs + 5, 1000), 0u);
    touchTimePassed(press, 100 + kTouchLongPressMs);
    EXPECT_EQ(touchWaitLimit(press, 700, 1000), 1000u);
}

} // namespace
