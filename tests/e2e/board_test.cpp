// board_test.cpp: editing the board by mouse and keys, undo and the done marks, in the real loop.
#include "tests/e2e/game_run.h"

#include "game/game_over_banner.h"

namespace {

// Colours of the player's and the conflicting digits in the art.
const BWColor kPlayerBlue(0xff1d4fb8u);
const BWColor kConflictRed(0xffb8281fu);

// The middle of a cell, where its digit is drawn (the selection frame stays outside).
BWRect digitRect(BWPoint cell)
{
    return BWRect(kBoardLeft + kCellSize * cell.x + 16, kBoardTop + kCellSize * cell.y + 12, kCellSize - 32,
                  kCellSize - 24);
}

Cell& at(BWPoint cell)
{
    return game().cell(cell.x, cell.y);
}

int32_t markCount(const Cell& cell)
{
    return static_cast<int32_t>(std::count(std::begin(cell.marks), std::end(cell.marks), 1));
}

struct BoardTest : PlayingRun {
    void play(const std::vector<std::function<void()>>& steps) { runSteps(kPlaying, steps); }

    BWPoint e;
    BWPoint f;
};

} // namespace

TEST_F(BoardTest, LeftClicksPlaceTheNumberThenEmptyTheCellEachOneUndoStep)
{
    play({
        [&] {
            EXPECT_EQ(game().cellWidth(), kCellSize);
            // A cell whose solution is 5, so that the 5 clashes with no given.
            e = cellsWhere([](const Cell& cell, BWPoint) {
                    return !cell.given && cell.solutionDigit == 5;
                }).front();
            chooseNumber(5);
            clickCell(e);
        },
        [&] {
            EXPECT_EQ(at(e).digit, 5);
            EXPECT_EQ(game().selected, e);
            EXPECT_EQ(game().undoList.size(), 1u);
            EXPECT_TRUE(heard(game().assets.placeSound));
            EXPECT_GT(captureFrame().countMatching(digitRect(e), kPlayerBlue, 40), 20);
            clickCell(e);
        },
        [&] {
            EXPECT_EQ(at(e).digit, 0);
            EXPECT_EQ(game().undoList.size(), 2u);
            EXPECT_TRUE(heard(game().assets.placeSound));
            EXPECT_EQ(captureFrame().countMatching(digitRect(e), kPlayerBlue, 40), 0);
        },
    });
}

TEST_F(BoardTest, ADigitRepeatingAGivenInItsRowShowsTheConflictColourInBothCells)
{
    play({
        [&] {
            e = emptyCell();
            f = cellsWhere([&](const Cell& cell, BWPoint where) {
                    return where.y == e.y && cell.given;
                }).front();
            chooseNumber(at(f).digit);
            clickCell(e);
        },
        [&] {
            const Capture frame = captureFrame();
            for (BWPoint clashing : {e, f}) {
                EXPECT_EQ(at(clashing).conflict, 1);
                EXPECT_GT(frame.countMatching(digitRect(clashing), kConflictRed, 40), 20);
                EXPECT_EQ(frame.countMatching(digitRect(clashing), kPlayerBlue, 40), 0);
            }
        },
    });
}

TEST_F(BoardTest, RightClicksOnADigitChangeNothingAndTheEraserEmptiesEverything)
{
    play({
        [&] {
            e = emptyCell();
            f = emptyCell(1);
            chooseNumber(5);
            clickCell(e);
            clickCell(e, 2);
            clickCell(f, 2);
        },
        [&] {
            EXPECT_EQ(at(e).digit, 5);
            EXPECT_EQ(markCount(at(e)), 0);
            EXPECT_EQ(at(f).marks[4], 1);
            EXPECT_TRUE(heard(game().assets.pencilSound));
            EXPECT_EQ(game().undoList.size(), 2u) << "the right click on the 5 left no step";
            clickAt(400, 590); // nowhere: the selection goes
            clickCell(e, 2);
        },
        [&] {
            EXPECT_EQ(at(e).digit, 5);
            EXPECT_EQ(game().undoList.size(), 3u) << "the selection moved";
            pressKey(vkBackspace); // chooses the eraser
            clickCell(e);
            clickCell(f, 2);
        },
        [&] {
            EXPECT_EQ(game().currentNumber, 0);
            for (BWPoint erased : {e, f}) {
                EXPECT_EQ(at(erased).digit, 0);
                EXPECT_EQ(markCount(at(erased)), 0);
            }
        },
    });
}

