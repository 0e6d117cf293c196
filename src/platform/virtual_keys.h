// virtual_keys.h: the values a PC keyboard's key messages carry, as the platform reports them.
//
// The frame turns these into its own key codes (frame/keys.h). An extended key (navigation
// block, right-hand Ctrl and Alt, keypad Enter and divide, Num Lock, the system keys) is
// reported with the extended flag and looked up as its value plus vkExtended.
#pragma once

#include <cstdint>

enum VirtualKey : int32_t {
    vkBackspace = 8,
    vkTab = 9,
    vkClear = 12,
    vkReturn = 13,
    vkShift = 16,
    vkControl = 17,
    vkAlt = 18,
    vkPause = 19,
    vkCapsLock = 20,
    vkEscape = 27,
    vkSpace = 32,
    vkPageUp = 33,
    vkPageDown = 34,
    vkEnd = 35,
    vkHome = 36,
    vkLeft = 37,
    vkUp = 38,
    vkRight = 39,
    vkDown = 40,
    vkPrintScreen = 44,
    vkInsert = 45,
    vkDelete = 46,
    vkHelp = 47,
    vkDigit0 = 48, // the main keyboard's digits run from here to vkDigit9
    vkDigit9 = 57,
    vkLetterA = 65, // the letters run from here to vkLetterZ
    vkLetterZ = 90,
    vkLeftWindows = 91,
    vkRightWindows = 92,
    vkApplication = 93,
    vkKeypad0 = 96, // the keypad's digits run from here to vkKeypad9
    vkKeypad9 = 105,
    vkKeypadMultiply = 106,
    vkKeypadPlus = 107,
    vkKeypadMinus = 109,
    vkKeypadPeriod = 110,
    vkKeypadDivide = 111,
    vkF1 = 112, // the function keys run from here to vkF24
    vkF13 = 124,
    vkF24 = 135,
    vkNumLock = 144,
    vkScrollLock = 145,
    vkKeypadEquals = 146,
    vkVolumeMute = 173,
    vkVolumeDown = 174,
    vkVolumeUp = 175,
    vkMediaNext = 176,
    vkMediaPrevious = 177,
    vkMediaStop = 178,
    vkMediaPlayPause = 179,
    vkSemicolon = 186,
    vkEquals = 187,
    vkComma = 188,
    vkMinus = 189,
    vkPeriod = 190,
    vkSlash = 191,
    vkGrave = 192,
    vkLeftBracket = 219,
    vkBackslash = 220,
    vkRightBracket = 221,
    vkApostrophe = 222,
    vkNonUsBackslash = 226,
    // Keys that no PC keyboard message names are reported as this plus the platform's own
    // number for the key (below 1000 - vkWithoutValue), so each still has a value of its own.
    vkWithoutValue = 256,
    // Added to the value of an extended key before it is looked up.
    vkExtended = 1000,
};
