// gl_window.h: the drawing tests' real 800 x 600 window, cleared to black, and exact pixel checks.
#pragma once

#include "frame/app.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

class GLWindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        openTestWindow(15);
        clearScreen();
    }
    void TearDown() override
    {
        if (hasWindow()) {
            shutdown();
        }
    }
};

constexpr uint32_t kRed = 0xff0000;
constexpr uint32_t kGreen = 0x00ff00;
constexpr uint32_t kBlue = 0x0000ff;

// Red, green and blue of a captured pixel; the window's own alpha is not part of the picture.
inline uint32_t rgbAt(const Capture& frame, int32_t x, int32_t y)
{
    return frame.pixel(x, y) & 0xffffffu;
}

// Pixels of the rectangle whose colour is exactly rgb.
inline int32_t countExactly(const Capture& frame, uint32_t rgb, BWRect rect)
{
    return frame.countMatching(rect, BWColor(rgb), 0);
}
