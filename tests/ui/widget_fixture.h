// widget_fixture.h: what the widget tests share: a scripted run with the game's Resources as
// the current directory, small solid-colour test pictures, and a screen layer beneath the
// widgets that paints the window, counts its frames and writes down the input it hears.
#pragma once

#include "frame/app.h"
#include "platform/platform.h"
#include "tests/frame/recording_layer.h"
#include "tests/harness/harness.h"
#include "tests/media/test_files.h"

#include <gtest/gtest.h>

#include <string>
#include <unistd.h>
#include <vector>

// Virtual keys as the window messages carry them; the arrows, Home, End and Delete come with
// the extended flag.
namespace vk {
constexpr int32_t backspace = 8;
constexpr int32_t tab = 9;
constexpr int32_t enter = 13;
constexpr int32_t shift = 16;
constexpr int32_t control = 17;
constexpr int32_t escape = 27;
constexpr int32_t end = 35;
constexpr int32_t home = 36;
constexpr int32_t left = 37;
constexpr int32_t up = 38;
constexpr int32_t right = 39;
constexpr int32_t down = 40;
constexpr int32_t del = 46;
constexpr int32_t a = 65;
constexpr int32_t c = 67;
constexpr int32_t v = 86;
constexpr int32_t x = 88;
} // namespace vk

constexpr uint32_t screenColour = 0xff203040u;

// The bottom layer of a test: the game screen under the widgets.
class ScreenLayer : public RecordingLayer {
public:
    explicit ScreenLayer(std::vector<std::string>& journal) : RecordingLayer(journal, "screen") {}
    int draws = 0;
    int ticks = 0;
    void onDraw() override
    {
        ++draws;
        fillRect(BWColor(screenColour), screenRect());
    }
    void onTick() override
    {
        ++ticks;
        RecordingLayer::onTick();
    }
};

class WidgetTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        char* current = getcwd(nullptr, 0);
        startDirectory_ = current ? current : "";
        free(current);
        ASSERT_TRUE(platformChangeDirectory(PELLIX_RESOURCES_DIR));
    }
    void TearDown() override
    {
        if (hasWindow()) {
            shutdown();
        }
        platformChangeDirectory(startDirectory_.c_str());
    }

    // A w x h picture of one colour in the temporary directory; returns its full path.
    std::string solidPicture(const char* name, int w, int h, uint32_t argb)
    {
        std::string path = files.path(name);
        writeArgbPng(path, w, h, std::vector<uint32_t>(static_cast<size_t>(w * h), argb));
        return path;
    }
    // A key pressed and released at the same moment, as a quick tap.
    void tap(uint64_t ms, int32_t virtualKey, bool extended = false)
    {
        script.keyDown(ms, virtualKey, extended);
        script.keyUp(ms, virtualKey, extended);
    }
    // The key tapped while the modifier is held.
    void tapWith(uint64_t ms, int32_t modifier, int32_t virtualKey, bool extended = false)
    {
        script.keyDown(ms, modifier);
        tap(ms, virtualKey, extended);
        script.keyUp(ms, modifier);
    }

    ScriptedRun script;
    TempDir files;
    std::vector<std::string> journal;

private:
    std::string startDirectory_;
};