TEST_F(BoardTest, AGivenCellKeepsItsDigitAndTheSelectionAndBorderPixelsBelongLeftAndUp)
{
    play({
        [&] {
            e = cellsWhere([](const Cell& cell, BWPoint where) {
                    return where.x == 0 && !cell.given;
                }).front();
            f = cellsWhere([](const Cell& cell, BWPoint) { return cell.given != 0; }).front();
            // The pixel between columns 0 and 1.
            clickAt(kBoardLeft + kCellSize, kBoardTop + kCellSize * e.y + kCellSize / 2);
            chooseNumber(0);
            clickCell(f);
        },
        [&] {
            EXPECT_EQ(at(e).digit, 1);
            EXPECT_EQ(at(f).digit, game().board.givens[static_cast<size_t>(cellIndex(f.x, f.y))]);
            EXPECT_EQ(game().selected, e);
            EXPECT_EQ(game().undoList.size(), 1u);
            e = cellsWhere([](const Cell& cell, BWPoint where) {
                    return where.y == 0 && where.x > 0 && !cell.given;
                }).front();
            chooseNumber(1);
            // The pixel between rows 0 and 1.
            clickAt(kBoardLeft + kCellSize * e.x + kCellSize / 2, kBoardTop + kCellSize);
        },
        [&] { EXPECT_EQ(at(e).digit, 1); },
    });
}

TEST_F(BoardTest, PencilModeSwapsTheButtonsAndTTogglesItSilently)
{
    play({
        [&] {
            e = emptyCell();
            f = emptyCell(1);
            clickAt(kPencilBoxLeft + kCheckSize - 1, kPencilBoxTop + kCheckSize - 1);
            chooseNumber(4);
            clickCell(e);
            clickCell(f, 2);
        },
        [&] {
            EXPECT_TRUE(game().pencilMode);
            EXPECT_TRUE(heard(game().assets.checkSound));
            EXPECT_EQ(at(e).digit, 0);
            EXPECT_EQ(at(e).marks[3], 1);
            EXPECT_EQ(at(f).digit, 4);
            pressKey('T');
            clickCell(e);
        },
        [&] {
            EXPECT_FALSE(game().pencilMode);
            EXPECT_FALSE(heard(game().assets.checkSound));
            EXPECT_EQ(at(e).digit, 4);
        },
    });
}

TEST_F(BoardTest, ThePanelsEdgesChooseTheEraserAndNineAndKeysPlayNoSound)
{
    play({
        [&] { clickAt(kPanelLeft + 10, kPanelTop); },
        [&] {
            EXPECT_EQ(game().currentNumber, 0);
            EXPECT_TRUE(heard(game().assets.numberSound));
            clickAt(kPanelLeft + 10, kPanelTop + kPanelHeight);
        },
        [&] {
            EXPECT_EQ(game().currentNumber, 9);
            EXPECT_TRUE(heard(game().assets.numberSound));
            pressKey(vkKeypad0 + 7);
        },
        [&] {
            EXPECT_EQ(game().currentNumber, 7);
            EXPECT_FALSE(heard(game().assets.numberSound));
        },
    });
}

TEST_F(BoardTest, UndoRestoresDigitMarksAndSelection)
{
    play({
        [&] {
            e = emptyCell();
            f = emptyCell(1);
            clickCell(e, 2);
            chooseNumber(2);
            clickCell(f);
            press(kUndoButton);
        },
        [&] {
            EXPECT_EQ(at(f).digit, 0);
            EXPECT_EQ(game().selected, e);
            pressKey('Z');
            pressKey('Z'); // nothing left to undo
        },
        [&] {
            EXPECT_EQ(at(e).marks[0], 0);
            EXPECT_EQ(game().selected, BWPoint(-1, -1));
            EXPECT_TRUE(game().undoList.empty());
        },
    });
}

