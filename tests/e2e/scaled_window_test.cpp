// scaled_window_test.cpp: the whole game in a window larger than its 800 x 600 picture: drawn
// from the sharper art, and clicks landing where the scaled picture shows their targets.
#include "tests/e2e/game_run.h"

#include "frame/display.h"
#include "game/window_record.h"
#include "media/art_scale.h"
#include "media/png_decode.h"

#include <cstdlib>

namespace {

// The pencil-mode check box's middle, in logical pixels.
const BWPoint kPencilBox(kPencilBoxLeft + 14, kPencilBoxTop + 14);
const BWPoint kPlay(200, 285);

// How many pixels of the capture's region differ by more than a little in some channel from
// the same region of a picture of the 2x set, both in drawable pixels.
int32_t pixelsUnlikeThePicture(const Capture& frame, const char* picture, BWRect region)
{
    int32_t width = 0;
    int32_t height = 0;
    std::unique_ptr<uint8_t[]> argb = decodePng(scaledFileName(BWString("%s", picture), 2), &width, &height);
    EXPECT_TRUE(argb) << picture;
    if (!argb || region.right() > width || region.bottom() > height) {
        return region.w * region.h;
    }
    int32_t unlike = 0;
    for (int32_t y = region.y; y < region.bottom(); ++y) {
        for (int32_t x = region.x; x < region.right(); ++x) {
            const uint8_t* expected = &argb[(size_t(y) * width + x) * 4];
            const uint32_t got = frame.pixel(x, y);
            for (int channel = 1; channel < 4; ++channel) {
                const int shown = int(got >> (8 * (3 - channel))) & 0xff;
                if (std::abs(shown - expected[channel]) > 6) {
                    ++unlike;
                    break;
                }
            }
        }
    }
    return unlike;
}

struct ScaledWindowTest : GameRun {
    // The next start opens the window at this size (the off-screen driver keeps it there).
    void openAt(int32_t width, int32_t height) { ASSERT_TRUE(saveWindowPlacement(WindowPlacement{width, height, false})); }
    // A click at a logical point times the scale, as a player's pointer on the larger window.
    void clickScaled(uint64_t ms, BWPoint logical, double scale)
    {
        script.click(ms, int32_t(logical.x * scale), int32_t(logical.y * scale));
    }
};

} // namespace

TEST_F(ScaledWindowTest, AtTwiceTheSizeTheTwoTimesArtIsDrawnAndClicksActAsAtOneTimes)
{
    openAt(1600, 1200);
    BWPoint cell;
    script.at(kMenuShown - 10, [] {
        EXPECT_EQ(shownPicture(), BWRect(0, 0, 1600, 1200));
        EXPECT_EQ(artScale(), 2);
        EXPECT_EQ(game().assets.menuBackground.scale(), 2);
        EXPECT_EQ(game().assets.menuBackground.width(), 800) << "images keep their logical size";
        const Capture menu = captureFrame();
        saveCapture(menu, "scaled_menu_1600x1200");
        ASSERT_EQ(menu.width, 1600);
        // The title and logo, which nothing covers, are the 2x picture's own pixels.
        const BWRect title(360, 80, 880, 260);
        EXPECT_LT(pixelsUnlikeThePicture(menu, "menu_background.png", title), title.w * title.h / 100);
    });
    clickScaled(kMenuShown, kPlay, 2.0);
    script.at(kPlaying, [&] {
        ASSERT_EQ(game().state, GameState::Playing);
        const Capture board = captureFrame();
        saveCapture(board, "scaled_board_1600x1200");
        const BWRect corner(20, 20, 280, 280);
        EXPECT_LT(pixelsUnlikeThePicture(board, "game_background.png", corner), corner.w * corner.h / 100);
        cell = emptyCell();
        script.keyDown(kPlaying + 1, '5');
        clickScaled(kPlaying + 2, BWPoint(kBoardLeft + kCellSize * cell.x + kCellSize / 2, kBoardTop + kCellSize * cell.y + kCellSize / 2), 2.0);
        clickScaled(kPlaying + 3, kPencilBox, 2.0);
    });
    script.at(kPlaying + 50, [&] {
        EXPECT_EQ(game().cell(cell.x, cell.y).digit, 5);
        EXPECT_TRUE(game().pencilMode);
    });
    runGame(kPlaying + 100);
    EXPECT_EQ(loadWindowPlacement().width, 1600) << "the size is remembered for the next start";
}

TEST_F(ScaledWindowTest, AtAFractionalSizeTheNearestLargerSetIsDrawnSmoothly)
{
    openAt(1000, 750);
    script.at(kMenuShown - 10, [] {
        EXPECT_EQ(shownPicture(), BWRect(0, 0, 1000, 750));
        EXPECT_EQ(artScale(), 2);
        EXPECT_EQ(game().assets.menuBackground.scale(), 2);
        saveCapture(captureFrame(), "scaled_menu_1000x750");
    });
    clickScaled(kMenuShown, kPlay, 1.25);
    script.at(kPlaying, [] { EXPECT_EQ(game().state, GameState::Playing); });
    runGame(kPlaying + 100);
}
