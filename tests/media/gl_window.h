// gl_window.h: a real 800 x 600 window with its GL context (Mesa through SDL's offscreen
// driver) for drawing tests, and captures of what was drawn.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

// The back buffer as packed ARGB, addressed in window coordinates (y downwards).
struct FrameCapture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;  // top row first

    uint32_t at(int32_t x, int32_t y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
    // Red, green and blue only: the window's own alpha is not part of the picture.
    uint32_t rgb(int32_t x, int32_t y) const { return at(x, y) & 0xffffffu; }
    // Pixels in the rectangle whose colour is exactly rgb.
    int count(uint32_t rgb, int32_t x, int32_t y, int32_t w, int32_t h) const;
};

FrameCapture captureFrame();
// Writes the capture as a PNG named `name` into the folder PELLIX_CAPTURE_DIR names, for a
// person to look at; does nothing when it is not set.
void saveCapture(const FrameCapture& capture, const std::string& name);

// Creates the window before each test, clears it to black, and shuts it down afterwards.
class GLWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};
