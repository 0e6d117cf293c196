// geometry_test.cpp: inclusive hit tests and colour packing.
#include "base/geometry.h"

#include <gtest/gtest.h>

TEST(BWRect, HitTestsIncludeEveryEdge)
{
    BWRect rect(10, 10, 20, 20);
    EXPECT_TRUE(rect.contains(10, 10));
    EXPECT_TRUE(rect.contains(BWPoint(30, 30)));
    EXPECT_FALSE(rect.contains(31, 30));
    EXPECT_FALSE(rect.contains(9, 20));
    EXPECT_TRUE(BWRect(5, 0, 0, 10).contains(5, 7));
    EXPECT_FALSE(BWRect(5, 0, 0, 10).contains(6, 7));

    BWRect outer(0, 0, 100, 50);
    EXPECT_TRUE(outer.contains(BWRect(0, 0, 100, 50)));
    EXPECT_FALSE(outer.contains(BWRect(90, 0, 11, 10)));
}

TEST(BWColor, PacksChannelsAlphaFirst)
{
    EXPECT_EQ(BWColor(1.0f, 0.5f, 0.25f, 0.0f).value, 0xff7f3f00u);
    EXPECT_EQ(BWColor(255, 1, 2, 0x1ff).value, 0xff0102ffu);
    // Above 1.0 wraps through the 8-bit mask instead of clamping.
    EXPECT_EQ(BWColor(2.0f, 0.0f, 0.0f, 0.0f).value >> 24, (510u & 0xffu));
    BWColor colour(0xff000080u);
    EXPECT_FLOAT_EQ(colour.alpha(), 1.0f);
    EXPECT_FLOAT_EQ(colour.red(), 0.0f);
    EXPECT_FLOAT_EQ(colour.blue(), 128.0f / 255.0f);
}
