// textbox_test.cpp: the text box through the real routing: typing and the width limit, the
// editing keys, the clipboard, the pointer, the key repeat on the manual clock, the drawing.
#include "frame/clock.h"
#include "frame/loop.h"
#include "media/font.h"
#include "tests/ui/widget_fixture.h"
#include "ui/button.h"
#include "ui/textbox.h"

namespace {

// Letters 10 pixels wide and 16 high, 'w' 20 wide; the box's text starts 2 pixels in.
const BWRect wideBox(100, 100, 300, 20);
// Room for six narrow letters: a seventh would leave less than the margin and one pixel.
const BWRect narrowBox(100, 100, 63, 20);
constexpr uint32_t boxBlack = 0xff000000u;

class BoxScreen : public ScreenLayer {
public:
    using ScreenLayer::ScreenLayer;
    const BWTextboxHandle* shown = nullptr;
    void onDraw() override
    {
        ScreenLayer::onDraw();
        if (shown) shown->draw();
    }
};

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
    // A focused box over the screen with the insertion point at the end of its text.
    std::unique_ptr<BWTextboxHandle> focusedBox(const char* text, BWRect rect = wideBox)
    {
        auto box = std::make_unique<BWTextboxHandle>(&font, BWColor(boxBlack), BWColor(0x80ffffffu),
                                                     BWString("%s", text), rect);
        box->focus();
        box->box().onKeyDown(63);  // End
        box->box().onKeyUp(63);
        journal.clear();  // the screen heard the release
        return box;
    }
    void typeText(uint64_t ms, const char* text)
    {
        for (; *text; ++text, ++ms) {
            script.typeChar(ms, static_cast<uint8_t>(*text));
        }
    }
    // The text at that moment, written down with a label.
    void noteText(uint64_t ms, const BWTextboxHandle& box, std::vector<std::string>& notes)
    {
        script.at(ms, [&box, &notes] { notes.push_back(textOf(box)); });
    }
    void noteSelection(uint64_t ms, const BWTextboxHandle& box, std::vector<std::pair<int, int>>& notes)
    {
        script.at(ms, [&box, &notes] { notes.emplace_back(box.box().anchor(), box.box().caret()); });
    }

    BWFont font;
};

} // namespace

TEST_F(TextboxTest, HandlesCountTheirOwnIdsApartFromButtons)
{
    open();
    BWTextboxHandle first(&font, BWColor(), BWColor(), BWString(), wideBox);
    BWButton button;
    BWTextboxHandle second(&font, BWColor(), BWColor(), BWString(), wideBox);
    EXPECT_EQ(second.id(), first.id() + 1);
    EXPECT_EQ(textOf(first), "<null>");
    EXPECT_EQ(first.box().anchor(), 0);
    EXPECT_EQ(first.box().inset(), 2);
}

TEST_F(TextboxTest, AFullBoxBeepsAndChangesNothingButTypingOverASelectionStillDeletesIt)
{
    open();
    BoxScreen screen(journal);
    auto box = focusedBox("abcde", narrowBox);
    const int beeps = platformBeepCount();
    std::vector<std::string> texts;
    script.typeChar(100, 'f');
    script.typeChar(110, 'g');
    noteText(150, *box, texts);
    tapWith(200, vk::shift, vk::left, true);  // selects the f
    script.typeChar(210, 'w');                // twice as wide: it does not fit even then
    noteText(250, *box, texts);
    run();
    EXPECT_EQ(texts, (std::vector<std::string>{"abcdef", "abcde"}));
    EXPECT_EQ(platformBeepCount() - beeps, 2);
    EXPECT_EQ(box->box().anchor(), 5);
}

