// still_frames_test.cpp: a frame that draws what the window already shows reaches neither GL
// nor the screen; any change is drawn where it changed, and anything that may have spoiled the
// window is drawn whole.
#include "frame/app.h"
#include "frame/display.h"
#include "frame/loop.h"
#include "frame/window_proc.h"
#include "gl_window.h"
#include "media/font.h"
#include "media/image.h"
#include "platform/gl.h"
#include "test_files.h"
#include "ui/layer.h"

#include <functional>
#include <tuple>

namespace {

const BWColor kMagenta(0xffff00ffu);

// A block of one colour, through the decoded-block byte order.
bool fillImage(BWImage& image, int32_t width, int32_t height, uint32_t argb)
{
    std::vector<uint8_t> bytes;
    for (int32_t pixel = 0; pixel < width * height; ++pixel) {
        bytes.insert(bytes.end(), {uint8_t(argb >> 24), uint8_t(argb >> 16), uint8_t(argb >> 8), uint8_t(argb)});
    }
    return image.create(bytes.data(), width, height);
}

// Something of every kind of drawing: fills, a picture in the full draw, bitmap and system text.
struct Scene : BWLayer {
    BWColor fill{0xff204060u};
    BWRect fillAt{100, 100, 50, 40};
    BWImage picture;
    BWDrawParams pictureDraw;
    BWFont bitmapFont;
    BWFont systemFont;
    BWString text{"ab"};
    BWPoint textAt{300, 300};
    int32_t ticks = 0;

    void onDraw() override
    {
        clearScreen();
        fillRect(fill, fillAt);
        picture.draw(pictureDraw);
        bitmapFont.draw(textAt.x, textAt.y, text);
        systemFont.draw(textAt.x, textAt.y + 40, text);
    }
    void onTick() override { ++ticks; }
};

class StillFrames : public GLWindowTest {
protected:
    void SetUp() override
    {
        GLWindowTest::SetUp();
        ASSERT_TRUE(fillImage(scene.picture, 32, 32, 0xff00ff00u));
        scene.pictureDraw.source = scene.picture.bounds();
        scene.pictureDraw.destination = BWRect(400, 100, 32, 32);
        writeBytes(dir.path("font.fnt"), fntBytes(fontWithGlyphs("abc", {3, 5, 4}, 4, {0xffff0000u, 0xff00ff00u, 0xff0000ffu})));
        ASSERT_TRUE(scene.bitmapFont.load(BWString("%s", dir.path("font.fnt").c_str())));
        scene.systemFont.createSystem(BWString("DejaVu Sans"), 12, BWColor(0xffffffffu));
        showWindow();
    }

