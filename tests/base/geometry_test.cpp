// geometry_test.cpp: inclusive hit tests, offsets and colour packing.
#include "base/geometry.h"

#include <gtest/gtest.h>

TEST(BWRect, PointTestsIncludeEveryEdge)
{
    BWRect rect(10, 10, 20, 20);
    EXPECT_TRUE(rect.contains(10, 10));
    EXPECT_TRUE(rect.contains(BWPoint(30, 30)));
    EXPECT_FALSE(rect.contains(31, 30));
    EXPECT_FALSE(rect.contains(9, 20));

    BWRect line(5, 0, 0, 10);
    EXPECT_TRUE(line.isEmpty());
    EXPECT_TRUE(line.contains(5, 7));
    EXPECT_FALSE(line.contains(6, 7));
}

TEST(BWRect, RectangleContainmentAndOffsets)
{
    BWRect outer(0, 0, 100, 50);
    EXPECT_TRUE(outer.contains(BWRect(0, 0, 100, 50)));
    EXPECT_TRUE(outer.contains(10, 10, 5, 5));
    EXPECT_FALSE(outer.contains(BWRect(90, 0, 11, 10)));

    BWRect moved(10, 20, 30, 40);
    moved.offset(-15, -25);
    EXPECT_EQ(moved, BWRect(-5, -5, 30, 40));
    moved.offset(BWPoint(5, 5));
    EXPECT_EQ(moved.right(), 30);
    EXPECT_EQ(moved.bottom(), 40);

    BWPoint point(1, 2);
    point += BWPoint(3, 4);
    point.offset(-1, -1);
    EXPECT_EQ(point, BWPoint(3, 5));
}

TEST(BWColor, PacksChannelsAlphaFirst)
{
    BWColor fromFloats(1.0f, 0.5f, 0.25f, 0.0f);
    EXPECT_EQ(fromFloats.value, 0xff7f3f00u);
    EXPECT_EQ(BWColor(255, 1, 2, 0x1ff).value, 0xff0102ffu);
    // Above 1.0 wraps through the 8-bit mask instead of clamping.
    EXPECT_EQ(BWColor(2.0f, 0.0f, 0.0f, 0.0f).value >> 24, (510u & 0xffu));

    BWColor black(0xff000000u);
    EXPECT_FLOAT_EQ(black.alpha(), 1.0f);
    EXPECT_FLOAT_EQ(black.red(), 0.0f);
    EXPECT_FLOAT_EQ(black.green(), 0.0f);
    EXPECT_FLOAT_EQ(black.blue(), 0.0f);
    EXPECT_EQ(BWColor().value, 0u);
}