TEST_F(TextboxTest, RefusedCharactersBeepAndOnlyAFocusedBoxTypes)
{
    open();
    BoxScreen screen(journal);
    auto box = focusedBox("ab");
    const int beeps = platformBeepCount();
    script.typeChar(100, '1');  // no glyph
    script.at(150, [&] { screen.insertAnswer = false; });
    script.typeChar(200, 'c');  // the screen says no
    script.at(250, [&] { screen.insertAnswer = true; });
    script.keyDown(300, 91, true);  // the Windows key: characters typed with it are shortcuts
    script.typeChar(310, 'd');
    script.keyUp(320, 91, true);
    script.typeChar(400, 'e');
    script.at(450, [&] { box->unfocus(); });
    script.typeChar(500, 'f');
    run();
    EXPECT_EQ(textOf(*box), "abe");
    EXPECT_EQ(platformBeepCount() - beeps, 2);
    const std::string id = std::to_string(box->id());
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: insert " + id + " c", "screen: keydown 11", "screen: keyup 11",
                                                 "screen: insert " + id + " e", "screen: char f", "screen: canclose"}));
}

TEST_F(TextboxTest, BackspaceAndDeleteStopAtTheEndsAndAnEmptiedTextIsNotNull)
{
    open();
    BoxScreen screen(journal);
    auto box = focusedBox("abc");
    std::vector<std::string> texts;
    tap(100, vk::del, true);
    noteText(110, *box, texts);
    tap(200, vk::home, true);
    tap(210, vk::backspace);
    noteText(220, *box, texts);
    tap(300, vk::del, true);
    noteText(310, *box, texts);
    tap(400, vk::end, true);
    tap(410, vk::backspace);
    tap(420, vk::backspace);
    noteText(430, *box, texts);
    run();
    EXPECT_EQ(texts, (std::vector<std::string>{"abc", "abc", "bc", ""}));
    ASSERT_NE(box->text().chars(), nullptr);
}

TEST_F(TextboxTest, ShiftWithAnArrowStepsOverTheAnchorAndPlainArrowsCollapseASelection)
{
    open();
    BoxScreen screen(journal);
    auto box = focusedBox("abcdefg");
    std::vector<std::pair<int, int>> selections;
    tap(100, vk::left, true);
    tap(101, vk::left, true);            // insertion point at 5
    tapWith(110, vk::shift, vk::left, true);
    noteSelection(120, *box, selections);  // 5, 4
    tapWith(130, vk::shift, vk::right, true);
    noteSelection(140, *box, selections);  // over the anchor: 5, 6
    tapWith(150, vk::shift, vk::right, true);
    tapWith(160, vk::shift, vk::left, true);
    tapWith(170, vk::shift, vk::left, true);
    noteSelection(180, *box, selections);  // 7, 6, then over the anchor to 4
    tapWith(190, vk::shift, vk::up, true);
    noteSelection(200, *box, selections);
    tap(210, vk::right, true);
    noteSelection(220, *box, selections);  // the right end, no further
    tapWith(230, vk::shift, vk::down, true);
    tap(240, vk::left, true);
    noteSelection(250, *box, selections);  // the left end, no further
    tap(260, vk::down, true);
    noteSelection(270, *box, selections);
    run();
    EXPECT_EQ(selections, (std::vector<std::pair<int, int>>{{5, 4}, {5, 6}, {5, 4}, {5, 0}, {5, 5}, {5, 5}, {7, 7}}));
}

TEST_F(TextboxTest, ControlAThenALetterReplacesTheWholeText)
{
    open();
    BoxScreen screen(journal);
    auto box = focusedBox("hello");
    tap(100, vk::a);  // without Control it is not the box's
    tapWith(200, vk::control, vk::a);
    script.typeChar(210, 'x');
    run();
    EXPECT_EQ(textOf(*box), "x");
    // Plain A and Control itself are not the box's; the letter is offered to the screen.
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: keydown 12", "screen: keyup 12", "screen: keydown 8",
                                                 "screen: keyup 12", "screen: keyup 8",
                                                 "screen: insert " + std::to_string(box->id()) + " x",
                                                 "screen: canclose"}));
}

