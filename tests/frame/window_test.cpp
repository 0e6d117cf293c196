// window_test.cpp: the real window: filling, full screen, activation, shutdown and start-up failure.
#include "frame/app.h"
#include "frame/display.h"
#include "frame/loop.h"
#include "platform/gl.h"
#include "platform/platform.h"
#include "tests/frame/recording_layer.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

namespace {

const BWColor kRed(0xffff0000u);
const BWColor kBlack(0xff000000u);

class FillLayer : public BWLayer {
public:
    explicit FillLayer(BWRect rect, BWColor color = kRed) : rect_(rect), color_(color) {}
    void onDraw() override
    {
        clearScreen();
        fillRect(color_, rect_);
    }

private:
    BWRect rect_;
    BWColor color_;
};

struct WindowTest : ::testing::Test {
    void SetUp() override { openTestWindow(15); }
    void TearDown() override { shutdown(); }
    ScriptedRun script;
};

} // namespace

TEST_F(WindowTest, FillsUseWindowPixelsWithYDownwardsBlendAndLeaveTheGLStateAsDrawingNeedsIt)
{
    {
        FillLayer whole(screenRect());
        Capture frame = captureFrame();
        saveCapture(frame, "fill_whole_window");
        ASSERT_EQ(frame.width, 800);
        ASSERT_EQ(frame.height, 600);
        EXPECT_TRUE(frame.regionIs(screenRect(), kRed));
    }
    {
        FillLayer part(BWRect(100, 50, 30, 20));
        Capture frame = captureFrame();
        EXPECT_TRUE(frame.regionIs(BWRect(100, 50, 30, 20), kRed));
        EXPECT_EQ(frame.countMatching(screenRect(), kRed), 30 * 20);
        EXPECT_TRUE(frame.regionIs(BWRect(0, 0, 800, 50), kBlack));
    }
    {
        FillLayer belowTheBottom(BWRect(0, 600, 800, 600));
        EXPECT_EQ(captureFrame().countMatching(screenRect(), kRed), 0);
    }
    FillLayer half(BWRect(0, 0, 400, 600), BWColor(0x80ff0000u)); // half-opaque red over black
    Capture frame = captureFrame();
    EXPECT_TRUE(frame.regionIs(BWRect(0, 0, 400, 600), BWColor(0xff800000u), 2));
    EXPECT_TRUE(frame.regionIs(BWRect(400, 0, 400, 600), kBlack));
    // Each fill leaves texturing and blending on and the colour white, opaque or not.
    for (BWColor color : {BWColor(0x80112233u), BWColor(0xff112233u)}) {
        glDisable(GL_TEXTURE_2D);
        glColor4f(0.5f, 0.5f, 0.5f, 0.5f);
        fillRect(color, BWRect(1, 1, 5, 5));
        EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D) && glIsEnabled(GL_BLEND));
        GLfloat colour[4] = {0, 0, 0, 0};
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_EQ(colour[0] + colour[1] + colour[2] + colour[3], 4.0f);
    }
}

TEST_F(WindowTest, FullScreenCanBeEnteredLeftAndEnteredAgain)
{
    FillLayer layer(screenRect());
    const int switches = platformFullscreenSwitchCount();
    enterFullscreen();
    enterFullscreen(); // already there: nothing changes
    EXPECT_TRUE(isFullscreen() && platformIsFullscreen() && platformWindowVisible());
    EXPECT_EQ(platformFullscreenSwitchCount(), switches + 1);
    leaveFullscreen();
    leaveFullscreen();
    EXPECT_FALSE(isFullscreen() || platformIsFullscreen());
    EXPECT_EQ(platformFullscreenSwitchCount(), switches + 2);
    // Back in the window, the picture fills the client area again.
    int32_t width = 0;
    int32_t height = 0;
    platformDrawableSize(width, height);
    EXPECT_EQ(width, 800);
    EXPECT_EQ(height, 600);
    EXPECT_TRUE(captureFrame().regionIs(screenRect(), kRed));
    enterFullscreen();
    EXPECT_TRUE(platformIsFullscreen());
    EXPECT_EQ(platformFullscreenSwitchCount(), switches + 3);
    suspendFullscreen();
    EXPECT_FALSE(isFullscreen());
    EXPECT_FALSE(platformWindowVisible());
}

