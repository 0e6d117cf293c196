// window_proc.h: the routing of window messages into the frame and the layer stack.
#pragma once

#include "platform/platform.h"

// Handles one message as the window procedure: repaints, activation, the close request,
// minimising (a command to the top layer), keys (auto-repeats dropped), printable characters,
// and the pointer.
void windowProcedure(const PlatformMessage& message);
