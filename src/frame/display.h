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
// Before each frame: the picture (always screenWidth x screenHeight logical pixels) is scaled
// to the largest size that fits the window's drawable as it is now, centred, and the bands
// beside it are painted in the band colour.
void preparePresentation();
// Where the picture was last shown in the drawable (y downwards); empty before the first frame.
BWRect shownPicture();
// Forgets where the picture was shown: positions pass unchanged until the next frame.
void forgetPresentation();
// Drawable pixels per logical pixel of the picture as last shown (1 at 800 x 600).
double presentationScale();
// Called by preparePresentation with the scale of every frame (the media follow it with their
// sharper art); null for none.
void setPresentationScaleHook(void (*hook)(double presentationScale));
// The drawable pixels (y downwards) that drawing into the logical area may colour, as the
// picture was last shown, within the drawable.
BWRect drawableArea(const BWRect& logical);
// The logical pixels that cover the drawable area (y downwards), rounded outwards.
BWRect logicalArea(const BWRect& drawable);
// Keeps all drawing inside the drawable area (y downwards) until stopClipping.
void clipDrawingTo(const BWRect& area);
void stopClipping();
// The colour of the bands beside a picture that does not fill the drawable (black at first).
void setBandColor(BWColor color);
// A drawable position as a picture position, and whether it lies on the picture rather than
// in a band; and the other way, for placing the pointer.
BWPoint pictureFromDrawable(int32_t x, int32_t y);
bool onPicture(int32_t x, int32_t y);
BWPoint drawableFromPicture(int32_t x, int32_t y);
// Recomputes the outer window rectangle from the client size and the frame's thickness.
void updateWindowRect();
// Leaves full screen for a minimised window, which the player can bring back.
void minimiseFromFullscreen();