TEST_F(BoardTest, AnUndoThatCompletesTheBoardWinsIt)
{
    play({
        [&] {
            // Every cell right but not yet checked, then one wrong digit over a right one.
            for (Cell& cell : game().board.cells) {
                cell.digit = cell.solutionDigit;
            }
            e = emptyCell();
            chooseNumber(at(e).solutionDigit % 9 + 1);
            clickCell(e);
        },
        [&] {
            EXPECT_EQ(game().state, GameState::Playing);
            EXPECT_EQ(at(e).conflict, 1);
            pressKey('Z');
        },
        [&] {
            EXPECT_NE(layerOfKind<GameOverBanner>(), nullptr);
            EXPECT_NE(game().winTime, 0.0f);
            EXPECT_TRUE(heard(game().assets.finishSound));
        },
    });
}

// Each capture draws a frame, as the loop would, so the checks do not wait for the frame timer.
TEST_F(BoardTest, TheDoneSoundPlaysOncePerCompletionOfADigit)
{
    std::vector<BWPoint> sixes;
    Capture complete;
    const BWRect sixSlot(kPanelLeft, kPanelTop + 6 * kPanelSlot, kPanelSlot, kPanelSlot);
    const auto heardDone = [] { return heard(game().assets.doneSound); };
    play({
        [&] {
            sixes = cellsWhere([](const Cell& cell, BWPoint) {
                return !cell.given && cell.solutionDigit == 6;
            });
            chooseNumber(6);
            for (BWPoint six : sixes) {
                clickCell(six);
            }
        },
        [&] {
            complete = captureFrame();
            EXPECT_TRUE(game().digitDone[5]);
            EXPECT_TRUE(heardDone());
            captureFrame();
            EXPECT_FALSE(heardDone()) << "once, not every frame";
            clickCell(sixes.back()); // takes one 6 away
        },
        [&] {
            const Capture broken = captureFrame();
            EXPECT_FALSE(game().digitDone[5]);
            EXPECT_FALSE(heardDone());
            int32_t changed = 0;
            for (int32_t y = sixSlot.y; y < sixSlot.bottom(); ++y) {
                for (int32_t x = sixSlot.x; x < sixSlot.right(); ++x) {
                    changed += broken.pixel(x, y) != complete.pixel(x, y);
                }
            }
            EXPECT_GT(changed, 100) << "the done mark is gone";
            clickCell(sixes.back());
        },
        [&] {
            captureFrame();
            EXPECT_TRUE(heardDone()) << "complete again";
        },
    });
}

// A double click on Play: the second click and a key made while the puzzle was generated were
// aimed at the menu and must not reach the new board.
TEST_F(GameRun, InputMadeWhileTheLoadingPictureIsUpIsDropped)
{
    startGameAt(kMenuShown);
    pressAt(kMenuShown + 150, kPlayButton);
    script.keyDown(kMenuShown + 300, '5');
    script.keyUp(kMenuShown + 320, '5');
    runSteps(kPlaying, {[&] {
                 EXPECT_EQ(game().state, GameState::Playing);
                 const BWPoint play = inside(kPlayButton);
                 const BWPoint underPlay((play.x - kBoardLeft) / kCellSize, (play.y - kBoardTop) / kCellSize);
                 const Cell& cell = game().cell(underPlay.x, underPlay.y);
                 EXPECT_EQ(cell.digit, cell.given ? cell.solutionDigit : 0);
                 EXPECT_TRUE(game().undoList.empty());
                 EXPECT_EQ(game().currentNumber, 1);
             },
             [&] { clickCell(emptyCell()); },
             [&] { EXPECT_EQ(game().cell(emptyCell().x, emptyCell().y).digit, 1) << "input after it counts"; }});
}
