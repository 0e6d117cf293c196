// held_input.h: the keys and mouse buttons currently held, kept so presses and releases pair up.
#pragma once

#include <cstdint>

enum class HeldKind : uint8_t { Key = 0, MouseButton = 1 };

// Records a press. Something already held is first released through the full release
// dispatch (the top layer hears its release), so no layer sees two presses in a row.
void pressInput(int32_t code, HeldKind kind, int32_t x, int32_t y);
// True when the input was held (the caller then tells the top layer). Otherwise everything
// held of that kind is released through the release dispatch, newest first, and the answer is
// false: the code passed in reaches no layer.
bool releaseInput(int32_t code, HeldKind kind, int32_t x, int32_t y);
bool isInputHeld(int32_t code, HeldKind kind);
// Frees both the held list and the recycle list; called when the layer stack empties.
void freeHeldInput();

// Entries in each list, to check the recycling.
int32_t heldInputCount();
int32_t recycledInputCount();
