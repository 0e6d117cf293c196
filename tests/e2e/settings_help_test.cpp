// settings_help_test.cpp: the settings dialog and the help page over the main menu.
#include "tests/e2e/game_run.h"

#include "frame/app.h"
#include "game/settings_dialog.h"

namespace {

bool settingsUp()
{
    return layerOfKind<SettingsDialog>() != nullptr;
}

struct SettingsHelpTest : GameRun {
    // Steps 300 ms apart from the menu on, so that each dialog button's quarter-second press
    // is over before the next step.
    void fromMenu(const std::vector<std::function<void()>>& steps) { runSteps(kMenuShown, steps, 300); }
    // Best times a cleared table would not have.
    static void storeOwnTimes()
    {
        Profile stored;
        stored.load();
        stored.setBestName(1, 2, 0, "Kim");
        stored.setBestTime(1, 2, 0, 61.0f);
    }
};

} // namespace

TEST_F(SettingsHelpTest, TheSwitchesActAtOnceWithTheirSoundsAndFullScreenLastsToTheNextStart)
{
    Profile::Record before{};
    uint64_t enterAt = 0;
    fromMenu({
        [&] { press(kSettingsButton); },
        [&] {
            ASSERT_TRUE(settingsUp());
            saveCapture(captureFrame(), "dialog_settings");
            before = game().profile.record();
            press(kWindowMark);
        },
        [&] {
            EXPECT_TRUE(heard(game().assets.checkSound)) << "window while windowed still sounds";
            EXPECT_EQ(game().profile.record(), before);
            EXPECT_FALSE(isFullscreen());
            press(kSoundOffMark);
        },
        [&] {
            EXPECT_FALSE(heard(game().assets.checkSound)) << "sound off is silent";
            EXPECT_FALSE(isSoundEnabled());
            EXPECT_FALSE(game().profile.soundOn());
            press(kSoundOnMark);
        },
        [&] {
            EXPECT_TRUE(heard(game().assets.checkSound)) << "sound on is confirmed";
            EXPECT_TRUE(isSoundEnabled());
            press(kFullscreenMark);
        },
        [&] {
            EXPECT_TRUE(isFullscreen()) << "in effect at once";
            EXPECT_TRUE(game().profile.fullscreen());
            script.keyDown(platformMilliseconds(), vkReturn, true); // the keypad's
        },
        [&] {
            EXPECT_TRUE(settingsUp()) << "the keypad Enter does nothing";
            enterAt = platformMilliseconds();
            script.keyDown(enterAt, vkReturn);
        },
        [&] {
            EXPECT_FALSE(settingsUp());
            EXPECT_GE(platformMilliseconds(), enterAt + 250) << "Done was shown pressed first";
            EXPECT_EQ(game().state, GameState::Menu);
            press(kQuitMenuButton);
        },
    });
    ScriptedRun second;
    second.at(100, [] { EXPECT_TRUE(isFullscreen()) << "and at the next start"; });
    second.close(200);
    Game running;
}

TEST_F(SettingsHelpTest, ClearAsksOnlyWhenPressedAndReleasedOnItAndYesBringsBackTheDefaults)
{
    storeOwnTimes();
    fromMenu({
        [&] { press(kSettingsButton); },
        [&] {
            const BWPoint clear = inside(kClearButton);
            script.mouseDown(platformMilliseconds(), clear.x, clear.y);
            script.mouseMove(platformMilliseconds(), 700, 500);
            script.mouseUp(platformMilliseconds(), 700, 500);
            script.mouseDown(platformMilliseconds(), 700, 500);
            script.mouseUp(platformMilliseconds(), clear.x, clear.y);
        },
        [&] {
            EXPECT_FALSE(dialogUp()) << "both ends of the click must lie on Clear";
            EXPECT_TRUE(settingsUp());
            press(kClearButton);
        },
        [&] {
            ASSERT_TRUE(dialogUp());
            saveCapture(captureFrame(), "dialog_clear");
            press(kRightOfTwoButton);
        },
        [&] {
            EXPECT_FALSE(dialogUp());
            EXPECT_STREQ(game().profile.bestName(1, 2, 0), "Kim") << "no keeps the tables";
            press(kClearButton);
        },
        [&] { press(kLeftOfTwoButton); },
        [&] {
            EXPECT_FLOAT_EQ(game().profile.bestTime(1, 2, 0), 36000.0f);
            Profile stored;
            stored.load();
            EXPECT_STREQ(stored.bestName(1, 2, 0), "Kim") << "nothing written yet";
            press(kMiddleButton);
        },
        [&] {
            EXPECT_FALSE(settingsUp());
            press(kQuitMenuButton);
        },
    });
    Profile stored;
    stored.load();
    EXPECT_STREQ(stored.bestName(1, 2, 0), "Anonymous");
    EXPECT_FLOAT_EQ(stored.bestTime(1, 2, 0), 36000.0f);
}

TEST_F(SettingsHelpTest, TheHelpPageClosesWithEveryKeyItsButtonAndTheWindowsCloseButton)
{
    fromMenu({
        [&] { press(kHelpButton); },
        [&] {
            ASSERT_TRUE(dialogUp());
            saveCapture(captureFrame(), "help_page");
            pressKey(vkEscape);
        },
        [&] {
            EXPECT_FALSE(dialogUp()) << "Escape";
            press(kHelpButton);
        },
        [&] { pressKey(vkReturn); },
        [&] {
            EXPECT_FALSE(dialogUp()) << "Enter";
            press(kHelpButton);
        },
        [&] {
            script.keyDown(platformMilliseconds(), vkReturn, true);
        },
        [&] {
            EXPECT_FALSE(dialogUp()) << "the keypad Enter";
            press(kHelpButton);
        },
        [&] { press(kHelpDoneButton); },
        [&] {
            EXPECT_FALSE(dialogUp()) << "Done";
            press(kHelpButton);
        },
        [&] { script.close(platformMilliseconds()); },
        [&] {
            EXPECT_FALSE(dialogUp()) << "the close request ends the page only";
            EXPECT_EQ(game().state, GameState::Menu);
        },
    });
}
