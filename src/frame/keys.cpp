// keys.cpp: the key-code table: names and the virtual keys that produce each code.
#include "frame/keys.h"

#include "platform/virtual_keys.h"

#include <array>

namespace {

// Names of codes 0 to 104, in code order.
constexpr std::array<const char*, keyLastCode + 1> kKeyNames = {
    "NULL", "Escape", "Enter", "Backspace", "Space", "Tab", "Caps Lock", "Shift", "Control", "ALT",
    "Apple", "Windows",
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M",
    "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z",
    "0", "1", "2", "3", "4", "5", "6", "7", "8", "9",
    "`", "-", "=", "[", "]", "\\", ";", "'", ",", ".", "/", "Help",
    "Insert", "Delete", "Home", "End", "Page Up", "Page Down", "Left", "Up", "Right", "Down",
    "0 (10-Key)", "1 (10-Key)", "2 (10-Key)", "3 (10-Key)", "4 (10-Key)",
    "5 (10-Key)", "6 (10-Key)", "7 (10-Key)", "8 (10-Key)", "9 (10-Key)",
    ". (10-Key)", "Enter (10-Key)", "+ (10-Key)", "- (10-Key)", "Clear (10-Key)",
    "Num Lock (10-Key)", "= (10-Key)", "/ (10-Key)", "* (10-Key)",
    "F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F9", "F10", "F11", "F12", "F13",
    "F14", "F15", "F16",
};

struct KeyMapping {
    int32_t virtualKey;
    int32_t code;
};

// Single keys; the runs (letters, digits, keypad digits, F1 to F13) are computed below.
constexpr KeyMapping kSingleKeys[] = {
    {vkEscape, keyEscape},
    {vkReturn, keyEnter},
    {vkBackspace, keyBackspace},
    {vkSpace, keySpace},
    {vkTab, keyTab},
    {vkCapsLock, keyCapsLock},
    {vkShift, keyShift},
    {vkControl, keyControl},
    {vkExtended + vkControl, keyControl},
    {vkAlt, keyAlt},
    {vkExtended + vkAlt, keyAlt},
    {vkExtended + vkLeftWindows, keyWindows},
    {vkGrave, keyGrave},
    {vkMinus, keyMinus},
    {vkEquals, keyEquals},
    {vkLeftBracket, keyLeftBracket},
    {vkRightBracket, keyRightBracket},
    {vkBackslash, keyBackslash},
    {vkSemicolon, keySemicolon},
    {vkApostrophe, keyApostrophe},
    {vkComma, keyComma},
    {vkPeriod, keyPeriod},
    {vkSlash, keySlash},
    // The navigation keys have codes only as extended keys: the keypad's copies with Num Lock
    // off arrive plain and have none.
    {vkExtended + vkInsert, keyInsert},
    {vkExtended + vkDelete, keyDelete},
    {vkExtended + vkHome, keyHome},
    {vkExtended + vkEnd, keyEnd},
    {vkExtended + vkPageUp, keyPageUp},
    {vkExtended + vkPageDown, keyPageDown},
    {vkExtended + vkLeft, keyLeft},
    {vkExtended + vkUp, keyUp},
    {vkExtended + vkRight, keyRight},
    {vkExtended + vkDown, keyDown},
    {vkKeypadPeriod, keyKeypadPeriod},
    {vkExtended + vkReturn, keyKeypadEnter},
    {vkKeypadPlus, keyKeypadPlus},
    {vkKeypadMinus, keyKeypadMinus},
    {vkExtended + vkNumLock, keyKeypadNumLock},
    {vkExtended + vkKeypadDivide, keyKeypadDivide},
    {vkKeypadMultiply, keyKeypadMultiply},
    {vkScrollLock, keyF15},
    {vkPause, keyF16},
};

struct KeyRun {
    int32_t firstVirtualKey;
    int32_t lastVirtualKey;
    int32_t firstCode;
};

constexpr KeyRun kKeyRuns[] = {
    {vkLetterA, vkLetterZ, keyA},
    {vkDigit0, vkDigit9, key0},
    {vkKeypad0, vkKeypad9, keyKeypad0},
    {vkF1, vkF13, keyF1},
};

} // namespace

int32_t mapVirtualKey(int32_t key)
{
    for (const KeyRun& run : kKeyRuns) {
        if (key >= run.firstVirtualKey && key <= run.lastVirtualKey) {
            return run.firstCode + (key - run.firstVirtualKey);
        }
    }
    for (const KeyMapping& mapping : kSingleKeys) {
        if (mapping.virtualKey == key) {
            return mapping.code;
        }
    }
    return ~key;
}

BWString keyName(int32_t code)
{
    if (code >= 0 && code <= keyLastCode) {
        return BWString("%s", kKeyNames[static_cast<size_t>(code)]);
    }
    return BWString("Unknown (%d)", code);
}
