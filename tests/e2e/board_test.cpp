// board_test.cpp: editing the board with the mouse and keys, undo, the clock and the marks of
// completed digits, through the real loop on a generated Classic puzzle.
#include "tests/e2e/game_run.h"

#include <functional>
#include <vector>

namespace {

constexpr uint64_t kPlaying = kMenuShown + 1100;

// Colours of the player's and the conflicting digits in the art.
const BWColor kPlayerBlue(0xff1d4fb8u);
const BWColor kConflictRed(0xffb8281fu);

// The middle of a cell, where its digit is drawn (the selection frame stays outside).
BWRect digitRect(BWPoint cell)
{
    return BWRect(kBoardLeft + kCell * cell.x + 16, kBoardTop + kCell * cell.y + 12, kCell - 32, kCell - 24);
}

using CellTest = std::function<bool(const Cell&, BWPoint)>;

// The cells, column by column, that satisfy the test.
std::vector<BWPoint> cellsWhere(const CellTest& test)
{
    std::vector<BWPoint> found;
    for (int32_t x = 0; x < kBoardSide; ++x) {
        for (int32_t y = 0; y < kBoardSide; ++y) {
            if (test(game().cell(x, y), BWPoint(x, y))) {
                found.emplace_back(x, y);
            }
        }
    }
    return found;
}

BWPoint findCell(const CellTest& test)
{
    const std::vector<BWPoint> found = cellsWhere(test);
    EXPECT_FALSE(found.empty()) << "no such cell";
    return found.empty() ? BWPoint(0, 0) : found.front();
}

int32_t differingPixels(const Capture& one, const Capture& other, BWRect rect)
{
    int32_t count = 0;
    for (int32_t y = rect.y; y < rect.bottom(); ++y) {
        for (int32_t x = rect.x; x < rect.right(); ++x) {
            count += one.pixel(x, y) != other.pixel(x, y);
        }
    }
    return count;
}

BWPoint emptyCell(int32_t skip = 0)
{
    return findCell([&](const Cell& cell, BWPoint) { return !cell.given && skip-- == 0; });
}

struct BoardTest : GameRun {
    void SetUp() override
    {
        GameRun::SetUp();
        startGameAt(kMenuShown);
    }
    void clickCell(uint64_t ms, BWPoint cell, int32_t button = 1) { GameRun::clickCell(ms, cell.x, cell.y, button); }
    void chooseNumber(uint64_t ms, int32_t number) { pressKey(ms, '0' + number); }

    BWPoint e;
    BWPoint f;
};

} // namespace

TEST_F(BoardTest, LeftClicksPlaceTheNumberThenEmptyTheCellEachOneUndoStep)
{
    script.at(kPlaying, [&] {
        EXPECT_EQ(game().cellWidth(), kCell);
        e = emptyCell();
        // The cell's own solution digit, which clashes with no given.
        chooseNumber(kPlaying + 10, game().cell(e.x, e.y).solutionDigit);
        clickCell(kPlaying + 10, e);
        script.at(kPlaying + 20, [&] {
            EXPECT_EQ(game().cell(e.x, e.y).digit, game().cell(e.x, e.y).solutionDigit);
            EXPECT_EQ(game().undoList.size(), 1u);
            EXPECT_TRUE(heard(game().assets.placeSound));
            EXPECT_EQ(game().selected, e);
            EXPECT_GT(captureFrame().countMatching(digitRect(e), kPlayerBlue, 40), 20) << "the digit is drawn in the cell";
        });
        clickCell(kPlaying + 30, e);
        script.at(kPlaying + 40, [&] {
            EXPECT_EQ(game().cell(e.x, e.y).digit, 0);
            EXPECT_EQ(game().undoList.size(), 2u);
            EXPECT_TRUE(heard(game().assets.placeSound));
            EXPECT_EQ(captureFrame().countMatching(digitRect(e), kPlayerBlue, 40), 0);
        });
    });
    runGame(kPlaying + 1000);
}

