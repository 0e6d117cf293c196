// whole_game_test.cpp: a puzzle played to the end through clicks only, and the frame of a board
// in play that the README shows.
#include "tests/e2e/game_run.h"

#include "frame/clock.h"
#include "game/game_over_banner.h"

namespace {

constexpr uint64_t kPlaying = kMenuShown + 1100;

struct WholeGameTest : GameRun {
    void SetUp() override
    {
        GameRun::SetUp();
        startGameAt(kMenuShown);
    }
};

} // namespace

TEST_F(WholeGameTest, ClickingTheSolutionIntoEveryEmptyCellSolvesTheBoard)
{
    BWPoint last;
    runSteps(kPlaying, {
        [&] {
            // The last cell that is not given is left for the final click.
            for (int32_t index = 0; index < kCellCount; ++index) {
                if (!game().board.cells[static_cast<size_t>(index)].given) {
                    last = BWPoint(index / kBoardSide, index % kBoardSide);
                }
            }
            clickSolution([&](BWPoint cell) { return !(cell == last); });
        },
        [&] {
            EXPECT_EQ(game().state, Playing) << "one cell is still empty";
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
