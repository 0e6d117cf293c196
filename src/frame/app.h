// app.h: the frame's process-wide state (the one window, its GL context, screen size, frame
// rate, loop depth, full-screen and activation flags) and the operations on the window.
#pragma once

#include "base/bw_string.h"
#include "base/geometry.h"

#include <cstdint>

// All zero before createWindow and again after shutdown. There is exactly one, owned by the
// frame; everything else reads it through the getters below.
struct BWApp {
    BWString applicationName;
    BWRect screenRect;
    int32_t bitsPerPixel = 0;
    int32_t frameRate = 0;
    int32_t loopDepth = 0;
    // A termination request ended every loop; later loops end at once until shutdown.
    bool terminating = false;
    bool fullscreen = false;
    bool inactive = false;
    bool resumeFullscreen = false;
    bool window = false;
    bool glContext = false;
    // The outer window around the client area, as left, top, right, bottom: left and top are
    // negative by the frame's thickness.
    int32_t windowLeft = 0;
    int32_t windowTop = 0;
    int32_t windowRight = 0;
    int32_t windowBottom = 0;
    // Seconds of the clock at the start of the last frame; 0 makes the first pass a frame.
    double lastFrameTime = 0.0;
    // Frames sent to GL and shown since the window was made.
    int64_t framesPresented = 0;
    // Of those, the frames drawn and shown only where they differ from the one before.
    int64_t partialFramesPresented = 0;
};

// The one state, for the frame's own files.
BWApp& appState();

// ---- Getters.
BWRect screenRect();
int32_t screenWidth();
int32_t screenHeight();
int32_t bitsPerPixel();
int32_t frameRate();
int32_t loopDepth();
bool isFullscreen();
bool isInactive();
bool hasWindow();
bool hasGLContext();
int64_t framesPresented();
int64_t partialFramesPresented();

// ---- Life of the window.

// The window's own client size in window units and whether it is maximised (full screen aside):
// what the player made of it, and what a next start may open again.
struct WindowPlacement {
    int32_t width = 0;
    int32_t height = 0;
    bool maximised = false;
};
// The placement the next createWindow opens with, instead of the picture's size times the
// desktop's scale. A size below half the picture's is raised to that minimum.
void requestWindowPlacement(const WindowPlacement& placement);
// The window's placement now; all zero without a window.
WindowPlacement windowPlacement();

// Creates the hidden window (a picture of width x height logical pixels, title and name
// `name`, or the executable's base name when it is empty), its GL context and the drawing
// state, then centres the window and clears it. The window opens at the requested placement,
// or else at the picture's size times the desktop's scale; it can be resized and maximised,
// but not below half the picture's size, and the picture is scaled to fit it. When the system can give no window or context the program cannot
// run: one line naming what failed goes to the standard error stream and the process exits
// with status 1.
void createWindow(BWString name, int32_t width, int32_t height, int32_t bitsPerPixel, int32_t frameRate);
// Destroys the window and context and resets every field; createWindow may follow again.
void shutdown();
// Stores the frame cap of the run loop; a negative value is stored as 10000, 0 draws no frames.
void setFrameRate(int32_t framesPerSecond);
// The executable's file name without its folder and extension, computed once per process.
BWString defaultAppName();
// The file name of a program path without its folder and extension ("/usr/bin/x.exe" gives "x").
BWString appNameFromPath(const char* path);

// ---- Window placement and full screen.

// Centres the outer window in the desktop work area (its own left and top are not added).
void centreWindow();
// Moves the outer window's top-left corner to (x, y) of the desktop.
void moveWindow(int32_t x, int32_t y);
void showWindow();
void hideWindow();
// Desktop full screen with the picture scaled to fit and centred, the rest black.
void enterFullscreen();
// Back to the centred window, shown and redrawn.
void leaveFullscreen();
// Back to the window without showing it (on deactivation and at shutdown).
void suspendFullscreen();

// ---- Filling (these leave texturing on and the colour opaque white, as every drawing call).

void clearScreen();
void fillRect(BWColor color, BWRect rect);

// ---- Pointer.

// Make the pointer visible or invisible whatever was asked before; the system's answer.
bool showCursor();
bool hideCursor();
// Places the pointer at a client point.
void setCursorPos(int32_t x, int32_t y);
