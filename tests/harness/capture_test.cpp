// capture_test.cpp: captured frames as PNG files that other tools read back the same.
#include "frame/app.h"
#include "tests/harness/harness.h"
#include "ui/layer.h"

#include <gtest/gtest.h>
#include <png.h>

#include <vector>

namespace {

class QuartersLayer : public BWLayer {
public:
    void onDraw() override
    {
        fillRect(BWColor(0xffff0000u), BWRect(0, 0, 400, 300));
        fillRect(BWColor(0xff00ff00u), BWRect(400, 0, 400, 300));
        fillRect(BWColor(0xff0000ffu), BWRect(0, 300, 400, 300));
        fillRect(BWColor(0xffffffffu), BWRect(400, 300, 400, 300));
    }
};

} // namespace

TEST(Capture, WritesAPngThatDecodesToTheSamePixels)
{
    ScriptedRun script;
    openTestWindow(15);
    QuartersLayer layer;
    Capture frame = captureFrame();
    std::string path = saveCapture(frame, "quarters");
    shutdown();
    ASSERT_FALSE(path.empty());

    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    ASSERT_TRUE(png_image_begin_read_from_file(&image, path.c_str()));
    image.format = PNG_FORMAT_BGRA;
    std::vector<uint32_t> decoded(PNG_IMAGE_SIZE(image) / 4);
    ASSERT_TRUE(png_image_finish_read(&image, nullptr, decoded.data(), 0, nullptr));
    ASSERT_EQ(image.width, 800u);
    ASSERT_EQ(image.height, 600u);
    for (auto [x, y, argb] : {std::tuple{10, 10, 0xffff0000u}, {790, 10, 0xff00ff00u}, {10, 590, 0xff0000ffu},
                             {790, 590, 0xffffffffu}}) {
        EXPECT_EQ(decoded[static_cast<size_t>(y) * 800 + static_cast<size_t>(x)], argb) << x << "," << y;
        EXPECT_EQ(frame.pixel(x, y) | 0xff000000u, argb);
    }
    EXPECT_FALSE(writePng(Capture{}, path.c_str()));
    EXPECT_FALSE(writePng(frame, "/no/such/folder/x.png"));
}

TEST(Capture, RegionChecksStayInsideThePicture)
{
    Capture small;
    small.width = 2;
    small.height = 2;
    small.pixels = {0xff000000u, 0xff000000u, 0xff000000u, 0xff010203u};
    EXPECT_TRUE(small.regionIs(BWRect(0, 0, 2, 2), BWColor(0xff000000u), 3));
    EXPECT_FALSE(small.regionIs(BWRect(0, 0, 2, 2), BWColor(0xff000000u), 2));
    EXPECT_FALSE(small.regionIs(BWRect(1, 1, 2, 2), BWColor(0xff010203u)));
    EXPECT_EQ(small.countMatching(BWRect(-5, -5, 20, 20), BWColor(0xff000000u)), 3);
    EXPECT_EQ(small.pixel(2, 0), 0u);
}
