// textbox_test.cpp: the text box through the real routing: typing, editing, pointer, repeat, drawing.
#include "frame/loop.h"
#include "media/font.h"
#include "tests/ui/widget_fixture.h"
#include "ui/button.h"
#include "ui/textbox.h"

namespace {

// With the test font (letters 10 pixels wide, 'w' 20, all 16 high) the text starts 2 pixels in.
const BWRect kWideBox(100, 100, 300, 20);
// Room for six letters: a seventh would leave less than the margin and one pixel.
const BWRect kNarrowBox(100, 100, 63, 20);

std::string textOf(const BWTextboxHandle& box)
{
    return box.text().chars() ? box.text().chars() : "<null>";
}

class TextboxTest : public WidgetTest {
protected:
    void open(int32_t framesPerSecond = 0)
    {
        openTestWindow(framesPerSecond);
        const std::string letters = "abcdefghijklmnopqrstuvwxyz";
        std::vector<int32_t> widths(letters.size(), 10);
        widths[letters.find('w')] = 20;
        writeBytes(files.path("letters.fnt"), fntBytes(fontWithGlyphs(letters, widths, 16)));
        ASSERT_TRUE(font.load(BWString("%s", files.path("letters.fnt").c_str())));
    }
    // Focused, with the insertion point at the end of the text.
    std::unique_ptr<BWTextboxHandle> focusedBox(const char* text, BWRect rect = kWideBox)
    {
        auto box = std::make_unique<BWTextboxHandle>(&font, BWColor(0xff000000u), BWColor(0x80ffffffu),
                                                     BWString("%s", text), rect);
        box->focus();
        box->box().onKeyDown(63);  // End, and its release, which the screen hears
        box->box().onKeyUp(63);
        journal.clear();
        return box;
    }
    // Plays keys one millisecond apart: letters are typed; < > ^ $ are Left, Right, Home, End,
    // [ ] { } Left, Right, Up, Down with Shift; ~ is Backspace, # Delete; & @ % * are A, C, X, V
    // with Control.
    void keys(uint64_t ms, const std::string& keys)
    {
        const std::string extendedKeys = "<>^$[]{}#";
        const int32_t extendedCodes[] = {vkLeft, vkRight, vkHome, vkEnd, vkLeft,
                                         vkRight, vkUp, vkDown, vkDelete};
        const std::string controlKeys = "&@%*";
        const int32_t controlCodes[] = {'A', 'C', 'X', 'V'};
        for (char key : keys) {
            ++ms;
            if (size_t at = extendedKeys.find(key); at != std::string::npos) {
                at < 4 || at == 8 ? tap(ms, extendedCodes[at], true) : tapWith(ms, vkShift, extendedCodes[at], true);
            } else if (size_t at = controlKeys.find(key); at != std::string::npos) {
                tapWith(ms, vkControl, controlCodes[at]);
            } else if (key == '~') {
                tap(ms, vkBackspace);
            } else {
                script.typeChar(ms, static_cast<uint8_t>(key));
            }
        }
    }

    BWFont font;
};

struct Editing {
    const char* text;
    BWRect rect;
    const char* clipboardBefore;
    const char* keys;
    const char* expected;
    int32_t anchor;
    int32_t caret;
    int beeps;
    const char* clipboardAfter;
};

} // namespace

