// damaged_frames_test.cpp: a frame drawn only where it changed shows, pixel for pixel, what a
// full redraw of the same frame shows, through a game's clock, hovers, digits, dialogs and a
// resize, at 1x and 2x; a second of the clock draws nothing but the clock.
#include "tests/e2e/game_run.h"

#include "frame/app.h"
#include "frame/display.h"
#include "frame/loop.h"
#include "game/window_record.h"
#include "platform/gl.h"

namespace {

const BWColor kMagenta(0xffff00ffu);
const BWPoint kPlay(200, 285);

struct DamagedFramesTest : GameRun {
    double scale = 1.0;

    // The next start opens the window at this size (the off-screen driver keeps it there).
    void openAt(int32_t width, int32_t height)
    {
        ASSERT_TRUE(saveWindowPlacement(WindowPlacement{width, height, false}));
        scale = width / 800.0;
    }
    BWPoint scaled(BWPoint logical) const { return BWPoint(int32_t(logical.x * scale), int32_t(logical.y * scale)); }
    void clickLogical(uint64_t ms, BWPoint logical)
    {
        const BWPoint at = scaled(logical);
        script.click(ms, at.x, at.y);
    }
    void moveLogical(uint64_t ms, BWPoint logical)
    {
        const BWPoint at = scaled(logical);
        script.mouseMove(ms, at.x, at.y);
    }

    // Shows whatever changed, then compares what the drawable holds with a full redraw.
    static void expectShownAsDrawnWhole(const char* step)
    {
        present();
        const Capture shown = readFrame();
        EXPECT_GT(shown.width, 0) << step;
        EXPECT_TRUE(shown.pixels == captureFrame().pixels) << step;
    }

    // A series of changes, each shown by the loop only where it changed, then checked.
    void playTheSeries()
    {
        clickLogical(kMenuShown, kPlay);
        moveLogical(kMenuShown + 50, BWPoint(790, 590)); // off every button
        const uint64_t t = kPlaying;
        int64_t partialAtStart = 0;
        BWPoint cell;
        script.at(t, [&] {
            ASSERT_EQ(game().state, GameState::Playing);
            partialAtStart = partialFramesPresented();
            cell = emptyCell();
        });
        script.at(t + 3050, [&] {
            EXPECT_GE(partialFramesPresented() - partialAtStart, 3) << "three seconds of the clock";
            expectShownAsDrawnWhole("the clock");
        });
        moveLogical(t + 3100, inside(kPauseButton));
        moveLogical(t + 3200, inside(kUndoButton));
        script.at(t + 3300, [] { expectShownAsDrawnWhole("hovers"); });
        script.keyDown(t + 3400, '5');
        script.keyUp(t + 3410, '5');
        script.at(t + 3450, [&] {
            clickLogical(t + 3500, BWPoint(kBoardLeft + kCellSize * cell.x + kCellSize / 2,
                                           kBoardTop + kCellSize * cell.y + kCellSize / 2));
        });
        script.at(t + 3700, [&] {
            EXPECT_EQ(game().cell(cell.x, cell.y).digit, 5);
            expectShownAsDrawnWhole("a digit placed");
        });
        clickLogical(t + 3800, inside(kPauseButton));
        script.at(t + 4000, [] {
            EXPECT_TRUE(dialogUp());
            expectShownAsDrawnWhole("a dialog opened");
        });
        clickLogical(t + 4100, inside(kMiddleButton));
        script.at(t + 4600, [] {
            EXPECT_FALSE(dialogUp());
            expectShownAsDrawnWhole("the dialog closed");
        });
        script.at(t + 4700, [&] { platformSetWindowSize(int32_t(1000 * scale), int32_t(750 * scale)); });
        script.at(t + 4800, [] { expectShownAsDrawnWhole("resized"); });
        script.at(t + 7050, [&] {
            expectShownAsDrawnWhole("the clock in the resized window");
            EXPECT_GE(partialFramesPresented() - partialAtStart, 8);
        });
        runGame(t + 7200);
    }
};

} // namespace

TEST_F(DamagedFramesTest, AtOneTimesWhatIsShownIsWhatAFullRedrawShows)
{
    playTheSeries();
}

TEST_F(DamagedFramesTest, AtTwoTimesWhatIsShownIsWhatAFullRedrawShows)
{
    openAt(1600, 1200);
    playTheSeries();
}

// The drawable is marked magenta behind the frame's back: what the next second of the clock
// leaves of the mark shows which pixels its drawing could touch.
TEST_F(DamagedFramesTest, ASecondOfTheClockTouchesOnlyTheClocksPixels)
{
    openAt(1600, 1200);
    clickLogical(kMenuShown, kPlay);
    moveLogical(kMenuShown + 50, BWPoint(790, 590));
    const uint64_t t = kPlaying + 500;
    BWRect clock;
    int64_t partial = 0;
    script.at(t, [&] {
        ASSERT_EQ(game().state, GameState::Playing);
        present();
        glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        const BWFont& font = game().assets.mainFont;
        const BWString text("00:00:00");
        clock = drawableArea(BWRect(kClockLeft, kClockTop, font.textWidth(text), font.textHeight(text)));
        partial = partialFramesPresented();
    });
    script.at(t + 1000, [&] {
        EXPECT_EQ(partialFramesPresented(), partial + 1) << "one second, one frame drawn in part";
        const Capture shown = readFrame();
        const int32_t all = shown.width * shown.height;
        const int32_t markedInClock = shown.countMatching(clock, kMagenta, 0);
        const int32_t touched = all - shown.countMatching(BWRect(0, 0, shown.width, shown.height), kMagenta, 0);
        EXPECT_GT(touched, 0);
        EXPECT_EQ(touched, clock.w * clock.h - markedInClock) << "every touched pixel lies in the clock";
        EXPECT_LT(touched, all / 100);
    });
    runGame(t + 1100);
}
