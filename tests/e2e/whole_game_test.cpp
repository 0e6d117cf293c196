// whole_game_test.cpp: a puzzle played to the end through clicks only, and the frames of a
// board in play that the README shows.
#include "tests/e2e/game_run.h"

#include "frame/clock.h"

#include <vector>

namespace {

constexpr uint64_t kPlaying = kMenuShown + 1100;

struct WholeGameTest : GameRun {
    void SetUp() override
    {
        GameRun::SetUp();
        startGameAt(kMenuShown);
    }

    // A press on the side panel's slot of the number.
    void clickNumber(uint64_t ms, int32_t number)
    {
        script.click(ms, kPanelLeft + kPanelSlot / 2, kPanelTop + kPanelSlot * number + kPanelSlot / 2);
    }

    // Clicks the solution into every empty cell that passes the test, from `ms` on, 10 ms apart;
    // answers the time after the last click.
    uint64_t clickSolution(uint64_t ms, const std::function<bool(BWPoint)>& test)
    {
        for (int32_t x = 0; x < kBoardSide; ++x) {
            for (int32_t y = 0; y < kBoardSide; ++y) {
                const Cell& cell = game().cell(x, y);
                if (cell.given || !test(BWPoint(x, y))) {
                    continue;
                }
                clickNumber(ms += 10, cell.solutionDigit);
                clickCell(ms += 10, x, y);
            }
        }
        return ms;
    }
};

} // namespace

TEST_F(WholeGameTest, ClickingTheSolutionIntoEveryEmptyCellSolvesTheBoard)
{
    float solvedAt = 0.0f;
    script.at(kPlaying, [&] {
        const uint64_t last = clickSolution(kPlaying, [](BWPoint) { return true; });
        script.at(last - 10, [&] {
            EXPECT_EQ(game().state, Playing) << "one cell is still empty";
            solvedAt = static_cast<float>(seconds()) + 0.01f;
        });
        script.at(last + 10, [&] {
            EXPECT_EQ(game().state, Menu);
            EXPECT_NEAR(game().winTime, solvedAt, 0.001f) << "the clock stopped at the solving click";
            EXPECT_TRUE(updateConflicts(game().board, Difficulty::Easy));
            EXPECT_TRUE(heard(game().assets.finishSound));
        });
    });
    runGame(kPlaying + 5000);
}

TEST_F(WholeGameTest, ABoardInPlayShowsEveryKindOfCell)
{
    script.at(kPlaying, [&] {
        // Every 6, and the solution in the left third of the board.
        uint64_t at = clickSolution(kPlaying, [](BWPoint cell) { return cell.x < 3; });
        at = clickSolution(at, [](BWPoint cell) { return cell.x >= 3 && game().cell(cell.x, cell.y).solutionDigit == 6; });
        // A clash with a given in the top row, pencil marks in the bottom-right corner, and the
        // selection left on the marked cell.
        for (int32_t x = 3; x < kBoardSide; ++x) {
            const Cell& cell = game().cell(x, 0);
            if (!cell.given && cell.solutionDigit != 6) {
                clickNumber(at += 10, cell.solutionDigit % 9 + 1);
                clickCell(at += 10, x, 0);
                break;
            }
        }
        for (int32_t y = kBoardSide - 1; y >= 0; --y) {
            if (!game().cell(8, y).given && game().cell(8, y).solutionDigit != 6) {
                for (int32_t mark : {1, 4, 8}) {
                    clickNumber(at += 10, mark);
                    clickCell(at += 10, 8, y, 2);
                }
                break;
            }
        }
        script.at(at + 100, [] {
            EXPECT_TRUE(game().digitDone[5]);
            saveCapture(captureFrame(), "game_board");
        });
    });
    runGame(kPlaying + 5000);
}
