// art_scale.h: which set of the art pictures and fonts load from, and reloading them when the
// picture comes to be shown at another scale.
//
// The art comes at 1x ("Resources" itself), 2x ("@2x/") and 3x ("@3x/"): the same pictures
// with that many pixels per logical pixel. Images and fonts keep their logical (1x) sizes
// whatever set their textures come from, so nothing else knows which set is in use.
#pragma once

#include "base/bw_string.h"

#include <cstdint>

// The set files load from now: 1, 2 or 3.
int32_t artScale();
// The set for a picture shown at that many drawable pixels per logical pixel: the smallest at
// or above it, 3 at most.
int32_t artScaleFor(double presentationScale);
// The file of a set: the name itself for 1, "@2x/name" for 2 ("dir/@2x/name" for "dir/name").
BWString scaledFileName(const BWString& name, int32_t scale);

// Changes the set; every image and font loaded from a file loads again from the new one.
void setArtScale(int32_t scale);

// What loads again when the set changes: one entry per loaded image or font, by its address.
using ArtReload = void (*)(void* owner);
void trackArt(void* owner, ArtReload reload);
void untrackArt(void* owner);

// Chooses the set for the scale the frame shows the picture at now, and from then on follows
// it frame by frame. Loading an image or font calls this first.
void followPresentationScale();