TEST_F(TextboxTest, EditingKeysTypingAndTheClipboard)
{
    const Editing cases[] = {
        {"abcde", kNarrowBox, "", "fg", "abcdef", 6, 6, 1, ""},              // full: a beep, no change
        {"abcdef", kNarrowBox, "", "[w", "abcde", 5, 5, 1, ""},             // the selection still goes
        {"abc", kWideBox, "", "#^~", "abc", 0, 0, 0, ""},                   // Delete at the end, Backspace at 0
        {"abc", kWideBox, "", "~^#~~", "b", 0, 0, 0, ""},                   // an emptied text is "", not null
        {"abcdefg", kWideBox, "", "<<[", "abcdefg", 5, 4, 0, ""},
        {"abcdefg", kWideBox, "", "<<[]", "abcdefg", 5, 6, 0, ""},          // over the anchor, never empty
        {"abcdefg", kWideBox, "", "<<[]][[", "abcdefg", 5, 4, 0, ""},
        {"abcdefg", kWideBox, "", "<<{", "abcdefg", 5, 0, 0, ""},
        {"abcdefg", kWideBox, "", "^>>]]]<", "abcdefg", 2, 2, 0, ""},       // Left collapses to the left end
        {"abcdefg", kWideBox, "", "^>>]]]>", "abcdefg", 5, 5, 0, ""},       // Right to the right end
        {"abcdefg", kWideBox, "", "^>}$", "abcdefg", 7, 7, 0, ""},
        {"hello", kWideBox, "", "&x", "x", 1, 1, 0, ""},
        {"abcdef", kWideBox, "", "^>]]]@", "abcdef", 1, 4, 0, "bcd"},
        {"abcdef", kWideBox, "", "[%", "abcde", 5, 5, 0, "f"},
        {"ab", kWideBox, "two\nwords", "*", "abtwowords", 10, 10, 0, "two\nwords"},
        {"", kNarrowBox, "abc\tdefghij", "*", "abcdef", 6, 6, 1, "abc\tdefghij"},  // one beep, the rest dropped
        {"abc", kWideBox, "xy", "<[*", "axyc", 3, 3, 0, "xy"},              // a paste replaces the selection
    };
    open();
    std::unique_ptr<ScreenLayer> screen;
    std::unique_ptr<BWTextboxHandle> box;
    int beeps = 0;
    for (size_t i = 0; i < std::size(cases); ++i) {
        const Editing& test = cases[i];
        const uint64_t start = 1000 * (i + 1);
        script.at(start, [&] {
            screen = std::make_unique<ScreenLayer>(journal);
            box = focusedBox(test.text, test.rect);
            ASSERT_TRUE(platformSetClipboardText(test.clipboardBefore));
            beeps = platformBeepCount();
        });
        keys(start, test.keys);
        script.at(start + 500, [&] {
            EXPECT_EQ(textOf(*box), test.expected) << test.keys;
            EXPECT_EQ(box->box().anchor(), test.anchor) << test.keys;
            EXPECT_EQ(box->box().caret(), test.caret) << test.keys;
            EXPECT_EQ(platformBeepCount() - beeps, test.beeps) << test.keys;
            EXPECT_EQ(platformClipboardText(), test.clipboardAfter) << test.keys;
            box.reset();
            screen.reset();
        });
    }
    run();
}

TEST_F(TextboxTest, RefusedCharactersBeepAndOnlyAFocusedBoxTypes)
{
    open();
    ScreenLayer screen(journal);
    auto box = focusedBox("ab");
    const int beeps = platformBeepCount();
    keys(100, "1");  // no glyph
    script.at(150, [&] { screen.insertAnswer = false; });
    keys(200, "c");  // the screen says no
    script.at(250, [&] { screen.insertAnswer = true; });
    script.keyDown(300, vkLeftWindows, true);  // the Windows key: what is typed with it is a shortcut
    keys(310, "d");
    script.keyUp(320, vkLeftWindows, true);
    keys(400, "e");
    script.at(450, [&] { box->unfocus(); });
    keys(500, "f");
    run();
    EXPECT_EQ(textOf(*box), "abe");
    EXPECT_EQ(platformBeepCount() - beeps, 2);
    const std::string id = std::to_string(box->id());
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: insert " + id + " c", "screen: keydown 11", "screen: keyup 11",
                                                 "screen: insert " + id + " e", "screen: char f", "screen: canclose"}));
}

TEST_F(TextboxTest, APressPlacesTheInsertionPointAtTheNearestBoundaryAndADragSelects)
{
    open();
    ScreenLayer screen(journal);
    auto box = focusedBox("abcd");  // letters from x 102
    std::vector<std::pair<int, int>> selections;
    auto note = [&](uint64_t ms) {
        script.at(ms, [&] { selections.emplace_back(box->box().anchor(), box->box().caret()); });
    };
    const std::vector<int32_t> presses = {101, 106, 107, 126, 390};
    for (size_t i = 0; i < presses.size(); ++i) {
        script.click(100 + 10 * i, presses[i], 110);
        note(105 + 10 * i);
    }
    script.mouseDown(200, 104, 110);
    script.mouseMove(210, 126, 105);
    note(215);
    script.mouseMove(220, 600, 300);  // beyond the box, still dragging
    script.mouseUp(230, 600, 300);
    script.mouseMove(240, 104, 300);
    note(245);
    run();
    EXPECT_EQ(selections, (std::vector<std::pair<int, int>>{{0, 0}, {0, 0}, {1, 1}, {2, 2}, {4, 4}, {0, 2}, {0, 4}}));
}

