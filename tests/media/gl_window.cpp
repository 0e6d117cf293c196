// gl_window.cpp: the drawing tests' window and the read-back of its pixels.
#include "gl_window.h"

#include "frame/app.h"
#include "test_files.h"

#include <GL/gl.h>

#include <cstdlib>

int FrameCapture::count(uint32_t colour, int32_t x, int32_t y, int32_t w, int32_t h) const
{
    int found = 0;
    for (int32_t row = y; row < y + h; ++row) {
        for (int32_t column = x; column < x + w; ++column) {
            found += rgb(column, row) == colour;
        }
    }
    return found;
}

FrameCapture captureFrame()
{
    FrameCapture capture;
    capture.width = screenWidth();
    capture.height = screenHeight();
    std::vector<uint32_t> bottomUp(size_t(capture.width) * size_t(capture.height));
    glFinish();
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    glReadPixels(0, 0, capture.width, capture.height, GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV,
                 bottomUp.data());
    capture.pixels.resize(bottomUp.size());
    for (int32_t row = 0; row < capture.height; ++row) {
        std::copy_n(bottomUp.begin() + ptrdiff_t(row) * capture.width, capture.width,
                    capture.pixels.begin() + ptrdiff_t(capture.height - 1 - row) * capture.width);
    }
    return capture;
}

void saveCapture(const FrameCapture& capture, const std::string& name)
{
    const char* folder = std::getenv("PELLIX_CAPTURE_DIR");
    if (!folder) {
        return;
    }
    std::string path = std::string(folder) + "/" + name;
    std::vector<uint32_t> opaque = capture.pixels;
    for (uint32_t& pixel : opaque) {
        pixel |= 0xff000000u;
    }
    writeArgbPng(path, capture.width, capture.height, opaque);
}

void GLWindowTest::SetUp()
{
    setenv("SDL_VIDEODRIVER", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    createWindow(BWString("PellixMediaTest"), 800, 600, 32, 15);
    clearScreen();
}

void GLWindowTest::TearDown()
{
    if (hasWindow()) {
        shutdown();
    }
}
