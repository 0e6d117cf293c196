// settings_help_test.cpp: the settings dialog and the help page over the main menu.
#include "tests/e2e/game_run.h"

#include "frame/app.h"
#include "game/settings_dialog.h"

namespace {

// Inside the menu's buttons and the dialogs' options and buttons.
const BWPoint kHelpButton(166, 529);
const BWPoint kSettingsButton(335, 529);
const BWPoint kExitButton(504, 529);
const BWPoint kFullscreen(203, 273);
const BWPoint kWindow(203, 314);
const BWPoint kSoundOn(384, 273);
const BWPoint kSoundOff(384, 314);
const BWPoint kClear(510, 283);

bool settingsUp()
{
    return layerOfKind<SettingsDialog>() != nullptr;
}

struct SettingsHelpTest : GameRun {
    void click(BWPoint at) { clickAt(at.x, at.y); }
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
        [&] { click(kSettingsButton); },
        [&] {
            ASSERT_TRUE(settingsUp());
            saveCapture(captureFrame(), "dialog_settings");
            before = game().profile.record();
            click(kWindow);
        },
        [&] {
            EXPECT_TRUE(heard(game().assets.checkSound)) << "window while windowed still sounds";
            EXPECT_EQ(game().profile.record(), before);
            EXPECT_FALSE(isFullscreen());
            click(kSoundOff);
        },
        [&] {
            EXPECT_FALSE(heard(game().assets.checkSound)) << "sound off is silent";
            EXPECT_FALSE(isSoundEnabled());
            EXPECT_FALSE(game().profile.soundOn());
            click(kSoundOn);
        },
        [&] {
            EXPECT_TRUE(heard(game().assets.checkSound)) << "sound on is confirmed";
            EXPECT_TRUE(isSoundEnabled());
            click(kFullscreen);
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
            EXPECT_EQ(game().state, Menu);
            click(kExitButton);
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
        [&] { click(kSettingsButton); },
        [&] {
            script.mouseDown(platformMilliseconds(), kClear.x, kClear.y);
            script.mouseMove(platformMilliseconds(), 700, 500);
            script.mouseUp(platformMilliseconds(), 700, 500);
            script.mouseDown(platformMilliseconds(), 700, 500);
            script.mouseUp(platformMilliseconds(), kClear.x, kClear.y);
        },
        [&] {
            EXPECT_FALSE(dialogUp()) << "both ends of the click must lie on Clear";
            EXPECT_TRUE(settingsUp());
            click(kClear);
        },
        [&] {
            ASSERT_TRUE(dialogUp());
            saveCapture(captureFrame(), "dialog_clear");
            press(kNoOfTwo);
        },
        [&] {
            EXPECT_FALSE(dialogUp());
            EXPECT_STREQ(game().profile.bestName(1, 2, 0), "Kim") << "no keeps the tables";
            click(kClear);
        },
        [&] { press(kYesOfTwo); },
        [&] {
            EXPECT_FLOAT_EQ(game().profile.bestTime(1, 2, 0), 36000.0f);
            Profile stored;
            stored.load();
            EXPECT_STREQ(stored.bestName(1, 2, 0), "Kim") << "nothing written yet";
            press(kMiddleButton);
        },
        [&] {
            EXPECT_FALSE(settingsUp());
            click(kExitButton);
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
        [&] { click(kHelpButton); },
        [&] {
            ASSERT_TRUE(dialogUp());
            saveCapture(captureFrame(), "help_page");
            pressKey(vkEscape);
        },
        [&] {
            EXPECT_FALSE(dialogUp()) << "Escape";
            click(kHelpButton);
        },
        [&] { pressKey(vkReturn); },
        [&] {
            EXPECT_FALSE(dialogUp()) << "Enter";
            click(kHelpButton);
        },
        [&] {
            script.keyDown(platformMilliseconds(), vkReturn, true);
        },
        [&] {
            EXPECT_FALSE(dialogUp()) << "the keypad Enter";
            click(kHelpButton);
        },
        [&] { click(BWPoint(345, 528)); },
        [&] {
            EXPECT_FALSE(dialogUp()) << "Done";
            click(kHelpButton);
        },
        [&] { script.close(platformMilliseconds()); },
        [&] {
            EXPECT_FALSE(dialogUp()) << "the close request ends the page only";
            EXPECT_EQ(game().state, Menu);
        },
    });
    EXPECT_FALSE(script.ranOut());
}
