// presentation_test.cpp: the 800 x 600 picture fitted into windows of any size, bands beside
// it, and pointer positions mapped back to picture pixels.
#include "frame/app.h"
#include "frame/display.h"
#include "frame/loop.h"
#include "platform/platform.h"
#include "tests/frame/recording_layer.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

namespace {

struct PresentationTest : ::testing::Test {
    void SetUp() override { openTestWindow(15); }
    void TearDown() override { shutdown(); }

    // Gives the window a client size and lays the next frame out for it.
    static void resize(int32_t width, int32_t height)
    {
        platformSetWindowSize(width, height);
        preparePresentation();
    }
    ScriptedRun script;
};

} // namespace

TEST_F(PresentationTest, ThePictureFillsTheLargestCentredRectangleAndPointersMapBack)
{
    struct Case {
        int32_t width, height;
        BWRect shown;
        BWPoint drawable, picture;
    };
    const Case cases[] = {
        {800, 600, BWRect(0, 0, 800, 600), BWPoint(123, 456), BWPoint(123, 456)},
        {1600, 1200, BWRect(0, 0, 1600, 1200), BWPoint(801, 601), BWPoint(400, 300)},
        {1600, 1200, BWRect(0, 0, 1600, 1200), BWPoint(1599, 1199), BWPoint(799, 599)},
        {1000, 750, BWRect(0, 0, 1000, 750), BWPoint(500, 375), BWPoint(400, 300)},
        {1920, 1080, BWRect(240, 0, 1440, 1080), BWPoint(240 + 720, 540), BWPoint(400, 300)},
        {800, 1000, BWRect(0, 200, 800, 600), BWPoint(10, 210), BWPoint(10, 10)},
        {400, 300, BWRect(0, 0, 400, 300), BWPoint(399, 299), BWPoint(798, 598)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + " x " + std::to_string(c.height));
        resize(c.width, c.height);
        EXPECT_EQ(shownPicture(), c.shown);
        EXPECT_TRUE(onPicture(c.drawable.x, c.drawable.y));
        EXPECT_EQ(pictureFromDrawable(c.drawable.x, c.drawable.y), c.picture);
        // Placing the pointer at a picture pixel lands on a drawable pixel that maps back to it.
        const BWPoint placed = drawableFromPicture(c.picture.x, c.picture.y);
        EXPECT_EQ(pictureFromDrawable(placed.x, placed.y), c.picture);
    }
    // The bands: left and right of a wide window, above and below a tall one.
    resize(1920, 1080);
    EXPECT_FALSE(onPicture(239, 500));
    EXPECT_LT(pictureFromDrawable(239, 500).x, 0);
    EXPECT_FALSE(onPicture(1680, 500));
    EXPECT_GE(pictureFromDrawable(1680, 500).x, 800);
    EXPECT_TRUE(onPicture(240, 0) && onPicture(1679, 1079));
    resize(800, 1000);
    EXPECT_FALSE(onPicture(400, 199));
    EXPECT_FALSE(onPicture(400, 800));
    EXPECT_NEAR(presentationScale(), 1.0, 1e-9);
    resize(1000, 750);
    EXPECT_NEAR(presentationScale(), 1.25, 1e-9);
}

TEST_F(PresentationTest, PressesInTheBandsHitNothingAndAHeldPressIsReleasedAnywhere)
{
    std::vector<std::string> journal;
    RecordingLayer layer(journal);
    resize(1920, 1080);
    script.mouseDown(10, 100, 500);     // left band
    script.mouseUp(20, 100, 500);
    script.wheel(30, 1800, 500, 120);   // right band
    script.mouseDown(40, 960, 540);     // the middle of the picture
    script.mouseUp(50, 100, 500);       // released in the band: the layer still hears of it
    script.mouseMove(60, 1200, 1079);
    script.close(100);
    run();
    const std::vector<std::string> expected = {"down 1 @400,300", "up 1 @-78,277", "move @533,599", "canclose"};
    EXPECT_EQ(journal, expected);
}

TEST_F(PresentationTest, TheWindowKeepsAMinimumAndReportsItsPlacement)
{
    platformSetWindowSize(1234, 777);
    WindowPlacement placement = windowPlacement();
    EXPECT_EQ(placement.width, 1234);
    EXPECT_EQ(placement.height, 777);
    EXPECT_FALSE(placement.maximised);
    shutdown();
    // A remembered size opens again; one below half the picture is raised to the minimum.
    requestWindowPlacement(WindowPlacement{1000, 750, false});
    openTestWindow(15);
    EXPECT_EQ(windowPlacement().width, 1000);
    EXPECT_EQ(windowPlacement().height, 750);
    shutdown();
    requestWindowPlacement(WindowPlacement{100, 80, false});
    openTestWindow(15);
    EXPECT_EQ(windowPlacement().width, 400);
    EXPECT_EQ(windowPlacement().height, 300);
    requestWindowPlacement(WindowPlacement{});
}
