// app.cpp: the frame's state and getters, and the creation and destruction of the window.
#include "frame/app.h"

#include "frame/display.h"
#include "frame/draw_list.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

BWApp app;
WindowPlacement requestedPlacement;

// The picture's size times the desktop's scale, in steps of a half down to 1 until the window
// fits the work area.
WindowPlacement defaultPlacement(int32_t width, int32_t height)
{
    const PlatformRect work = platformWorkArea();
    for (float scale = platformDesktopScale(); scale > 1.0f; scale -= 0.5f) {
        WindowPlacement scaled{int32_t(width * scale), int32_t(height * scale), false};
        if (work.w <= 0 || (scaled.width <= work.w && scaled.height <= work.h)) {
            return scaled;
        }
    }
    return WindowPlacement{width, height, false};
}

} // namespace

BWApp& appState()
{
    return app;
}

BWRect screenRect() { return app.screenRect; }
int32_t screenWidth() { return app.screenRect.w; }
int32_t screenHeight() { return app.screenRect.h; }
int32_t bitsPerPixel() { return app.bitsPerPixel; }
int32_t frameRate() { return app.frameRate; }
int32_t loopDepth() { return app.loopDepth; }
bool isFullscreen() { return app.fullscreen; }
bool isInactive() { return app.inactive; }
bool hasWindow() { return app.window; }
bool hasGLContext() { return app.glContext; }
int64_t framesPresented() { return app.framesPresented; }
int64_t partialFramesPresented() { return app.partialFramesPresented; }

void setFrameRate(int32_t framesPerSecond)
{
    app.frameRate = framesPerSecond < 0 ? 10000 : framesPerSecond;
}

BWString appNameFromPath(const char* path)
{
    if (!path) {
        return BWString("");
    }
    const char* base = path;
    for (const char* at = path; *at; ++at) {
        if (*at == '/' || *at == '\\') {
            base = at + 1;
        }
    }
    // Only a real extension goes: a Linux program file usually has none.
    std::string name = base;
    size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) {
        name.resize(dot);
    }
    return BWString("%s", name.c_str());
}

BWString defaultAppName()
{
    static const BWString cached = appNameFromPath(platformProgramName().c_str());
    return cached;
}

void createWindow(BWString name, int32_t width, int32_t height, int32_t bitsPerPixel, int32_t frameRate)
{
    if (app.window) {
        return;
    }
    if (name.isEmpty()) {
        name = defaultAppName();
    }
    app.applicationName = name;
    app.screenRect = BWRect(0, 0, width, height);
    app.bitsPerPixel = bitsPerPixel;
    setFrameRate(frameRate);
    WindowPlacement placement = requestedPlacement.width > 0 ? requestedPlacement : defaultPlacement(width, height);
    placement.width = std::max(placement.width, width / 2);
    placement.height = std::max(placement.height, height / 2);
    if (!platformCreateWindow(name.chars(), placement.width, placement.height)) {
        // Nothing can run without a window: say what failed, show nothing, and end.
        std::fprintf(stderr, "%s: %s\n", name.chars(), platformLastError());
        std::exit(1);
    }
    app.window = true;
    app.glContext = true;
    platformSetMinimumWindowSize(width / 2, height / 2);
    if (placement.maximised) {
        platformMaximiseWindow();
    }
    forgetPresentation();
    forgetShownDrawing();
    updateWindowRect();
    applyDrawingState();
    // Where the picture goes is known before anything loads, so art loads at the right scale.
    preparePresentation();
    centreWindow();
    clearScreen();
}

void requestWindowPlacement(const WindowPlacement& placement)
{
    requestedPlacement = placement;
}

WindowPlacement windowPlacement()
{
    WindowPlacement placement;
    if (app.window) {
        platformWindowSize(placement.width, placement.height);
        placement.maximised = platformWindowMaximised();
    }
    return placement;
}

void shutdown()
{
    if (app.fullscreen) {
        suspendFullscreen();
    }
    platformDestroyWindow();
    forgetPresentation();
    app = BWApp{};
}
