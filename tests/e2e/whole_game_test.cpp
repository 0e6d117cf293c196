// whole_game_test.cpp: puzzles played to the end by clicks, a whole game, and the README's board.
#include "tests/e2e/game_run.h"

#include "frame/clock.h"
#include "game/game_over_banner.h"
#include "ui/textbox.h"

namespace {

using WholeGameTest = PlayingRun;

} // namespace

TEST_F(WholeGameTest, ClickingTheSolutionIntoEveryEmptyCellSolvesTheBoard)
{
    BWPoint last;
    runSteps(kPlaying, {
        [&] {
            // The last cell that is not given is left for the final click.
            last = cellsWhere([](const Cell& cell, BWPoint) { return !cell.given; }).back();
            clickSolution([&](BWPoint cell) { return !(cell == last); });
        },
        [&] {
            EXPECT_EQ(game().state, GameState::Playing) << "one cell is still empty";
            clickNumberIntoCell(game().cell(last.x, last.y).solutionDigit, last);
        },
        [&] {
            EXPECT_NE(layerOfKind<GameOverBanner>(), nullptr) << "the banner blinks over the board";
            // The clock stopped at the last click, one step ago.
            EXPECT_NEAR(game().winTime, static_cast<float>(seconds()) - 0.02f, 0.001f);
            EXPECT_TRUE(updateConflicts(game().board, Difficulty::Easy));
            EXPECT_TRUE(heard(game().assets.finishSound));
        },
    });
}

TEST_F(WholeGameTest, ABoardInPlayShowsEveryKindOfCell)
{
    runSteps(kPlaying, {
        [&] {
            // The left third solved, every 6, a clash in the top row, pencil marks at the right
            // edge, and the selection left on them.
            clickSolution([](BWPoint cell) {
                return cell.x < 3 || game().cell(cell.x, cell.y).solutionDigit == 6;
            });
            for (int32_t x = 3; x < kBoardSide; ++x) {
                const Cell& cell = game().cell(x, 0);
                if (!cell.given && cell.solutionDigit != 6) {
                    clickNumberIntoCell(cell.solutionDigit % 9 + 1, BWPoint(x, 0));
                    break;
                }
            }
            for (int32_t y = kBoardSide - 1; y >= 0; --y) {
                const Cell& cell = game().cell(8, y);
                if (!cell.given && cell.solutionDigit != 6) {
                    // The cell's own digit clashes with nothing; the next one may.
                    for (int32_t mark : {cell.solutionDigit % 9 + 1, int32_t{cell.solutionDigit}}) {
                        clickNumberIntoCell(mark, BWPoint(8, y), 2);
                    }
                    break;
                }
            }
        },
        [] {},
        [] {
            EXPECT_TRUE(game().digitDone[5]);
            saveCapture(captureFrame(), "game_board");
        },
    });
}

using PlayerTest = GameRun;

// Start, choose Random and Hard, play with a pause and an undo, solve, enter a name, decline
// another game and leave; the next start shows the time from the stored record.
TEST_F(PlayerTest, AWholeGameAsAPlayerPlaysItAndTheTimeLastsToTheNextStart)
{
    constexpr uint64_t playing = kPlaying + 100;
    constexpr uint64_t solveAt = playing + 2000;
    constexpr uint64_t named = solveAt + 3800;
    float solved = 0.0f;
    BWPoint e;
    pressAt(kMenuShown, layoutMark(1));          // Random
    pressAt(kMenuShown + 50, difficultyMark(2)); // Hard
    startGameAt(kMenuShown + 100);
    script.at(playing, [&] {
        EXPECT_EQ(game().state, GameState::Playing);
        EXPECT_EQ(game().profile.zoneLayout(), 1);
        EXPECT_EQ(game().profile.difficulty(), 2);
        press(kPauseButton);
    });
    script.at(playing + 300, [&] { press(kMiddleButton); }); // play
    script.at(playing + 1000, [&] {
        EXPECT_EQ(game().pauseStart, 0.0f);
        e = emptyCell();
        clickNumberIntoCell(game().cell(e.x, e.y).solutionDigit % 9 + 1, e);
        pressKey('Z');
    });
    script.at(playing + 1300, [&] { EXPECT_EQ(game().cell(e.x, e.y).digit, 0) << "undone"; });
    script.at(solveAt, [&] {
        solved = static_cast<float>(seconds()) - game().startTime;
        clickSolution();
    });
    script.at(named, [&] {
        ASSERT_NE(layerOfKind<BWTextbox>(), nullptr);
        typeText("Pat");
        press(kMiddleButton); // Done
    });
    script.at(named + 500, [&] { press(kRightOfTwoButton); }); // no more games
    script.at(named + 1000, [&] {
        EXPECT_EQ(game().state, GameState::Menu);
        EXPECT_STREQ(game().profile.bestName(1, 2, 0), "Pat");
        EXPECT_FLOAT_EQ(game().profile.bestTime(1, 2, 0), solved);
        press(kQuitMenuButton);
    });
    runGame(named + 2000);
    EXPECT_LT(platformMilliseconds(), named + 2000) << "Exit ended the program";

    ScriptedRun second;
    second.at(kMenuShown, [&] {
        EXPECT_EQ(game().state, GameState::Menu);
        EXPECT_EQ(game().profile.zoneLayout(), 1);
        EXPECT_EQ(game().profile.difficulty(), 2);
        EXPECT_STREQ(game().profile.bestName(1, 2, 0), "Pat");
        EXPECT_FLOAT_EQ(game().profile.bestTime(1, 2, 0), solved);
        EXPECT_STREQ(game().profile.lastName(), "Pat");
    });
    second.close(kMenuShown + 100);
    Game running;
}
