// window_proc.h: the routing of window messages into the frame and the layer stack.
#pragma once

#include "platform/platform.h"

// Handles one message as the window procedure: repaints, activation, the close request,
// minimising (a command to the top layer), keys (auto-repeats dropped), printable characters,
// and the pointer.
void windowProcedure(const PlatformMessage& message);

// Presses, keys and typing made until now are dropped, also those the window system still
// holds (releases and the rest still count): what was clicked while the program was busy was
// aimed at a screen that is gone.
void ignoreInputMadeSoFar();