TEST_F(WindowTest, LosingActivationInFullScreenMinimisesAndComingBackReentersIt)
{
    std::vector<std::string> journal;
    RecordingLayer layer(journal);
    script.at(10, [] { enterFullscreen(); });
    script.activate(20, false);
    script.at(30, [&] {
        EXPECT_FALSE(isFullscreen());
        // Still shown (minimised), so the player can bring it back.
        EXPECT_TRUE(platformWindowVisible());
        journal.push_back("left");
    });
    script.activate(40, true);
    script.at(50, [&] { EXPECT_TRUE(isFullscreen()); });
    script.close(60);
    run();
    EXPECT_EQ(journal, (std::vector<std::string>{"deactivate", "left", "activate", "canclose"}));
}

TEST_F(WindowTest, ShutdownResetsEveryGetterAndTheWindowCanBeMadeAgain)
{
    enterFullscreen();
    shutdown();
    EXPECT_EQ(screenRect(), BWRect());
    EXPECT_EQ(screenWidth(), 0);
    EXPECT_EQ(screenHeight(), 0);
    EXPECT_EQ(bitsPerPixel(), 0);
    EXPECT_EQ(frameRate(), 0);
    EXPECT_EQ(loopDepth(), 0);
    EXPECT_FALSE(isFullscreen() || hasWindow() || hasGLContext() || platformHasWindow());
    fillRect(kRed, BWRect(0, 0, 10, 10)); // without a context: nothing
    centreWindow();
    enterFullscreen();
    EXPECT_FALSE(isFullscreen());

    createWindow(BWString(""), 320, 240, 32, 30);
    EXPECT_EQ(screenRect(), BWRect(0, 0, 320, 240));
    EXPECT_EQ(appState().applicationName, defaultAppName());
    FillLayer layer(screenRect());
    Capture frame = captureFrame();
    EXPECT_EQ(frame.width, 320);
    EXPECT_TRUE(frame.regionIs(screenRect(), kRed));
}

TEST_F(WindowTest, CursorAndFrameRateCalls)
{
    EXPECT_TRUE(hideCursor());
    EXPECT_TRUE(hideCursor());
    EXPECT_FALSE(platformCursorVisible());
    EXPECT_TRUE(showCursor());
    EXPECT_TRUE(platformCursorVisible());
    setFrameRate(-1);
    EXPECT_EQ(frameRate(), 10000);
}

TEST(Display, FullScreenFitsAndCentresThePictureAndWindowsCentreInTheWorkArea)
{
    EXPECT_EQ(fitPicture(1920, 1080, 800, 600), BWRect(240, 0, 1440, 1080));
    EXPECT_EQ(fitPicture(800, 1000, 800, 600), BWRect(0, 200, 800, 600));
    EXPECT_EQ(fitPicture(0, 0, 800, 600), BWRect(0, 0, 800, 600));
    EXPECT_EQ(centredPosition(1280, 1000, 806, 629), BWPoint(237, 185));
    EXPECT_EQ(centredPosition(640, 480, 806, 629), BWPoint(-83, -74));
}

TEST(AppName, IsTheExecutablesFileNameWithoutFolderOrExtension)
{
    EXPECT_EQ(appNameFromPath("C:\\Games\\Puzzle.exe"), "Puzzle");
    EXPECT_EQ(appNameFromPath("/usr/games/pellix"), "pellix");
    EXPECT_EQ(appNameFromPath("/opt/a.b/run"), "run");
    EXPECT_EQ(appNameFromPath(nullptr), "");
    EXPECT_EQ(defaultAppName(), "test_frame");
}