TEST_F(BoardTest, ADigitThatRepeatsAGivenInItsRowIsDrawnInTheConflictColourInBothCells)
{
    script.at(kPlaying, [&] {
        e = emptyCell();
        f = findCell([&](const Cell& cell, BWPoint at) { return at.y == e.y && cell.given; });
        chooseNumber(kPlaying + 10, game().cell(f.x, f.y).digit);
        clickCell(kPlaying + 10, e);
        script.at(kPlaying + 20, [&] {
            const Capture frame = captureFrame();
            for (BWPoint clashing : {e, f}) {
                EXPECT_EQ(game().cell(clashing.x, clashing.y).conflict, 1);
                EXPECT_GT(frame.countMatching(digitRect(clashing), kConflictRed, 40), 20);
                EXPECT_EQ(frame.countMatching(digitRect(clashing), kPlayerBlue, 40), 0);
            }
        });
    });
    runGame(kPlaying + 1000);
}

TEST_F(BoardTest, TheDoneSoundPlaysOncePerCompletionOfADigit)
{
    std::vector<BWPoint> sixes;
    Capture complete;
    const BWRect sixSlot(kPanelLeft, kPanelTop + 6 * kPanelSlot, kPanelSlot, kPanelSlot);
    script.at(kPlaying, [&] {
        sixes = cellsWhere([](const Cell& cell, BWPoint) { return !cell.given && cell.solutionDigit == 6; });
        ASSERT_FALSE(sixes.empty());
        uint64_t at = kPlaying + 10;
        chooseNumber(at, 6);
        for (BWPoint six : sixes) {
            clickCell(at += 10, six);
        }
    });
    script.at(kPlaying + 1000, [&] {
        EXPECT_TRUE(game().digitDone[5]);
        EXPECT_TRUE(heard(game().assets.doneSound));
        complete = captureFrame();
    });
    script.at(kPlaying + 1200, [&] {
        EXPECT_FALSE(heard(game().assets.doneSound)) << "once, not every frame";
        clickCell(kPlaying + 1210, sixes.back()); // takes one 6 away
    });
    script.at(kPlaying + 1300, [&] {
        EXPECT_FALSE(game().digitDone[5]);
        EXPECT_FALSE(heard(game().assets.doneSound));
        EXPECT_GT(differingPixels(captureFrame(), complete, sixSlot), 100) << "the done mark is gone";
        clickCell(kPlaying + 1310, sixes.back());
    });
    script.at(kPlaying + 1400, [&] { EXPECT_TRUE(heard(game().assets.doneSound)) << "complete again"; });
    runGame(kPlaying + 1500);
}

TEST_F(BoardTest, RightClickOnADigitChangesNothingAndStaysUndoableOnlyWhenTheSelectionMoved)
{
    script.at(kPlaying, [&] {
        e = emptyCell();
        chooseNumber(kPlaying + 10, 5);
        clickCell(kPlaying + 10, e);
        clickCell(kPlaying + 20, e, 2);
        script.at(kPlaying + 30, [&] {
            EXPECT_EQ(game().cell(e.x, e.y).digit, 5);
            EXPECT_EQ(game().cell(e.x, e.y).marks[4], 0);
            EXPECT_TRUE(heard(game().assets.pencilSound));
            EXPECT_EQ(game().undoList.size(), 1u);
        });
        script.click(kPlaying + 40, 400, 590); // nowhere: clears the selection
        clickCell(kPlaying + 50, e, 2);
        script.at(kPlaying + 60, [&] {
            EXPECT_EQ(game().cell(e.x, e.y).digit, 5);
            EXPECT_EQ(game().selected, e);
            EXPECT_EQ(game().undoList.size(), 2u);
        });
    });
    runGame(kPlaying + 1000);
}

