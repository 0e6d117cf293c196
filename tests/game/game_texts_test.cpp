// game_texts_test.cpp: the clock, label and best-time texts as the screens show them.
#include "game/game_texts.h"
#include "game/profile.h"

#include <gtest/gtest.h>

TEST(GameTexts, BestTimesShowWholeHoursAndTheBoardClockWrapsAtADay)
{
    const Profile defaults;
    EXPECT_EQ(bestTimeText(defaults.bestName(0, 0, 0), defaults.bestTime(0, 0, 0)),
              "Anonymous - 10:00:00");
    EXPECT_EQ(bestTimeText("Ada", 360000.9f), "Ada - 100:00:00");
    EXPECT_EQ(bestTimeText("%s%n", 59.9f), "%s%n - 00:00:59") << "a name is text, never a format";
    EXPECT_EQ(playingClockText(90061.9f), "01:01:01");
    EXPECT_EQ(playingClockText(-3.0f), "00:00:00");
}

TEST(GameTexts, LabelsNameTheLayoutAndDifficulty)
{
    EXPECT_EQ(tableLabel(0, 0), "Classic (Easy)");
    EXPECT_EQ(tableLabel(2, 1), "Chaos (Normal)");
    EXPECT_EQ(tableLabel(1, 2), "Random (Hard)");
    EXPECT_EQ(bestRankText(2, "Bo"), "3- Bo");
}
