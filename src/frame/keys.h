// keys.h: the framework's key codes, their names, and the translation from virtual keys.
//
// Layers never see a keyboard's virtual keys: codes 0 to 104 are small platform-neutral
// numbers with display names (some stand for keys only other keyboards have, such as the Apple
// key or a keypad equals sign). Keys without a code travel as negative numbers.
#pragma once

#include "base/bw_string.h"

#include <cstdint>

// The highest defined key code.
constexpr int32_t keyLastCode = 104;

// The code of a virtual key (plus 1000 for an extended key), or ~key (always negative) for a
// key without one.
int32_t mapVirtualKey(int32_t key);
// "Escape", "Enter (10-Key)" ... for codes 0 to 104; "Unknown (<code>)" for any other.
BWString keyName(int32_t code);
