// capture.cpp: reading frames back from GL, checking regions of them and writing them as PNG.
#include "tests/harness/harness.h"

#include "frame/loop.h"
#include "platform/gl.h"

#include <png.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

#ifndef GL_BGRA
#define GL_BGRA 0x80E1
#endif

uint32_t Capture::pixel(int32_t x, int32_t y) const
{
    if (x < 0 || y < 0 || x >= width || y >= height) {
        return 0;
    }
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(width) + static_cast<size_t>(x)];
}

int32_t Capture::countMatching(BWRect rect, BWColor color, int32_t tolerance) const
{
    int32_t count = 0;
    for (int32_t y = std::max(rect.y, 0); y < std::min(rect.bottom(), height); ++y) {
        for (int32_t x = std::max(rect.x, 0); x < std::min(rect.right(), width); ++x) {
            uint32_t found = pixel(x, y);
            bool close = true;
            for (int shift = 0; shift <= 16; shift += 8) {
                int32_t difference = static_cast<int32_t>((found >> shift) & 0xffu) -
                                     static_cast<int32_t>((color.value >> shift) & 0xffu);
                close = close && std::abs(difference) <= tolerance;
            }
            count += close ? 1 : 0;
        }
    }
    return count;
}

bool Capture::regionIs(BWRect rect, BWColor color, int32_t tolerance) const
{
    bool inside = rect.x >= 0 && rect.y >= 0 && rect.right() <= width && rect.bottom() <= height;
    return inside && countMatching(rect, color, tolerance) == rect.w * rect.h;
}

Capture captureFrame()
{
    drawFrame();
    return readFrame();
}

Capture readFrame()
{
    Capture capture;
    int32_t width = 0;
    int32_t height = 0;
    platformDrawableSize(width, height);
    if (width <= 0 || height <= 0) {
        return capture;
    }
    glFinish();
    std::vector<uint32_t> bottomUp(static_cast<size_t>(width) * static_cast<size_t>(height));
    glPixelStorei(GL_PACK_ALIGNMENT, 4);
    // BGRA bytes on a little-endian machine read as packed ARGB words.
    glReadPixels(0, 0, width, height, GL_BGRA, GL_UNSIGNED_BYTE, bottomUp.data());
    capture.width = width;
    capture.height = height;
    capture.pixels.resize(bottomUp.size());
    for (int32_t row = 0; row < height; ++row) {
        std::copy_n(bottomUp.begin() + static_cast<ptrdiff_t>(row) * width, width,
                    capture.pixels.begin() + static_cast<ptrdiff_t>(height - 1 - row) * width);
    }
    return capture;
}

bool writePng(const Capture& capture, const char* path)
{
    if (capture.pixels.empty()) {
        return false;
    }
    FILE* file = std::fopen(path, "wb");
    if (!file) {
        return false;
    }
    // The linked library's own version: libpng 1.6 refuses strings of older series.
    png_structp png = png_create_write_struct(png_get_libpng_ver(nullptr), nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    std::vector<png_byte> row(static_cast<size_t>(capture.width) * 3);
    bool written = false;
    if (info && setjmp(png_jmpbuf(png)) == 0) {
        png_init_io(png, file);
        png_set_IHDR(png, info, static_cast<png_uint_32>(capture.width), static_cast<png_uint_32>(capture.height),
                     8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
        png_write_info(png, info);
        for (int32_t y = 0; y < capture.height; ++y) {
            for (int32_t x = 0; x < capture.width; ++x) {
                uint32_t argb = capture.pixel(x, y);
                row[static_cast<size_t>(x) * 3 + 0] = static_cast<png_byte>(argb >> 16);
                row[static_cast<size_t>(x) * 3 + 1] = static_cast<png_byte>(argb >> 8);
                row[static_cast<size_t>(x) * 3 + 2] = static_cast<png_byte>(argb);
            }
            png_write_row(png, row.data());
        }
        png_write_end(png, nullptr);
        written = true;
    }
    png_destroy_write_struct(&png, info ? &info : nullptr);
    return std::fclose(file) == 0 && written;
}

std::string saveCapture(const Capture& capture, const char* name)
{
    std::filesystem::path folder = PELLIX_CAPTURE_DIRECTORY;
    std::error_code ignored;
    std::filesystem::create_directories(folder, ignored);
    std::string path = (folder / (std::string(name) + ".png")).string();
    return writePng(capture, path.c_str()) ? path : std::string();
}
