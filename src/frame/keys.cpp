// keys.cpp: the key-code table: names and the virtual keys that produce each code.
#include "frame/keys.h"

#include <array>

namespace {

// Names of codes 0 to 104, in code order.
constexpr std::array<const char*, keyLastCode + 1> keyNames = {
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
constexpr KeyMapping singleKeys[] = {
    {27, 1}, {13, 2}, {8, 3}, {32, 4}, {9, 5}, {20, 6}, {16, 7}, {17, 8}, {1017, 8}, {18, 9},
    {1018, 9}, {1091, 11}, {192, 48}, {189, 49}, {187, 50}, {219, 51}, {221, 52}, {220, 53},
    {186, 54}, {222, 55}, {188, 56}, {190, 57}, {191, 58}, {1045, 60}, {1046, 61}, {1036, 62},
    {1035, 63}, {1033, 64}, {1034, 65}, {1037, 66}, {1038, 67}, {1039, 68}, {1040, 69},
    {110, 80}, {1013, 81}, {107, 82}, {109, 83}, {1144, 85}, {1111, 87}, {106, 88}, {145, 103},
    {19, 104},
};

struct KeyRun {
    int32_t firstVirtualKey;
    int32_t lastVirtualKey;
    int32_t firstCode;
};

constexpr KeyRun keyRuns[] = {
    {65, 90, 12},   // A to Z
    {48, 57, 38},   // main keyboard digits
    {96, 105, 70},  // keypad digits
    {112, 124, 89}, // F1 to F13
};

} // namespace

int32_t mapVirtualKey(int32_t key)
{
    for (const KeyRun& run : keyRuns) {
        if (key >= run.firstVirtualKey && key <= run.lastVirtualKey) {
            return run.firstCode + (key - run.firstVirtualKey);
        }
    }
    for (const KeyMapping& mapping : singleKeys) {
        if (mapping.virtualKey == key) {
            return mapping.code;
        }
    }
    return ~key;
}

BWString keyName(int32_t code)
{
    if (code >= 0 && code <= keyLastCode) {
        return BWString("%s", keyNames[static_cast<size_t>(code)]);
    }
    return BWString("Unknown (%d)", code);
}
