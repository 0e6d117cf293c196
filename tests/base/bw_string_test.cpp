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
    EXPECT_EQ(empty.length(), 0u);
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_TRUE(null.isEmpty());
    EXPECT_FALSE(empty == null);
    EXPECT_TRUE(empty != null);
    EXPECT_TRUE(BWString() == null);
    EXPECT_FALSE(BWString() != null);
    EXPECT_FALSE(empty == static_cast<const char*>(nullptr));
    EXPECT_TRUE(null == static_cast<const char*>(nullptr));
}

TEST(BWString, NullFormatGivesNullString)
{
    const char* noFormat = nullptr;
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wformat-security"
#pragma GCC diagnostic ignored "-Wformat-nonliteral"
    BWString fromNull(noFormat);
#pragma GCC diagnostic pop
    EXPECT_EQ(fromNull.chars(), nullptr);
}

TEST(BWString, FormatsWithoutLengthLimit)
{
    BWString time("%02d:%02d:%02d", 1, 2, 3);
    EXPECT_EQ(time, "01:02:03");
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
    EXPECT_EQ(copy, original);

    BWString& self = copy;
    copy = self;
    EXPECT_EQ(copy, "name");

    copy = "other";
    EXPECT_EQ(original, "name");
    copy = static_cast<const char*>(nullptr);
    EXPECT_EQ(copy.chars(), nullptr);
    EXPECT_EQ(copy, BWString());

    BWString moved(std::move(original));
    EXPECT_EQ(moved, "name");
    moved.clear();
    EXPECT_EQ(moved.chars(), nullptr);
}

TEST(BWString, PrefixSuffixAndContains)
{
    BWString file("font_main.fnt");
    EXPECT_TRUE(file.endsWith(".fnt"));
    EXPECT_FALSE(file.endsWith("big_font_main.fnt"));
    EXPECT_TRUE(file.startsWith("font_"));
    EXPECT_FALSE(file.startsWith("main"));
    EXPECT_TRUE(file.contains("_main"));
    EXPECT_FALSE(file.contains("xfont_main.fnt"));

    // An empty argument matches any non-null string; a null side matches nothing.
    EXPECT_TRUE(file.startsWith(""));
    EXPECT_TRUE(file.endsWith(""));
    EXPECT_TRUE(file.contains(""));
    EXPECT_FALSE(BWString().contains(""));
    EXPECT_FALSE(file.contains(BWString()));
}
