// window_shot.cpp: what an X window shows, read from the X server as a player's screen holds it:
// saved as a PNG picture, and a fingerprint of each rectangle asked for, one line each, so that
// a shell script can tell whether a part of the screen changed.
// Usage: pellix-window-shot <window id> <picture.png> [x y width height]...
#include "tests/harness/harness.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstdlib>

namespace {

// FNV-1a over the rectangle's pixels: equal pictures give equal lines.
uint64_t fingerprint(const Capture& shot, BWRect rect)
{
    uint64_t hash = 14695981039346656037ull;
    for (int32_t y = rect.y; y < rect.y + rect.h; ++y) {
        for (int32_t x = rect.x; x < rect.x + rect.w; ++x) {
            hash = (hash ^ shot.pixel(x, y)) * 1099511628211ull;
        }
    }
    return hash;
}

bool readWindow(const char* windowId, Capture& shot)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        return false;
    }
    const Window window = std::strtoul(windowId, nullptr, 0);
    XWindowAttributes attributes;
    XImage* image = nullptr;
    if (XGetWindowAttributes(display, window, &attributes)) {
        image = XGetImage(display, window, 0, 0, static_cast<unsigned>(attributes.width),
                          static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    }
    if (image) {
        shot.width = attributes.width;
        shot.height = attributes.height;
        shot.pixels.resize(static_cast<size_t>(shot.width) * static_cast<size_t>(shot.height));
        for (int32_t y = 0; y < shot.height; ++y) {
            for (int32_t x = 0; x < shot.width; ++x) {
                shot.pixels[static_cast<size_t>(y) * static_cast<size_t>(shot.width) + static_cast<size_t>(x)] =
                    0xff000000u | static_cast<uint32_t>(XGetPixel(image, x, y) & 0xffffffu);
            }
        }
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return image != nullptr;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || (argc - 3) % 4 != 0) {
        std::fprintf(stderr, "usage: %s <window id> <picture.png> [x y width height]...\n", argv[0]);
        return 2;
    }
    Capture shot;
    if (!readWindow(argv[1], shot) || !writePng(shot, argv[2])) {
        std::fprintf(stderr, "%s: cannot read window %s into %s\n", argv[0], argv[1], argv[2]);
        return 1;
    }
    for (int arg = 3; arg < argc; arg += 4) {
        const BWRect rect(std::atoi(argv[arg]), std::atoi(argv[arg + 1]), std::atoi(argv[arg + 2]),
                          std::atoi(argv[arg + 3]));
        std::printf("%016llx\n", static_cast<unsigned long long>(fingerprint(shot, rect)));
    }
    return 0;
}
