// keys_test.cpp: virtual keys to key codes, and the names of the codes.
#include "frame/keys.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

TEST(MapVirtualKey, ExtendedKeysAreTheirOwnCodesOnlyWhereTheKeyboardDiffers)
{
    EXPECT_EQ(mapVirtualKey(13), 2);    // main Enter
    EXPECT_EQ(mapVirtualKey(1013), 81); // keypad Enter
    EXPECT_EQ(mapVirtualKey(17), 8);    // both Ctrl keys
    EXPECT_EQ(mapVirtualKey(1017), 8);
    EXPECT_EQ(mapVirtualKey(18), 9);    // both Alt keys
    EXPECT_EQ(mapVirtualKey(1018), 9);
    EXPECT_EQ(mapVirtualKey(1037), 66); // the arrow keys exist only as extended keys
    EXPECT_EQ(mapVirtualKey(37), ~37);
}

TEST(MapVirtualKey, RunsOfKeysMapToRunsOfCodes)
{
    EXPECT_EQ(mapVirtualKey('A'), 12);
    EXPECT_EQ(mapVirtualKey('Z'), 37);
    EXPECT_EQ(mapVirtualKey('0'), 38);
    EXPECT_EQ(mapVirtualKey('9'), 47);
    EXPECT_EQ(mapVirtualKey(96), 70);   // keypad 0
    EXPECT_EQ(mapVirtualKey(105), 79);  // keypad 9
    EXPECT_EQ(mapVirtualKey(112), 89);  // F1
    EXPECT_EQ(mapVirtualKey(124), 101); // F13
    EXPECT_EQ(mapVirtualKey(125), ~125);
    EXPECT_EQ(mapVirtualKey(145), 103); // Scroll Lock is F15
    EXPECT_EQ(mapVirtualKey(19), 104);  // Pause is F16
}

TEST(MapVirtualKey, KeysWithoutACodeBecomeTheirComplement)
{
    EXPECT_EQ(mapVirtualKey(12), -13);
    EXPECT_EQ(mapVirtualKey(1092), -1093); // right Windows key
    EXPECT_EQ(mapVirtualKey(0), -1);
    EXPECT_EQ(mapVirtualKey(1065), -1066); // an extended letter is no letter
}

TEST(KeyName, NamesEveryCodeAndCallsTheRestUnknown)
{
    EXPECT_EQ(keyName(0), "NULL");
    EXPECT_EQ(keyName(1), "Escape");
    EXPECT_EQ(keyName(9), "ALT");
    EXPECT_EQ(keyName(12), "A");
    EXPECT_EQ(keyName(47), "9");
    EXPECT_EQ(keyName(53), "\\");
    EXPECT_EQ(keyName(81), "Enter (10-Key)");
    EXPECT_EQ(keyName(85), "Num Lock (10-Key)");
    EXPECT_EQ(keyName(101), "F13");
    EXPECT_EQ(keyName(104), "F16");
    EXPECT_EQ(keyName(105), "Unknown (105)");
    EXPECT_EQ(keyName(-13), "Unknown (-13)");

    std::set<std::string> names;
    for (int32_t code = 0; code <= 104; ++code) {
        BWString name = keyName(code);
        ASSERT_FALSE(name.isEmpty()) << code;
        names.insert(name.chars());
    }
    EXPECT_EQ(names.size(), 105u) << "two codes share a name";
}

TEST(KeyboardTable, EveryKeyCodeWithAVirtualKeyCanBeTyped)
{
    std::set<int32_t> reached;
    for (int32_t scancode = 0; scancode < platformScancodeLimit(); ++scancode) {
        int32_t virtualKey = 0;
        bool extended = false;
        if (platformScancodeVirtualKey(scancode, virtualKey, extended)) {
            reached.insert(mapVirtualKey(virtualKey + (extended ? 1000 : 0)));
        }
    }
    // These codes stand for keys a PC keyboard does not have.
    const std::set<int32_t> withoutKey = {0, 10, 59, 84, 86, 102};
    for (int32_t code = 0; code <= 104; ++code) {
        EXPECT_EQ(reached.count(code), withoutKey.count(code) ? 0u : 1u) << keyName(code).chars();
    }
}