TEST_F(TextboxTest, CopyAndCutGoThroughTheSystemClipboard)
{
    open();
    BoxScreen screen(journal);
    auto box = focusedBox("abcdef");
    std::vector<std::string> clipboard;
    std::vector<std::string> texts;
    tap(100, vk::home, true);
    tap(101, vk::right, true);
    for (uint64_t ms : {110, 111, 112}) {
        tapWith(ms, vk::shift, vk::right, true);
    }
    tapWith(120, vk::control, vk::c);
    script.at(130, [&] { clipboard.push_back(platformClipboardText()); });
    noteText(130, *box, texts);
    tap(140, vk::end, true);
    tapWith(150, vk::shift, vk::left, true);
    tapWith(160, vk::control, vk::x);
    script.at(170, [&] { clipboard.push_back(platformClipboardText()); });
    noteText(170, *box, texts);
    run();
    EXPECT_EQ(clipboard, (std::vector<std::string>{"bcd", "f"}));
    EXPECT_EQ(texts, (std::vector<std::string>{"abcdef", "abcde"}));
}

TEST_F(TextboxTest, PasteSkipsLineBreaksAndStopsWithOneBeepAtTheFirstCharacterThatDoesNotFit)
{
    open();
    BoxScreen screen(journal);
    auto wide = focusedBox("");
    std::vector<std::string> texts;
    int beepsBefore = 0;
    script.at(50, [&] {
        ASSERT_TRUE(platformSetClipboardText("two\nwords"));
        beepsBefore = platformBeepCount();
    });
    tapWith(100, vk::control, vk::v);
    noteText(110, *wide, texts);
    std::unique_ptr<BWTextboxHandle> narrow;
    script.at(200, [&] {
        narrow = focusedBox("", narrowBox);
        platformSetClipboardText("abc\tdefghij");
    });
    tapWith(300, vk::control, vk::v);
    script.at(310, [&] { texts.push_back(textOf(*narrow)); });
    run();
    EXPECT_EQ(texts, (std::vector<std::string>{"twowords", "abcdef"}));
    EXPECT_EQ(platformBeepCount() - beepsBefore, 1);
    EXPECT_EQ(narrow->box().caret(), 6);
}

TEST_F(TextboxTest, APressPlacesTheInsertionPointAtTheNearestCharacterBoundary)
{
    open();
    BoxScreen screen(journal);
    auto box = focusedBox("abcd");  // characters from x 102, 10 pixels each
    std::vector<std::pair<int, int>> selections;
    const std::vector<int32_t> presses = {101, 106, 107, 108, 126, 390};
    for (size_t i = 0; i < presses.size(); ++i) {
        script.click(100 + 10 * i, presses[i], 110);
        noteSelection(105 + 10 * i, *box, selections);
    }
    // Dragging selects from the press, inside the box and beyond it.
    script.mouseDown(200, 104, 110);
    script.mouseMove(210, 126, 105);
    noteSelection(215, *box, selections);
    script.mouseMove(220, 600, 300);
    script.mouseUp(230, 600, 300);
    noteSelection(235, *box, selections);
    script.mouseMove(240, 104, 300);  // no longer dragging: the selection stays
    noteSelection(245, *box, selections);
    run();
    EXPECT_EQ(selections, (std::vector<std::pair<int, int>>{
                              {0, 0}, {0, 0}, {1, 1}, {1, 1}, {2, 2}, {4, 4}, {0, 2}, {0, 4}, {0, 4}}));
    // The box keeps its presses and, while dragging, the moves; releases and later moves go on.
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: up 1 @101,110", "screen: up 1 @106,110",
                                                 "screen: up 1 @107,110", "screen: up 1 @108,110",
                                                 "screen: up 1 @126,110", "screen: up 1 @390,110", "screen: up 1 @600,300",
                                                 "screen: move @104,300", "screen: canclose"}));
}