TEST_F(BoardTest, TheEraserEmptiesTheCellAndItsMarksWithEitherButton)
{
    script.at(kPlaying, [&] {
        e = emptyCell();
        f = emptyCell(1);
        for (int32_t number : {1, 2}) {
            chooseNumber(kPlaying + 10 * number, number);
            clickCell(kPlaying + 10 * number, e, 2);
            clickCell(kPlaying + 10 * number, f, 2);
        }
        chooseNumber(kPlaying + 30, 3);
        clickCell(kPlaying + 30, e);
        script.at(kPlaying + 40, [&] {
            EXPECT_EQ(game().cell(e.x, e.y).digit, 3);
            EXPECT_EQ(game().cell(f.x, f.y).marks[1], 1);
        });
        pressKey(kPlaying + 50, 8); // Backspace chooses the eraser
        clickCell(kPlaying + 50, e);
        clickCell(kPlaying + 50, f, 2);
        script.at(kPlaying + 60, [&] {
            for (BWPoint erased : {e, f}) {
                const Cell& cell = game().cell(erased.x, erased.y);
                EXPECT_EQ(cell.digit, 0);
                EXPECT_EQ(std::count(std::begin(cell.marks), std::end(cell.marks), 0), 9);
            }
        });
    });
    runGame(kPlaying + 1000);
}

TEST_F(BoardTest, AGivenCellKeepsItsDigitAndTheSelection)
{
    script.at(kPlaying, [&] {
        e = emptyCell();
        f = findCell([](const Cell& cell, BWPoint) { return cell.given != 0; });
        clickCell(kPlaying + 10, e, 2);
        chooseNumber(kPlaying + 20, 0);
        clickCell(kPlaying + 20, f);
        script.at(kPlaying + 30, [&] {
            EXPECT_EQ(game().cell(f.x, f.y).digit, game().board.givens[static_cast<size_t>(cellIndex(f.x, f.y))]);
            EXPECT_EQ(game().selected, e);
            EXPECT_EQ(game().undoList.size(), 1u);
            EXPECT_FALSE(heard(game().assets.placeSound));
        });
    });
    runGame(kPlaying + 1000);
}

TEST_F(BoardTest, PencilModeSwapsTheButtonsAndTTogglesItSilently)
{
    script.at(kPlaying, [&] {
        e = emptyCell();
        f = emptyCell(1);
        script.click(kPlaying + 10, kPencilBoxLeft + 27, kPencilBoxTop + 27);
        script.at(kPlaying + 20, [&] {
            EXPECT_TRUE(game().pencilMode);
            EXPECT_TRUE(heard(game().assets.checkSound));
        });
        chooseNumber(kPlaying + 30, 4);
        clickCell(kPlaying + 30, e);
        clickCell(kPlaying + 30, f, 2);
        script.at(kPlaying + 40, [&] {
            EXPECT_EQ(game().cell(e.x, e.y).digit, 0);
            EXPECT_EQ(game().cell(e.x, e.y).marks[3], 1);
            EXPECT_EQ(game().cell(f.x, f.y).digit, 4);
        });
        pressKey(kPlaying + 50, 'T');
        clickCell(kPlaying + 50, e);
        script.at(kPlaying + 60, [&] {
            EXPECT_FALSE(game().pencilMode);
            EXPECT_FALSE(heard(game().assets.checkSound));
            EXPECT_EQ(game().cell(e.x, e.y).digit, 4);
        });
    });
    runGame(kPlaying + 1000);
}

TEST_F(BoardTest, ThePanelsEdgesChooseTheEraserAndNine)
{
    script.click(kPlaying, kPanelLeft + 10, 75);
    script.at(kPlaying + 10, [] {
        EXPECT_EQ(game().currentNumber, 0);
        EXPECT_TRUE(heard(game().assets.numberSound));
    });
    script.click(kPlaying + 20, kPanelLeft + 10, 575);
    script.at(kPlaying + 30, [] {
        EXPECT_EQ(game().currentNumber, 9);
        EXPECT_TRUE(heard(game().assets.numberSound));
    });
    pressKey(kPlaying + 40, 103); // keypad 7
    script.at(kPlaying + 50, [] {
        EXPECT_EQ(game().currentNumber, 7);
        EXPECT_FALSE(heard(game().assets.numberSound)) << "keys play no sound";
    });
    runGame(kPlaying + 1000);
}

