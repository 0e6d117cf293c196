// app.cpp: the frame's state and getters, and the creation and destruction of the window.
#include "frame/app.h"

#include "frame/display.h"
#include "platform/platform.h"

#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

BWApp app;

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
    if (!platformCreateWindow(name.chars(), width, height)) {
        // Nothing can run without a window: say what failed, show nothing, and end.
        std::fprintf(stderr, "%s: %s\n", name.chars(), platformLastError());
        std::exit(1);
    }
    app.window = true;
    app.glContext = true;
    updateWindowRect();
    applyDrawingState();
    centreWindow();
    clearScreen();
}

void shutdown()
{
    if (app.fullscreen) {
        suspendFullscreen();
    }
    platformDestroyWindow();
    app = BWApp{};
}
