// keys_test.cpp: virtual keys to key codes, and the names of the codes.
#include "frame/keys.h"
#include "platform/platform.h"
#include "platform/virtual_keys.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(MapVirtualKey, ExtendedKeysRunsAndKeysWithoutACode)
{
    const std::pair<int32_t, int32_t> codes[] = {
        {13, 2}, {1013, 81},                 // main and keypad Enter
        {17, 8}, {1017, 8}, {18, 9}, {1018, 9}, // both Ctrl and both Alt keys
        {1037, 66}, {37, ~37},               // the arrow keys exist only as extended keys
        {'A', 12}, {'Z', 37}, {'0', 38}, {'9', 47}, {96, 70}, {105, 79}, // letters, digits, keypad
        {112, 89}, {124, 101}, {125, ~125}, {145, 103}, {19, 104},       // F1-F13; F15, F16
        {12, -13}, {1092, -1093}, {0, -1}, {1065, -1066}};               // the complement
    for (const auto& [virtualKey, code] : codes) {
        EXPECT_EQ(mapVirtualKey(virtualKey), code) << virtualKey;
    }
}

TEST(KeyName, NamesEveryCodeOnceAndCallsTheRestUnknown)
{
    const std::pair<int32_t, const char*> names[] = {
        {keyNull, "NULL"}, {keyEscape, "Escape"}, {keyA, "A"}, {keyBackslash, "\\"},
        {keyKeypadEnter, "Enter (10-Key)"}, {keyF16, "F16"},
        {105, "Unknown (105)"}, {-13, "Unknown (-13)"}};
    for (const auto& [code, name] : names) {
        EXPECT_EQ(keyName(code), name);
    }
    std::set<std::string> distinct;
    for (int32_t code = 0; code <= 104; ++code) {
        ASSERT_FALSE(keyName(code).isEmpty()) << code;
        distinct.insert(keyName(code).chars());
    }
    EXPECT_EQ(distinct.size(), 105u) << "two codes share a name";
}

TEST(KeyboardTable, EveryKeyCodeWithAVirtualKeyCanBeTyped)
{
    std::set<int32_t> reached;
    for (int32_t scancode = 0; scancode < platformScancodeLimit(); ++scancode) {
        int32_t virtualKey = 0;
        bool extended = false;
        platformKeyVirtualKey(scancode, 0, virtualKey, extended);
        reached.insert(mapVirtualKey(virtualKey + (extended ? vkExtended : 0)));
    }
    // These codes stand for keys a PC keyboard does not have.
    const std::set<int32_t> withoutKey = {keyNull, keyApple, keyHelp, keyKeypadClear, keyKeypadEquals, keyF14};
    for (int32_t code = 0; code <= keyLastCode; ++code) {
        EXPECT_EQ(reached.count(code), withoutKey.count(code) ? 0u : 1u) << keyName(code).chars();
    }
}
