// keys.h: the framework's key codes, their names, and the translation from virtual keys.
//
// Layers never see a keyboard's virtual keys: codes 0 to 104 are small platform-neutral
// numbers with display names (some stand for keys only other keyboards have, such as the Apple
// key or a keypad equals sign). Keys without a code travel as negative numbers.
#pragma once

#include "base/bw_string.h"

#include <cstdint>

// Unscoped so that a code passes wherever a layer takes an int32_t key code.
enum KeyCode : int32_t {
    keyNull,
    keyEscape,
    keyEnter,
    keyBackspace,
    keySpace,
    keyTab,
    keyCapsLock,
    keyShift,
    keyControl,
    keyAlt,
    keyApple,
    keyWindows,
    keyA, keyB, keyC, keyD, keyE, keyF, keyG, keyH, keyI, keyJ, keyK, keyL, keyM,
    keyN, keyO, keyP, keyQ, keyR, keyS, keyT, keyU, keyV, keyW, keyX, keyY, keyZ,
    key0, key1, key2, key3, key4, key5, key6, key7, key8, key9,
    keyGrave,
    keyMinus,
    keyEquals,
    keyLeftBracket,
    keyRightBracket,
    keyBackslash,
    keySemicolon,
    keyApostrophe,
    keyComma,
    keyPeriod,
    keySlash,
    keyHelp,
    keyInsert,
    keyDelete,
    keyHome,
    keyEnd,
    keyPageUp,
    keyPageDown,
    keyLeft,
    keyUp,
    keyRight,
    keyDown,
    keyKeypad0, keyKeypad1, keyKeypad2, keyKeypad3, keyKeypad4,
    keyKeypad5, keyKeypad6, keyKeypad7, keyKeypad8, keyKeypad9,
    keyKeypadPeriod,
    keyKeypadEnter,
    keyKeypadPlus,
    keyKeypadMinus,
    keyKeypadClear,
    keyKeypadNumLock,
    keyKeypadEquals,
    keyKeypadDivide,
    keyKeypadMultiply,
    keyF1, keyF2, keyF3, keyF4, keyF5, keyF6, keyF7, keyF8, keyF9, keyF10, keyF11, keyF12, keyF13,
    keyF14,
    keyF15,
    keyF16,
    // The highest defined key code.
    keyLastCode = keyF16,
};
static_assert(keyLastCode == 104);

// The code of a virtual key (plus vkExtended for an extended key), or ~key (always negative)
// for a key without one.
int32_t mapVirtualKey(int32_t key);
// "Escape", "Enter (10-Key)" ... for codes 0 to 104; "Unknown (<code>)" for any other.
BWString keyName(int32_t code);
