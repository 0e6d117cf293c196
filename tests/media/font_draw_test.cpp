// font_draw_test.cpp: ".fnt" fonts loaded from real files and system fonts, drawn into the
// harness window and checked on captured frames.
#include "gl_window.h"
#include "media/font.h"
#include "test_files.h"

#include <GL/gl.h>

namespace {

constexpr uint32_t red = 0xff0000;
constexpr uint32_t green = 0x00ff00;

class FontDraw : public GLWindowTest {
protected:
    // Loads the font after writing it as a ".fnt" file.
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
    EXPECT_EQ(font.charWidth('b'), 5);
    font.draw(10, 10, BWString("ab\nba"));
    Capture frame = captureFrame();
    EXPECT_EQ(countExactly(frame, red, BWRect(10, 10, 3, 4)), 12);
    EXPECT_EQ(countExactly(frame, 0, BWRect(13, 10, 1, 4)), 4);  // the spacing
    EXPECT_EQ(countExactly(frame, green, BWRect(14, 10, 5, 4)), 20);
    EXPECT_EQ(countExactly(frame, 0, BWRect(10, 14, 20, 1)), 20);  // spacing between lines
    EXPECT_EQ(countExactly(frame, green, BWRect(10, 15, 5, 4)), 20);
    EXPECT_EQ(countExactly(frame, red, BWRect(16, 15, 3, 4)), 12);
    EXPECT_EQ(countExactly(frame, 0, BWRect(0, 0, 800, 600)), 800 * 600 - 2 * (12 + 20));
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
}

TEST_F(FontDraw, FixedWidthCentresNarrowGlyphs)
{
    FntFile file = fontWithGlyphs("i", {12}, 6, {0xffff0000u});
    file.fixedWidth = 20;
    file.spacing = 2;
    BWFont font;
    ASSERT_TRUE(loadFont(font, file));
    font.draw(BWString("ii"), 100, 100);  // the other argument order
    Capture frame = captureFrame();
    EXPECT_EQ(countExactly(frame, 0, BWRect(100, 100, 4, 6)), 24);
    EXPECT_EQ(countExactly(frame, red, BWRect(104, 100, 12, 6)), 72);
    EXPECT_EQ(countExactly(frame, red, BWRect(126, 100, 12, 6)), 72);  // pen at 100 + 20 + 2
    EXPECT_EQ(countExactly(frame, red, BWRect(0, 0, 800, 600)), 144);
}

TEST_F(FontDraw, SkippedCharactersAndZeroWidthSpacesDrawLikeTheirAbsence)
{
    BWFont font;
    ASSERT_TRUE(loadFont(font, redGreenFont()));
    font.draw(20, 30, BWString("a \xe9z\x80" "b"));
    Capture skipped = captureFrame();
    clearScreen();
    font.draw(20, 30, BWString("ab"));
    Capture plain = captureFrame();
    EXPECT_EQ(skipped.pixels, plain.pixels);
    EXPECT_EQ(countExactly(plain, green, BWRect(24, 30, 5, 4)), 20);
}

TEST_F(FontDraw, RefusedFilesLeaveAFontThatDrawsNothing)
{
    std::vector<uint8_t> bytes = fntBytes(redGreenFont());
    bytes.pop_back();  // one byte short of its pixels
    writeBytes(dir.path("short.fnt"), bytes);
    bytes = fntBytes(redGreenFont());
    bytes[7] = 3;  // version 3
    writeBytes(dir.path("version.fnt"), bytes);
    for (const char* name : {"short.fnt", "version.fnt", "missing.fnt"}) {
        SCOPED_TRACE(name);
        BWFont font;
        EXPECT_FALSE(font.load(BWString("%s", dir.path(name).c_str())));
        font.draw(0, 0, BWString("abab"));
        EXPECT_EQ(font.textWidth(BWString("ab")), 0);
    }
    BWFont none;
    none.draw(0, 0, BWString());
    EXPECT_EQ(countExactly(captureFrame(), 0, BWRect(0, 0, 800, 600)), 800 * 600);
}

TEST_F(FontDraw, SystemFontDrawsItsColourBelowThePoint)
{
    BWFont font(BWString("DejaVu Sans"), 24, BWColor(0xffff0000u));
    ASSERT_EQ(font.kind(), BWFont::System);
    ASSERT_NE(font.listBase(), 0u);
    EXPECT_EQ(font.textWidth(BWString("Pellix")), 0);
    EXPECT_EQ(font.textHeight(BWString("x")), 24);
    EXPECT_EQ(font.textHeight(BWString("x\ny")), 48);
    font.draw(50, 100, BWString("Pellix"));
    Capture frame = captureFrame();
    saveCapture(frame, "media_system_font");
    // Bold glyphs of a 32-pixel face, their baseline 24 pixels below the point.
    int32_t inked = countExactly(frame, red, BWRect(50, 95, 200, 40));
    EXPECT_GT(inked, 300);
    EXPECT_EQ(countExactly(frame, red, BWRect(0, 0, 800, 600)), inked);
    EXPECT_EQ(countExactly(frame, red, BWRect(50, 95, 200, 4)), 0);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(colour[1], 1.0f);
}

TEST_F(FontDraw, SystemFontDefaultsAndRelease)
{
    fillRect(BWColor(0xffffffffu), BWRect(0, 0, 800, 600));
    BWFont font;
    ASSERT_TRUE(font.createSystem(BWString("DejaVu Sans"), 0, BWColor()));
    EXPECT_EQ(font.pointSize(), 12);
    EXPECT_EQ(font.colour(), BWColor(0xff000000u));
    font.draw(10, 10, BWString("Hello"));
    EXPECT_GT(countExactly(captureFrame(), 0x000000, BWRect(0, 0, 800, 600)), 20);

    font.release();
    EXPECT_EQ(font.kind(), BWFont::Bitmap);
    EXPECT_EQ(font.listBase(), 0u);
    BWFont lost(BWString("DejaVu Sans"), 16, BWColor(0xff00ff00u));
    shutdown();
    lost.release();  // the lists went with the context
    BWFont late;
    EXPECT_FALSE(late.createSystem(BWString("DejaVu Sans"), 16, BWColor()));
}

} // namespace
