// bw_string_test.cpp: null versus empty, deep copies, formatting and the text queries.
#include "base/bw_string.h"

#include <gtest/gtest.h>

#include <string>

TEST(BWString, NullAndEmptyAreDistinct)
{
    BWString null;
    BWString empty("");
    EXPECT_EQ(null.chars(), nullptr);
    ASSERT_NE(empty.chars(), nullptr);
    EXPECT_TRUE(empty.isEmpty() && null.isEmpty());
    EXPECT_FALSE(empty == null);
    EXPECT_TRUE(BWString() == null);
    EXPECT_FALSE(empty == static_cast<const char*>(nullptr));
    EXPECT_TRUE(null == static_cast<const char*>(nullptr));

    const char* noFormat = nullptr;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    EXPECT_EQ(BWString(noFormat).chars(), nullptr);
#pragma GCC diagnostic pop
}

TEST(BWString, FormatsWithoutLengthLimit)
{
    EXPECT_EQ(BWString("%02d:%02d:%02d", 1, 2, 3), "01:02:03");
    std::string longText(5000, 'x');
    BWString whole("%s|%d", longText.c_str(), 7);
    EXPECT_EQ(whole.length(), 5002u);
    EXPECT_TRUE(whole.endsWith("x|7"));
}

TEST(BWString, CopiesAreDeepAndAssignmentIsSafe)
{
    BWString original("name");
    BWString copy(original);
    EXPECT_NE(copy.chars(), original.chars());
    BWString& self = copy;
    copy = self;
    EXPECT_EQ(copy, "name");
    copy = "other";
    EXPECT_EQ(original, "name");
    copy = static_cast<const char*>(nullptr);
    EXPECT_EQ(copy.chars(), nullptr);
    BWString moved(std::move(original));
    EXPECT_EQ(moved, "name");
}

TEST(BWString, PrefixSuffixAndContains)
{
    BWString file("font_main.fnt");
    EXPECT_TRUE(file.endsWith(".fnt") && file.startsWith("font_") && file.contains("_main"));
    EXPECT_FALSE(file.endsWith("big_font_main.fnt"));
    EXPECT_FALSE(file.startsWith("main"));
    EXPECT_FALSE(file.contains("xfont_main.fnt"));
    // An empty argument matches any non-null string; a null side matches nothing.
    EXPECT_TRUE(file.startsWith("") && file.endsWith("") && file.contains(""));
    EXPECT_FALSE(BWString().contains(""));
    EXPECT_FALSE(file.contains(BWString()));
}