TEST_F(BoardTest, ABorderPixelBelongsToTheCellOnItsLeftAndAbove)
{
    script.at(kPlaying, [&] {
        e = findCell([](const Cell& cell, BWPoint at) { return at.x == 0 && !cell.given; });
        f = findCell([](const Cell& cell, BWPoint at) { return at.y == 0 && at.x > 0 && !cell.given; });
        script.click(kPlaying + 10, kBoardLeft + kCell, kBoardTop + kCell * e.y + kCell / 2);
        script.at(kPlaying + 20, [&] {
            EXPECT_EQ(game().selected, e);
            EXPECT_EQ(game().cell(e.x, e.y).digit, 1);
        });
        script.click(kPlaying + 30, kBoardLeft + kCell * f.x + kCell / 2, kBoardTop + kCell);
        script.at(kPlaying + 40, [&] { EXPECT_EQ(game().cell(f.x, f.y).digit, 1); });
    });
    runGame(kPlaying + 1000);
}

TEST_F(BoardTest, UndoRestoresDigitMarksAndSelection)
{
    script.at(kPlaying, [&] {
        e = emptyCell();
        f = emptyCell(1);
        clickCell(kPlaying + 10, e, 2);
        chooseNumber(kPlaying + 20, 2);
        clickCell(kPlaying + 20, f);
        script.click(kPlaying + 30, 30, 340); // the undo button
        script.at(kPlaying + 40, [&] {
            EXPECT_EQ(game().cell(f.x, f.y).digit, 0);
            EXPECT_EQ(game().selected, e);
        });
        pressKey(kPlaying + 50, 'Z');
        pressKey(kPlaying + 60, 'Z'); // nothing left to undo
        script.at(kPlaying + 70, [&] {
            EXPECT_EQ(game().cell(e.x, e.y).marks[0], 0);
            EXPECT_EQ(game().selected, BWPoint(-1, -1));
            EXPECT_TRUE(game().undoList.empty());
        });
    });
    runGame(kPlaying + 1000);
}

TEST_F(BoardTest, AnUndoThatCompletesTheBoardWinsIt)
{
    script.at(kPlaying, [&] {
        // Every cell right, but not yet checked; then one wrong digit over a right one.
        for (Cell& cell : game().board.cells) {
            cell.digit = cell.solutionDigit;
        }
        e = emptyCell();
        chooseNumber(kPlaying + 10, game().cell(e.x, e.y).solutionDigit % 9 + 1);
        clickCell(kPlaying + 10, e);
        script.at(kPlaying + 20, [&] {
            EXPECT_EQ(game().state, Playing);
            EXPECT_EQ(game().cell(e.x, e.y).conflict, 1);
        });
        pressKey(kPlaying + 30, 'Z');
        script.at(kPlaying + 40, [&] {
            EXPECT_EQ(game().state, Menu);
            EXPECT_NE(game().winTime, 0.0f);
            EXPECT_TRUE(heard(game().assets.finishSound));
        });
    });
    runGame(kPlaying + 1000);
}

TEST_F(BoardTest, TheClockStandsStillWhilePausedAndRunsOnAfterwards)
{
    // The game started when Play was released, 1.1 s before kPlaying.
    pressKey(kPlaying, ' '); // the pause button, which has no dialog to wait on yet
    script.at(kPlaying + 10, [] {
        EXPECT_NEAR(game().elapsedSeconds(), 1.11f, 0.01f);
        EXPECT_EQ(game().pauseStart, 0.0f);
        game().pauseClock();
    });
    script.at(kPlaying + 30010, [] {
        EXPECT_NEAR(game().elapsedSeconds(), 1.11f, 0.01f);
        game().resumeClock();
    });
    script.at(kPlaying + 31010, [] { EXPECT_NEAR(game().elapsedSeconds(), 2.11f, 0.01f); });
    runGame(kPlaying + 31100);
}
