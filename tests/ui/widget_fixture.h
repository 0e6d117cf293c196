// widget_fixture.h: the widget tests' scripted run in Resources/ over a recording screen layer.
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

constexpr uint32_t kScreenColour = 0xff203040u;

class ScreenLayer : public RecordingLayer {
public:
    explicit ScreenLayer(std::vector<std::string>& journal) : RecordingLayer(journal, "screen") {}
    std::function<void()> drawOnTop;
    int draws = 0;
    int ticks = 0;
    void onDraw() override
    {
        ++draws;
        fillRect(BWColor(kScreenColour), screenRect());
        if (drawOnTop) drawOnTop();
    }
    void onTick() override { ++ticks; }
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
        if (hasWindow()) shutdown();
        platformChangeDirectory(startDirectory_.c_str());
    }
    void tap(uint64_t ms, int32_t virtualKey, bool extended = false)
    {
        script.keyDown(ms, virtualKey, extended);
        script.keyUp(ms, virtualKey, extended);
    }
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
