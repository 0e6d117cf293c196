// font_draw_test.cpp: ".fnt" and system fonts drawn into the window and checked on captured frames.
#include "gl_window.h"
#include "media/font.h"
#include "platform/gl.h"
#include "test_files.h"

namespace {

class FontDraw : public GLWindowTest {
protected:
    bool loadFont(BWFont& font, const FntFile& file)
    {
        writeBytes(dir.path("font.fnt"), fntBytes(file));
        return font.load(BWString("%s", dir.path("font.fnt").c_str()));
    }
    TempDir dir;
};

// 'a' 3 pixels wide in red, 'b' 5 wide in green, both 4 high; one pixel of spacing.
FntFile redGreenFont()
{
    FntFile file = fontWithGlyphs("ab", {3, 5}, 4, {0xffff0000u, 0xff00ff00u});
    file.spacing = 1;
    return file;
}

TEST_F(FontDraw, GlyphsAdvanceWithSpacingAndNewlinesStartTheNextLine)
{
    BWFont font;
    ASSERT_TRUE(loadFont(font, redGreenFont()));
    EXPECT_EQ(font.textWidth(BWString("ab\nb")), 3 + 1 + 5 + 1);
    EXPECT_EQ(font.textHeight(BWString("ab\nb")), 2 * (4 + 1));
    font.draw(10, 10, BWString("ab\nb\xe9 a"));  // the space (width 0) and code 233 are skipped
    Capture frame = captureFrame();
    EXPECT_EQ(countExactly(frame, kRed, BWRect(10, 10, 3, 4)), 12);
    EXPECT_EQ(countExactly(frame, kGreen, BWRect(14, 10, 5, 4)), 20);
    EXPECT_EQ(countExactly(frame, kGreen, BWRect(10, 15, 5, 4)), 20);
    EXPECT_EQ(countExactly(frame, kRed, BWRect(16, 15, 3, 4)), 12);
    EXPECT_EQ(countExactly(frame, 0, BWRect(0, 0, 800, 600)), 800 * 600 - 2 * (12 + 20));
}

TEST_F(FontDraw, FixedWidthCentresNarrowGlyphs)
{
    FntFile file = fontWithGlyphs("i", {12}, 6, {0xffff0000u});
    file.fixedWidth = 20;
    file.spacing = 2;
    BWFont font;
    ASSERT_TRUE(loadFont(font, file));
    font.draw(BWString("ii"), 100, 100);
    Capture frame = captureFrame();
    EXPECT_EQ(countExactly(frame, kRed, BWRect(104, 100, 12, 6)), 72);
    EXPECT_EQ(countExactly(frame, kRed, BWRect(126, 100, 12, 6)), 72);  // pen at 100 + 20 + 2
    EXPECT_EQ(countExactly(frame, kRed, BWRect(0, 0, 800, 600)), 144);
}

TEST_F(FontDraw, RefusedFilesLeaveAFontThatDrawsNothing)
{
    std::vector<uint8_t> bytes = fntBytes(redGreenFont());
    bytes.pop_back();
    writeBytes(dir.path("font.fnt"), bytes);
    BWFont font;
    EXPECT_FALSE(font.load(BWString("%s", dir.path("font.fnt").c_str())));
    EXPECT_FALSE(font.load(BWString("%s", dir.path("missing.fnt").c_str())));
    font.draw(0, 0, BWString("abab"));
    EXPECT_EQ(countExactly(captureFrame(), 0, BWRect(0, 0, 800, 600)), 800 * 600);
}

TEST_F(FontDraw, SystemFontDrawsItsColourBelowThePoint)
{
    BWFont font(BWString("DejaVu Sans"), 24, BWColor(0xffff0000u));
    ASSERT_NE(font.listBase(), 0u);
    EXPECT_EQ(font.textWidth(BWString("Pellix")), 0);
    EXPECT_EQ(font.textHeight(BWString("x\ny")), 48);
    font.draw(50, 100, BWString("Pellix"));
    Capture frame = captureFrame();
    saveCapture(frame, "media_system_font");
    // Bold glyphs of a 32-pixel face whose baseline lies 24 pixels below the point.
    int32_t inked = countExactly(frame, kRed, BWRect(50, 99, 200, 40));
    EXPECT_GT(inked, 300);
    EXPECT_EQ(countExactly(frame, kRed, BWRect(0, 0, 800, 600)), inked);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));

    BWFont plain(BWString("DejaVu Sans"), 0, BWColor());
    EXPECT_EQ(plain.pointSize(), 12);
    EXPECT_EQ(plain.colour(), BWColor(0xff000000u));
    shutdown();
    plain.release();  // the lists went with the context
    EXPECT_EQ(plain.listBase(), 0u);
    EXPECT_FALSE(font.createSystem(BWString("DejaVu Sans"), 16, BWColor()));
}

} // namespace