TEST_F(TextboxTest, PressesOutsideOrOnADisabledBoxGoDownAndTabMovesTheFocus)
{
    open();
    ScreenLayer screen(journal);
    auto box = focusedBox("abcd");
    std::vector<int> focused;
    auto note = [&](uint64_t ms) { script.at(ms, [&] { focused.push_back(box->box().isFocused()); }); };
    script.click(100, 50, 50);
    note(110);
    script.at(120, [&] { sendMouseDoubleClick(150, 110, 1); });
    note(130);
    script.at(200, [&] { box->disable(); });
    script.click(210, 150, 110);
    note(220);
    tap(230, vkTab);  // nor does Tab focus a disabled box
    script.at(300, [&] { box->enable(); });
    tap(310, vkTab);
    note(320);
    tap(330, vkTab);
    note(340);
    run();
    EXPECT_EQ(focused, (std::vector<int>{0, 1, 0, 1, 0}));
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: down 1 @50,50", "screen: up 1 @50,50", "screen: down 1 @150,110",
                                                 "screen: up 1 @150,110", "screen: keydown 5", "screen: keyup 5",
                                                 "screen: keyup 5", "screen: keydown 5", "screen: keyup 5",
                                                 "screen: canclose"}));
}

TEST_F(TextboxTest, HeldBackspaceRepeatsAfterSevenHundredMillisecondsThenQuickly)
{
    open(300);  // a tick every 3 or 4 ms, so the repeat's own timing shows
    ScreenLayer screen(journal);
    auto box = focusedBox("abcdefghijkl");
    std::vector<size_t> lengths;
    auto note = [&](uint64_t ms) { script.at(ms, [&] { lengths.push_back(box->text().length()); }); };
    script.keyDown(1000, vkBackspace);
    // The first repeat comes at the first tick past 1700 ms, each later one at the first tick
    // more than 70 ms after the one before.
    for (uint64_t ms : {1690, 1710, 1770, 1785, 1840, 1860}) {
        note(ms);
    }
    script.keyUp(1900, vkBackspace);
    note(2900);
    script.keyDown(3000, 'A');  // a held letter types once
    script.typeChar(3000, 'x');
    note(4500);
    script.close(5000);
    run();
    EXPECT_EQ(lengths, (std::vector<size_t>{11, 10, 10, 9, 9, 8, 8, 9}));
}

TEST_F(TextboxTest, AtTheGamesFrameRateAHeldKeyStillRepeatsAboutEverySeventyMilliseconds)
{
    open(15);  // ticks 66 or 67 ms apart, fewer than the repeats
    ScreenLayer screen(journal);
    auto box = focusedBox(std::string(40, 'a').c_str());
    script.keyDown(1000, vkBackspace);
    script.keyUp(3100, vkBackspace);
    script.close(3500);
    run();
    // The press itself, then one repeat at 700 ms and one every 70 ms up to 2100 ms.
    const int erased = 40 - static_cast<int>(box->text().length());
    EXPECT_NEAR(erased, 1 + 20, 2);
}

TEST_F(TextboxTest, DisabledIsWashedOutAndWithoutAFontOnlyTheBackgroundShowsAndEveryKeyBeeps)
{
    open();
    ScreenLayer screen(journal);
    testing::internal::CaptureStderr();
    BWTextboxHandle fontless(nullptr, BWColor(0xff0000ffu), BWColor(), BWString("abc"), BWRect(100, 200, 100, 30));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Initializing BWTextbox with a NULL font value.");
    BWButton between;
    auto box = focusedBox("ab");
    EXPECT_EQ(box->id(), fontless.id() + 1);  // the button took none of theirs
    box->disable();
    screen.drawOnTop = [&] { box->draw(), fontless.draw(); };
    fontless.focus();
    Capture frame = captureFrame();
    // Black under white at half strength; the white letters, and no caret.
    EXPECT_EQ(frame.countMatching(kWideBox, BWColor(0xff808080u)), kWideBox.w * kWideBox.h - 2 * 10 * 16);
    EXPECT_EQ(frame.countMatching(BWRect(102, 102, 20, 16), BWColor(0xffffffffu), 0), 2 * 10 * 16);
    EXPECT_TRUE(frame.regionIs(BWRect(100, 200, 100, 30), BWColor(0xff0000ffu)));
    EXPECT_EQ(fontless.box().inset(), 15);
    const int beeps = platformBeepCount();
    keys(100, "ab");
    run();
    EXPECT_EQ(platformBeepCount() - beeps, 2);
    EXPECT_EQ(textOf(fontless), "abc");
}
