// game_dialogs_test.cpp: the pause, reset and exit dialogs over a game in progress.
#include "tests/e2e/game_run.h"

namespace {

struct GameDialogsTest : PlayingRun {
    // A digit a given of the cell's row already shows.
    static int32_t clashingDigit(BWPoint at)
    {
        const BWPoint given = cellsWhere([&](const Cell& cell, BWPoint where) {
            return where.y == at.y && cell.given;
        }).front();
        return game().cell(given.x, given.y).digit;
    }

    float before = 0.0f;
    BWPoint e;
    BWPoint f;
};

} // namespace

// A dialog button acts a quarter second after its release, the time it is shown pressed.
TEST_F(GameDialogsTest, ATenMinutePauseLeavesTheClockWhereItWasAndHidesTheDigits)
{
    constexpr uint64_t t = kPlaying + 2000 + 600000;
    script.setTimeLimit(t + 10000);
    script.at(kPlaying + 2000, [&] {
        before = game().elapsedSeconds();
        press(kPauseButton);
    });
    script.at(kPlaying + 2100, [&] {
        EXPECT_TRUE(dialogUp());
        EXPECT_NE(game().pauseStart, 0.0f);
        saveCapture(captureFrame(), "dialog_pause");
        platformSleepMilliseconds(600000); // ten minutes with the dialog up
    });
    script.at(t + 100, [&] {
        EXPECT_TRUE(dialogUp()) << "the dialog waits for its button";
        EXPECT_NEAR(game().elapsedSeconds(), before, 0.01f);
        press(kMiddleButton);
    });
    script.at(t + 500, [&] {
        EXPECT_FALSE(dialogUp());
        EXPECT_EQ(game().pauseStart, 0.0f);
        EXPECT_NEAR(game().elapsedSeconds(), before + 0.15f, 0.01f) << "the clock runs on";
        // Space opens it as the button does; a close request ends it with the clock running.
        pressKey(' ');
    });
    script.at(t + 600, [] { EXPECT_TRUE(dialogUp()); });
    script.close(t + 700);
    script.at(t + 800, [&] {
        EXPECT_FALSE(dialogUp());
        EXPECT_EQ(game().state, GameState::Playing);
        EXPECT_NEAR(game().elapsedSeconds(), before + 0.25f, 0.01f);
    });
    runGame(t + 1000);
}

TEST_F(GameDialogsTest, ResetClearsOnlyThePlayersEntriesAndOnlyOnYes)
{
    Board untouched;
    runSteps(kPlaying, {
        [&] {
            e = emptyCell();
            f = emptyCell(1);
            chooseNumber(clashingDigit(e));
            clickCell(e);
            clickCell(f, 2);
            chooseNumber(game().cell(e.x, e.y).solutionDigit);
            clickCell(e); // the undo step records the clashing digit
        },
        [&] {
            untouched = game().board;
            EXPECT_EQ(game().cell(f.x, f.y).marks[clashingDigit(e) - 1], 1);
            press(kResetButton);
        },
        [&] {
            EXPECT_TRUE(dialogUp());
            saveCapture(captureFrame(), "dialog_reset");
            pressKey(vkEscape);
        },
        [] {},
        [&] {
            EXPECT_FALSE(dialogUp());
            EXPECT_EQ(0, memcmp(&untouched.cells, &game().board.cells, sizeof untouched.cells))
                << "Escape answers no";
            press(kResetButton);
        },
        [&] { press(kRightOfTwoButton); },
        [&] {
            EXPECT_FALSE(dialogUp());
            EXPECT_EQ(0, memcmp(&untouched.cells, &game().board.cells, sizeof untouched.cells));
            before = game().elapsedSeconds();
            press(kResetButton);
        },
        [&] { press(kLeftOfTwoButton); },
        [&] {
            EXPECT_FALSE(dialogUp());
            EXPECT_NEAR(game().elapsedSeconds(), before, 0.05f) << "the clock is not restarted";
            for (size_t i = 0; i < untouched.cells.size(); ++i) {
                const Cell& now = game().board.cells[i];
                const Cell& was = untouched.cells[i];
                EXPECT_EQ(now.digit, was.given ? was.digit : 0);
                EXPECT_EQ(now.conflict, 0);
                EXPECT_EQ(std::count(std::begin(now.marks), std::end(now.marks), 1), 0);
                EXPECT_EQ(std::count(std::begin(now.markConflicts), std::end(now.markConflicts), 1), 0);
            }
            pressKey('Z');
        },
        [&] {
            EXPECT_EQ(game().cell(e.x, e.y).digit, clashingDigit(e)) << "undo brings back the recorded cell";
            EXPECT_EQ(game().cell(e.x, e.y).conflict, 1);
        },
    }, 300);
}

TEST_F(GameDialogsTest, ExitToTheMainMenuSavesAndTheNextGameHasAFreshClock)
{
    constexpr uint64_t t = kPlaying + 5000;
    pressAt(kMenuShown - 100, difficultyMark(2)); // Hard, before Play
    script.at(t, [&] {
        before = game().elapsedSeconds();
        EXPECT_GT(before, 5.0f);
        press(kQuitGameButton);
    });
    script.at(t + 100, [&] {
        EXPECT_TRUE(dialogUp());
        EXPECT_NEAR(game().elapsedSeconds(), before, 0.01f);
        saveCapture(captureFrame(), "dialog_exit");
        press(kMiddleButton);
    });
    script.at(t + 500, [&] {
        EXPECT_FALSE(dialogUp());
        EXPECT_EQ(game().state, GameState::Playing);
        EXPECT_NEAR(game().elapsedSeconds(), before + 0.15f, 0.01f) << "no keeps the game going";
        press(kQuitGameButton);
    });
    script.at(t + 600, [&] { press(kRightOfThreeButton); });
    script.at(t + 1000, [&] {
        EXPECT_FALSE(dialogUp());
        EXPECT_EQ(game().state, GameState::Menu);
        Profile stored;
        stored.load();
        EXPECT_EQ(stored.difficulty(), 2) << "the profile was saved";
        press(kPlayButton);
    });
    script.at(t + 2500, [&] {
        EXPECT_EQ(game().state, GameState::Playing);
        EXPECT_LT(game().elapsedSeconds(), 2.0f) << "a fresh clock";
        EXPECT_EQ(game().pauseStart, 0.0f);
    });
    runGame(t + 3000);
}

TEST_F(GameDialogsTest, TheWindowsCloseButtonAsksAndASecondCloseDismissesTheQuestion)
{
    script.close(kPlaying + 1000);
    script.at(kPlaying + 1100, [] {
        EXPECT_TRUE(dialogUp());
        EXPECT_EQ(game().state, GameState::Playing);
    });
    script.close(kPlaying + 1200);
    script.at(kPlaying + 1300, [] {
        EXPECT_FALSE(dialogUp());
        EXPECT_EQ(game().state, GameState::Playing);
        EXPECT_EQ(game().pauseStart, 0.0f);
    });
    script.close(kPlaying + 1400);
    script.keyDown(kPlaying + 1500, vkEscape);
    script.at(kPlaying + 2000, [] {
        EXPECT_FALSE(dialogUp()) << "Escape answers no";
        EXPECT_EQ(game().state, GameState::Playing);
    });
    script.close(kPlaying + 2100);
    script.keyDown(kPlaying + 2200, vkReturn);
    script.failIfReached(kPlaying + 3000, "Enter answers yes: the program has ended");
    runGame(kPlaying + 5000);
}