    // Presents, then marks the whole drawable magenta behind the frame's back: what a later
    // frame leaves of the mark shows whether it drew.
    void presentAndMark()
    {
        present();
        glClearColor(1.0f, 0.0f, 1.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    bool drewNothingSinceTheMark() { return readFrame().regionIs(screenRect(), kMagenta, 0); }
    // Pixels of the mark left anywhere in the drawable.
    static int32_t markLeft()
    {
        const Capture shown = readFrame();
        return shown.countMatching(BWRect(0, 0, shown.width, shown.height), kMagenta, 0);
    }

    TempDir dir;
    Scene scene;
};

TEST_F(StillFrames, AnUnchangedFrameIssuesNoDrawingAndNoSwap)
{
    present();
    const int64_t presented = framesPresented();
    presentAndMark();
    present();
    present();
    EXPECT_EQ(framesPresented(), presented);
    EXPECT_TRUE(drewNothingSinceTheMark());
}

TEST_F(StillFrames, AChangeInAnyOneCommandIsPresented)
{
    const std::vector<std::pair<const char*, std::function<void()>>> changes = {
        {"fill colour", [&] { scene.fill = BWColor(0xff204061u); }},
        {"fill position", [&] { scene.fillAt.x += 1; }},
        {"picture position", [&] { scene.pictureDraw.destination.y += 1; }},
        {"picture source", [&] { scene.pictureDraw.source.w -= 1; }},
        {"picture opacity", [&] { scene.pictureDraw.alpha = 0.5f; }},
        {"picture turned", [&] { scene.pictureDraw.rotationZ = 90; }},
        {"the same picture object given new pixels", [&] { fillImage(scene.picture, 32, 32, 0xff0000ffu); }},
        {"text", [&] { scene.text = BWString("ac"); }},
        {"text position", [&] { scene.textAt.y += 1; }},
        {"system font colour", [&] { scene.systemFont.createSystem(BWString("DejaVu Sans"), 12, BWColor(0xffff0000u)); }},
    };
    for (const auto& [name, change] : changes) {
        present();
        const int64_t presented = framesPresented();
        change();
        present();
        EXPECT_EQ(framesPresented(), presented + 1) << name;
        EXPECT_TRUE(readFrame().pixels == captureFrame().pixels) << name;
    }
}

// Behind the mark, a changed frame is drawn only over what its changed commands reach, old
// place and new, grown by two pixels for smoothing; a turned picture reaches the square its
// corners sweep.
TEST_F(StillFrames, AChangeIsDrawnOnlyWhereItsCommandsReach)
{
    const std::vector<std::tuple<const char*, std::function<void()>, BWRect>> changes = {
        {"fill colour", [&] { scene.fill = BWColor(0xff306080u); }, BWRect(98, 98, 54, 44)},
        {"fill moved", [&] { scene.fillAt.x += 10; }, BWRect(98, 98, 64, 44)},
        {"picture turned", [&] { scene.pictureDraw.rotationZ = 45; }, BWRect(390, 90, 52, 52)},
    };
    for (const auto& [name, change, reach] : changes) {
        presentAndMark();
        change();
        present();
        const Capture shown = readFrame();
        const int32_t all = shown.width * shown.height;
        EXPECT_EQ(markLeft(), all - reach.w * reach.h) << name;
        EXPECT_EQ(shown.countMatching(reach, kMagenta, 0), 0) << name;
    }
}

TEST_F(StillFrames, AWindowThatMayHaveLostItsPictureIsDrawnAgain)
{
    const std::vector<std::pair<const char*, std::function<void()>>> spoilers = {
        {"exposed", [] { windowProcedure(PlatformMessage{PlatformMessageKind::Paint}); }},
        {"moved", [] { windowProcedure(PlatformMessage{PlatformMessageKind::Move}); }},
        {"display changed", [] { windowProcedure(PlatformMessage{PlatformMessageKind::DisplayChange}); }},
        {"resized", [] {
             platformSetWindowSize(1000, 750);
             present();
         }},
        {"hidden and shown again", [] {
             hideWindow();
             present();
             showWindow();
             present();
         }},
        {"band colour", [] {
             setBandColor(BWColor(0xff102030u));
             present();
         }},
    };
    for (const auto& [name, spoil] : spoilers) {
        presentAndMark();
        const int64_t partial = partialFramesPresented();
        spoil();
        EXPECT_EQ(markLeft(), 0) << name << ": drawn whole";
        EXPECT_EQ(partialFramesPresented(), partial) << name;
        EXPECT_TRUE(readFrame().pixels == captureFrame().pixels) << name;
    }
    presentAndMark();
    EXPECT_FALSE(captureFrame().regionIs(screenRect(), kMagenta, 0)) << "a capture always draws";
}

TEST_F(StillFrames, AHiddenWindowDrawsNothingWhileTheTicksGoOn)
{
    ScriptedRun script;
    int64_t presentedWhileHidden = -1;
    script.at(100, [] { hideWindow(); });
    script.at(200, [&] {
        presentAndMark();
        presentedWhileHidden = framesPresented();
        scene.ticks = 0;
    });
    script.at(1200, [&] {
        EXPECT_EQ(framesPresented(), presentedWhileHidden);
        EXPECT_TRUE(drewNothingSinceTheMark());
        EXPECT_NEAR(scene.ticks, 15, 1);
        showWindow();
    });
    script.at(1300, [&] {
        EXPECT_EQ(framesPresented(), presentedWhileHidden + 1);
        EXPECT_TRUE(readFrame().pixels == captureFrame().pixels);
    });
    script.close(1400);
    run();
}

// A picture freed in the middle of a frame (a layer drawing a picture of its own making) leaves
// the frame; the replay never reaches its freed memory.
TEST_F(StillFrames, APictureFreedWhileItsFrameIsRecordedIsLeftOut)
{
    struct Passing : BWLayer {
        void onDraw() override
        {
            BWImage passing;
            fillImage(passing, 16, 16, 0xffffffffu);
            passing.draw(0, 0);
        }
    } passing;
    present();
    EXPECT_TRUE(readFrame().regionIs(BWRect(0, 0, 16, 16), BWColor(0xff000000u), 0));
}

} // namespace
