// display.h: where the picture goes on the screen, and the GL state every drawing call relies on.
#pragma once

#include "base/geometry.h"

#include <cstdint>

// The rectangle (y downwards) a picture takes when scaled to fit the drawable and centred.
BWRect fitPicture(int32_t drawableWidth, int32_t drawableHeight, int32_t pictureWidth, int32_t pictureHeight);
// The outer window's top-left that centres it in a work area of that size (the area's own
// origin is not added); negative when the window is larger.
BWPoint centredPosition(int32_t workWidth, int32_t workHeight, int32_t outerWidth, int32_t outerHeight);

// Viewport, projection, texturing and blending as every drawing part expects them.
void applyDrawingState();
// Before each frame: in full screen the picture is scaled into the middle of the desktop and
// the rest is black; pointer positions are mapped back to picture pixels accordingly.
void preparePresentation();
// Recomputes the outer window rectangle from the client size and the frame's thickness.
void updateWindowRect();
// Leaves full screen for a minimised window, which the player can bring back.
void minimiseFromFullscreen();
