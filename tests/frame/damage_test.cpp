// damage_test.cpp: which parts of the picture a new frame's list changes, from its commands'
// reaches, and how the changed areas are merged.
#include "frame/damage_areas.h"
#include "frame/draw_list.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

void performNothing(const DrawCommand&, const char*) {}

// A command that draws one thing somewhere; an empty reach stands for the whole drawable.
struct Drawing {
    int32_t what = 0;
    BWRect reach;
    const char* text = nullptr;
};

void showFrame(const std::vector<Drawing>& drawings)
{
    startRecording();
    for (const Drawing& drawing : drawings) {
        DrawCommand command;
        command.perform = performNothing;
        setValues(command, {drawing.what});
        command.reach = drawing.reach;
        submitDraw(command, drawing.text);
    }
    stopRecording();
}

// The damage the second frame does to the first once the first is shown; nullopt for whole.
std::optional<std::vector<BWRect>> damageBetween(const std::vector<Drawing>& before, const std::vector<Drawing>& now)
{
    forgetShownDrawing();
    showFrame(before);
    keepRecordingAsShown();
    showFrame(now);
    std::vector<BWRect> areas;
    if (!recordingDamage(areas)) {
        return std::nullopt;
    }
    return areas;
}

const Drawing kBackground{1, BWRect(0, 0, 800, 600)};
const Drawing kClock{2, BWRect(32, 195, 100, 20), "00:00:01"};
const Drawing kButton{3, BWRect(20, 265, 136, 48)};

TEST(Damage, TheChangedCommandsReachOldAndNewIsTheDamage)
{
    Drawing later = kClock;
    later.text = "00:00:02";
    EXPECT_EQ(damageBetween({kBackground, kClock, kButton}, {kBackground, later, kButton}),
              std::vector<BWRect>{kClock.reach})
        << "a text of the same length";

    Drawing moved = kButton;
    moved.reach.offset(400, 200);
    EXPECT_EQ(damageBetween({kBackground, kClock, kButton}, {kBackground, kClock, moved}),
              (std::vector<BWRect>{moved.reach, kButton.reach}))
        << "a move damages both places";

    Drawing hovered = kButton;
    hovered.what = 4;
    EXPECT_EQ(damageBetween({kBackground, kClock, kButton}, {kBackground, later, hovered}),
              (std::vector<BWRect>{kClock.reach, kButton.reach}))
        << "two changes far apart stay apart";

    EXPECT_EQ(damageBetween({kBackground, kClock}, {kBackground, kClock}), std::vector<BWRect>{})
        << "the same list damages nothing";
}

TEST(Damage, CommandsAddedOrRemovedDamageWhatLiesBetweenTheCommonStartAndEnd)
{
    const Drawing dialog{5, BWRect(200, 150, 400, 300)};
    const Drawing dialogButton{6, BWRect(300, 350, 136, 48)};
    EXPECT_EQ(damageBetween({kBackground, kClock, kButton}, {kBackground, kClock, kButton, dialog, dialogButton}),
              std::vector<BWRect>{rectUnion(dialog.reach, dialogButton.reach)})
        << "a dialog opened on top";
    EXPECT_EQ(damageBetween({kBackground, kClock, kButton, dialog, dialogButton}, {kBackground, kClock, kButton}),
              std::vector<BWRect>{rectUnion(dialog.reach, dialogButton.reach)})
        << "and closed";
    // The text store's offsets of every later text move when an earlier text grows.
    Drawing longer = kClock;
    longer.text = "100:00:01";
    Drawing secondText{7, BWRect(500, 10, 100, 20), "Easy"};
    EXPECT_EQ(damageBetween({kBackground, kClock, secondText}, {kBackground, longer, secondText}),
              std::vector<BWRect>{kClock.reach});
    const Drawing highlight{8, BWRect(400, 300, 40, 40)};
    EXPECT_EQ(damageBetween({kBackground, kClock, kButton}, {kBackground, highlight, kClock}),
              (std::vector<BWRect>{highlight.reach, kClock.reach, kButton.reach}))
        << "one added and one dropped: all between the common start and end";
}

TEST(Damage, NothingShownOrACommandOfWholeReachChangedIsTheWholeDrawable)
{
    Drawing otherBackground = kBackground;
    otherBackground.what = 9;
    EXPECT_EQ(damageBetween({kBackground, kClock}, {otherBackground, kClock}), std::vector<BWRect>{kBackground.reach})
        << "the picture, not its bands";
    const Drawing placement{10, BWRect()};
    Drawing otherPlacement = placement;
    otherPlacement.what = 11;
    EXPECT_EQ(damageBetween({placement, kClock}, {otherPlacement, kClock}), std::nullopt);
    EXPECT_EQ(damageBetween({kClock}, {placement, kClock}), std::nullopt) << "added";

    forgetShownDrawing();
    showFrame({kBackground});
    std::vector<BWRect> areas;
    EXPECT_FALSE(recordingDamage(areas)) << "nothing shown yet";
}

TEST(DamageAreas, AreasThatMeetOrTouchMergeAndManyBecomeOne)
{
    std::vector<BWRect> areas;
    addDamage(areas, BWRect(0, 0, 10, 10));
    addDamage(areas, BWRect(10, 0, 10, 10));
    EXPECT_EQ(areas, std::vector<BWRect>{BWRect(0, 0, 20, 10)}) << "sharing an edge";
    addDamage(areas, BWRect(100, 100, 10, 10));
    addDamage(areas, BWRect(5, 5, 100, 100));
    EXPECT_EQ(areas, std::vector<BWRect>{BWRect(0, 0, 110, 110)}) << "a bridge merges what it joins";
    addDamage(areas, BWRect(0, 0, 0, 10));
    addDamage(areas, BWRect(0, 0, 10, -4));
    EXPECT_EQ(areas.size(), 1u) << "nothing empty is added";

    areas.clear();
    for (int32_t i = 0; i < 5; ++i) {
        addDamage(areas, BWRect(i * 100, i * 50, 10, 10));
    }
    EXPECT_EQ(areas, std::vector<BWRect>{BWRect(0, 0, 410, 210)});

    EXPECT_EQ(rectWithPositiveSize(BWRect(50, 40, -20, -10)), BWRect(30, 30, 20, 10));
    EXPECT_FALSE(rectsMeet(BWRect(0, 0, 10, 10), BWRect(10, 0, 10, 10)));
    EXPECT_TRUE(rectsMeet(BWRect(0, 0, 10, 10), BWRect(9, 9, 10, 10)));
}

} // namespace
