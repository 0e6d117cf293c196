// loop.h: the nested run loop with its frame cap, and the dispatch of events into the layers.
#pragma once

#include <cstdint>

// Runs one loop level until exitLoop ends it: each pass takes at most one window message and
// routes it, then makes a frame (tick every layer, then present) when 1 / frame rate seconds
// have passed since the last one began. Between the two it sleeps until the next frame is due
// or a message arrives. Handlers may call run again for a modal layer. Without a window, or
// once endAllLoops has run, there is nothing to run and it returns at once.
void run();
// Ends the innermost loop. The outermost one ends only if every layer's canClose agrees.
void exitLoop();
// Ends every loop at once without asking any layer, and makes every later run return at once
// until shutdown: a termination signal or the system's quit request is a normal shutdown.
void endAllLoops();
// Asks every layer bottom to top to draw, and shows the result when the window is on the
// screen and the drawing differs from what the window shows: a frame that draws exactly what
// the last shown one drew reaches neither GL nor the screen.
void present();
// The same, shown whatever it draws: the window's contents were lost or may have changed
// (exposed, resized, restored).
void presentAfresh();
// Prepares the picture's place on the screen and draws every layer into GL, without showing
// it (for reading the frame back).
void drawFrame();

// ---- Dispatch. Input goes to the top layer; each does nothing on an empty stack.

// The command the top layer receives when the window is minimised or hidden. Buttons send ids
// counting up from 1, so the frame's own are negative.
constexpr int32_t kMinimisedCommand = -1;
void sendCommand(int32_t id);
void sendChar(char character);
void sendKeyDown(int32_t keyCode);
void sendKeyUp(int32_t keyCode);
void sendMouseDoubleClick(int32_t x, int32_t y, int32_t button);
void sendMouseDown(int32_t x, int32_t y, int32_t button);
void sendMouseMove(int32_t x, int32_t y);
void sendMouseUp(int32_t x, int32_t y, int32_t button);
void sendMouseWheel(int32_t x, int32_t y, int32_t z, int32_t direction);
// What the top layer answers; true on an empty stack.
bool askInsertChar(int32_t textboxId, char character);

// ---- Every layer: drawing and ticking bottom to top, the rest top to bottom.
void drawLayers();
void tickLayers();
// Stops at the first layer that refuses.
bool canCloseAll();
void deactivateLayers();
void activateLayers();
