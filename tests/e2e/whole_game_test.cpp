// whole_game_test.cpp: puzzles played to the end by clicks, a whole game, and the README's boards.
#include "tests/e2e/game_run.h"

#include "frame/clock.h"
#include "game/game_over_banner.h"
#include "ui/textbox.h"

#include <string>

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

// A board of each layout in play, captured for the README: "game_board" (Classic),
// "game_board_random" and "game_board_chaos".
struct BoardInPlayTest : GameRun, testing::WithParamInterface<int32_t> {};

TEST_P(BoardInPlayTest, ShowsEveryKindOfCell)
{
    const int32_t layout = GetParam();
    pressAt(kMenuShown, layoutMark(layout));
    startGameAt(kMenuShown + 100);
    runSteps(
        kPlaying + 100,
        {
            [&] {
                ASSERT_EQ(game().profile.zoneLayout(), layout);
                // The left third solved, every 6, a clash in the first row that has room for one (a
                // digit of the row's left third put in the middle), pencil marks at the right edge,
                // and the selection left on them.
                clickSolution([](BWPoint cell) {
                    return cell.x < 3 || game().cell(cell.x, cell.y).solutionDigit == 6;
                });
                bool clashed = false;
                for (int32_t y = 0; y < kBoardSide && !clashed; ++y) {
                    const int32_t clash = game().cell(0, y).solutionDigit != 6
                                              ? game().cell(0, y).solutionDigit
                                              : game().cell(1, y).solutionDigit;
                    for (int32_t x = 3; x < kBoardSide - 1 && !clashed; ++x) {
                        const Cell& cell = game().cell(x, y);
                        if (!cell.given && cell.solutionDigit != 6) {
                            clickNumberIntoCell(clash, BWPoint(x, y));
                            clashed = true;
                        }
                    }
                }
                for (int32_t y = kBoardSide - 1; y >= 0; --y) {
                    const Cell& cell = game().cell(8, y);
                    if (!cell.given && cell.solutionDigit != 6) {
                        // The cell's own digit clashes with nothing; the next one may.
                        for (int32_t mark :
                             {cell.solutionDigit % 9 + 1, int32_t{cell.solutionDigit}}) {
                            clickNumberIntoCell(mark, BWPoint(8, y), 2);
                        }
                        break;
                    }
                }
            },
            [] {},
            [&] {
                EXPECT_TRUE(game().digitDone[5]);
                EXPECT_FALSE(cellsWhere([](const Cell& cell, BWPoint) {
                                 return cell.conflict != 0;
                             }).empty());
                const char* names[3] = {"game_board", "game_board_random", "game_board_chaos"};
                saveCapture(captureFrame(), names[layout]);
            },
        });
}

namespace {

std::string layoutName(const testing::TestParamInfo<int32_t>& info)
{
    const char* names[3] = {"Classic", "Random", "Chaos"};
    return names[info.param];
}

} // namespace

INSTANTIATE_TEST_SUITE_P(Layouts, BoardInPlayTest, testing::Values(0, 1, 2), layoutName);

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