TEST_F(TextboxTest, PressesOutsideOrOnADisabledBoxGoDownAndTakeTheFocus)
{
    open();
    BoxScreen screen(journal);
    auto box = focusedBox("abcd");
    std::vector<int> focused;
    auto noteFocus = [&](uint64_t ms) { script.at(ms, [&] { focused.push_back(box->box().isFocused()); }); };
    script.mouseDown(100, 50, 50);
    noteFocus(110);
    script.at(120, [&] { sendMouseDoubleClick(150, 110, 1); });
    noteFocus(130);
    script.at(200, [&] { box->disable(); });
    script.mouseDown(210, 150, 110);
    noteFocus(220);
    tap(230, vk::tab);  // a disabled box takes no focus from Tab either
    script.at(300, [&] { box->enable(); });
    tap(310, vk::tab);
    noteFocus(320);
    tap(330, vk::tab);
    noteFocus(340);
    run();
    EXPECT_EQ(focused, (std::vector<int>{0, 1, 0, 1, 0}));
    EXPECT_EQ(box->box().caret(), 4);
    // The second press first releases the held button (the frame's pairing), which the box
    // passes on; Tab goes down except when it gives the focus.
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: down 1 @50,50", "screen: up 1 @150,110",
                                                 "screen: down 1 @150,110", "screen: keydown 5", "screen: keyup 5",
                                                 "screen: keyup 5", "screen: keydown 5", "screen: keyup 5",
                                                 "screen: canclose"}));
}

TEST_F(TextboxTest, HeldBackspaceRepeatsAfterSevenHundredMillisecondsThenQuickly)
{
    open(300);  // a tick every 3 or 4 ms, so the repeat's own timing shows
    BoxScreen screen(journal);
    auto box = focusedBox("abcdefghijkl");
    std::vector<std::string> texts;
    script.keyDown(1000, vk::backspace);
    // The first repeat comes at the first tick past 1700 ms, the later ones at the first tick
    // more than 70 ms after the one before.
    for (uint64_t ms : {1690, 1710, 1770, 1785, 1840, 1860}) {
        noteText(ms, *box, texts);
    }
    script.keyUp(1900, vk::backspace);
    noteText(2900, *box, texts);
    // A held letter types once.
    script.keyDown(3000, vk::a);
    script.typeChar(3000, 'x');
    noteText(4500, *box, texts);
    script.keyUp(4600, vk::a);
    script.close(5000);
    run();
    EXPECT_EQ(texts, (std::vector<std::string>{"abcdefghijk", "abcdefghij", "abcdefghij", "abcdefghi", "abcdefghi",
                                               "abcdefgh", "abcdefgh", "abcdefghx"}));
}

TEST_F(TextboxTest, ADisabledBoxIsWashedOutAndABoxWithoutAFontDrawsOnlyItsBackground)
{
    open();
    BoxScreen screen(journal);
    testing::internal::CaptureStderr();
    BWTextboxHandle fontless(nullptr, BWColor(0xff0000ffu), BWColor(), BWString("abc"), BWRect(100, 200, 100, 30));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "Initializing BWTextbox with a NULL font value.");
    EXPECT_EQ(fontless.box().inset(), 15);
    auto box = focusedBox("ab");
    screen.shown = box.get();
    box->disable();
    Capture frame = captureFrame();
    // Black under white at half strength, the letters and no caret showing through it.
    EXPECT_EQ(frame.countMatching(wideBox, BWColor(0xff808080u), 2), wideBox.w * wideBox.h - 2 * 10 * 16);
    EXPECT_EQ(frame.countMatching(BWRect(102, 102, 20, 16), BWColor(0xffffffffu), 0), 2 * 10 * 16);
    screen.shown = &fontless;
    fontless.focus();
    EXPECT_TRUE(captureFrame().regionIs(BWRect(100, 200, 100, 30), BWColor(0xff0000ffu)));

    const int beeps = platformBeepCount();
    script.typeChar(100, 'a');
    script.typeChar(110, 'b');
    run();
    EXPECT_EQ(platformBeepCount() - beeps, 2);
    EXPECT_EQ(textOf(fontless), "abc");
}
