// image_dialog_test.cpp: modal image dialogs run inside the game's loop: the answers to
// clicks, Enter, Escape and a close request, what the screen beneath hears and sees, and the
// name dialog with its text box, on captured frames.
#include "frame/clock.h"
#include "frame/loop.h"
#include "media/font.h"
#include "media/png_decode.h"
#include "tests/ui/widget_fixture.h"
#include "ui/button.h"
#include "ui/image_dialog.h"
#include "ui/textbox.h"

#include <optional>

namespace {

const BWString background("dialog_background.png");
const BWRect nameBoxRect(188, 316, 431, 20);
constexpr uint32_t boxWhite = 0xffffffffu;
constexpr uint32_t selectionBlue = 0x803070ffu;
// The box's white with the half-transparent blue over it.
constexpr uint32_t selectedWhite = 0xff97b7ffu;

// A dialog button made from the three pictures named after it.
std::unique_ptr<BWButton> dialogButton(const char* name, int32_t x, int32_t y)
{
    return std::make_unique<BWButton>(BWPoint(x, y), BWString("%s_button.png", name), BWString("%s_down.png", name),
                                      BWString("%s_highlight.png", name), BWString(), BWString());
}

// Whether the frame holds the picture's opaque pixels with their top-left corner at (x, y).
bool showsPicture(const Capture& frame, const char* file, int32_t x, int32_t y)
{
    int32_t width = 0;
    int32_t height = 0;
    std::unique_ptr<uint8_t[]> pixels = decodePng(BWString("%s", file), &width, &height);
    if (!pixels) {
        return false;
    }
    int32_t opaque = 0;
    int32_t matching = 0;
    for (int32_t row = 0; row < height; ++row) {
        for (int32_t column = 0; column < width; ++column) {
            const uint8_t* argb = &pixels[static_cast<size_t>((row * width + column) * 4)];
            if (argb[0] != 0xff) {
                continue;
            }
            ++opaque;
            const BWColor colour(0xff, argb[1], argb[2], argb[3]);
            matching += frame.countMatching(BWRect(x + column, y + row, 1, 1), colour);
        }
    }
    return opaque > width * height / 2 && matching == opaque;
}

class ImageDialogTest : public WidgetTest {
protected:
    // The exit dialog, opened at `ms` over the running screen; its answer lands in `answer`.
    void openExitDialog(uint64_t ms)
    {
        script.at(ms, [this] {
            auto yes = dialogButton("yes", 179, 364);
            auto no = dialogButton("no", 339, 364);
            auto main = dialogButton("main", 499, 364);
            answers.push_back(runDialog(background, BWString("dialog_exit.png"), yes->self(), no->self(), main->self()));
            depthsAfter.push_back(loopDepth());
        });
    }
    std::vector<int32_t> answers;
    std::vector<int32_t> depthsAfter;
};

} // namespace

TEST_F(ImageDialogTest, AOneButtonDialogAnswersOneToEnterKeypadEnterAndEscape)
{
    openTestWindow(15);
    ScreenLayer screen(journal);
    for (uint64_t start : {100, 1100, 2100}) {
        script.at(start, [this] {
            auto play = dialogButton("play", 339, 364);
            answers.push_back(runDialog(background, BWString("dialog_pause.png"), play->self()));
        });
    }
    script.keyDown(200, vk::enter);
    script.keyDown(1200, vk::enter, true);
    script.keyDown(2200, vk::escape);
    script.close(3000);
    run();
    EXPECT_EQ(answers, (std::vector<int32_t>{1, 1, 1}));
}

TEST_F(ImageDialogTest, EnterChoosesTheFirstButtonEscapeTheSecondAndAClickAnyOfThem)
{
    openTestWindow(15);
    ScreenLayer screen(journal);
    openExitDialog(100);
    script.keyDown(200, vk::enter);
    openExitDialog(1000);
    script.keyDown(1100, vk::escape);
    openExitDialog(2000);
    script.click(2100, 560, 380);
    openExitDialog(3000);
    script.click(3100, 400, 400);  // the no button
    script.close(4000);
    run();
    EXPECT_EQ(answers, (std::vector<int32_t>{1, 2, 3, 2}));
    EXPECT_EQ(depthsAfter, (std::vector<int32_t>{1, 1, 1, 1}));
}

TEST_F(ImageDialogTest, ACloseRequestEndsTheDialogWithZeroAndTheGameGoesOn)
{
    openTestWindow(15);
    ScreenLayer screen(journal);
    openExitDialog(100);
    script.close(300);
    std::optional<int> ticksAfterDialog;
    script.at(500, [&] { ticksAfterDialog = screen.ticks; });
    script.close(1000);
    run();
    EXPECT_EQ(answers, (std::vector<int32_t>{0}));
    EXPECT_EQ(depthsAfter, (std::vector<int32_t>{1}));
    // Only the outermost close asked the screen; it kept running in between.
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: canclose"}));
    ASSERT_TRUE(ticksAfterDialog.has_value());
    EXPECT_GT(screen.ticks, *ticksAfterDialog + 5);
}

TEST_F(ImageDialogTest, TheScreenBeneathHearsNothingButKeepsTickingAndDrawing)
{
    openTestWindow(15);
    ScreenLayer screen(journal);
    openExitDialog(100);
    int ticksAtOpen = 0;
    int drawsAtOpen = 0;
    script.at(150, [&] {
        ticksAtOpen = screen.ticks;
        drawsAtOpen = screen.draws;
    });
    script.click(200, 20, 20);
    script.click(210, 400, 300, 2);
    script.mouseMove(220, 100, 100);
    script.wheel(230, 100, 100, -120);
    script.keyDown(240, vk::a);
    script.typeChar(240, 'a');
    script.keyUp(240, vk::a);
    script.at(1150, [&] {
        EXPECT_GE(screen.ticks - ticksAtOpen, 14);
        EXPECT_GE(screen.draws - drawsAtOpen, 14);
    });
    script.click(1200, 200, 380);  // yes
    script.close(2000);
    run();
    EXPECT_EQ(answers, (std::vector<int32_t>{1}));
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: canclose"}));
}

TEST_F(ImageDialogTest, TheThreeButtonDialogShowsItsButtonsOverTheDimmedScreen)
{
    openTestWindow(15);
    ScreenLayer screen(journal);
    openExitDialog(100);
    script.mouseDown(200, 520, 380);  // main, held
    script.at(300, [&] {
        Capture frame = captureFrame();
        saveCapture(frame, "dialog_three_buttons");
        // The screen shows dimmed around the dialog's panel, not at full strength.
        EXPECT_EQ(frame.countMatching(BWRect(0, 0, 100, 100), BWColor(screenColour), 8), 0);
        const uint32_t corner = frame.pixel(10, 10);
        EXPECT_TRUE(frame.regionIs(BWRect(0, 0, 100, 100), BWColor(corner)));
        // Each button shows its own picture in its place, the held one its pressed picture.
        EXPECT_TRUE(showsPicture(frame, "yes_button.png", 179, 364));
        EXPECT_TRUE(showsPicture(frame, "no_button.png", 339, 364));
        EXPECT_TRUE(showsPicture(frame, "main_down.png", 499, 364));
        EXPECT_FALSE(showsPicture(frame, "main_button.png", 499, 364));
    });
    script.mouseUp(400, 520, 380);
    script.close(2000);
    run();
    EXPECT_EQ(answers, (std::vector<int32_t>{3}));
}

TEST_F(ImageDialogTest, TheNameDialogReturnsTheTypedTextOnEnterWithItsSelectionAndCaretDrawn)
{
    openTestWindow(15);
    ScreenLayer screen(journal);
    BWFont font(BWString("font_main.fnt"));
    std::optional<BWString> name;
    BWTextboxHandle* shown = nullptr;
    script.at(100, [&] {
        auto done = dialogButton("done", 339, 364);
        BWTextboxHandle box(&font, BWColor(boxWhite), BWColor(selectionBlue), BWString("Player"), nameBoxRect);
        shown = &box;
        name = runTextDialog(background, BWString("dialog_textbox.png"), done->self(), &box);
    });
    script.at(200, [&] {
        // Opened focused with the whole name selected: the selection reaches from the box's
        // left edge to the end of the name, the rest of the box stays white.
        const BWTextbox& textbox = shown->box();
        const int32_t end = textbox.boundaryX(6);
        Capture frame = captureFrame();
        saveCapture(frame, "name_dialog_selection");
        EXPECT_GT(end, nameBoxRect.x + 30);
        EXPECT_TRUE(frame.regionIs(BWRect(nameBoxRect.x, nameBoxRect.y, 1, nameBoxRect.h), BWColor(selectedWhite), 3));
        // Above and below the glyphs the selection runs exactly to the end of the name.
        for (int32_t y : {nameBoxRect.y, nameBoxRect.bottom() - 1}) {
            EXPECT_TRUE(frame.regionIs(BWRect(nameBoxRect.x, y, end - nameBoxRect.x, 1), BWColor(selectedWhite), 3));
            EXPECT_TRUE(frame.regionIs(BWRect(end, y, 200, 1), BWColor(boxWhite)));
        }
    });
    script.typeChar(300, 'A');
    script.typeChar(310, 'n');
    script.typeChar(320, 'n');
    script.at(2100, [&] {
        // 2100 ms: in the dark half of the caret's second.
        const BWTextbox& textbox = shown->box();
        const int32_t caretX = textbox.boundaryX(3);
        const BWRect caret(caretX, nameBoxRect.y + textbox.inset(), 1, nameBoxRect.h - 2 * textbox.inset() - 2);
        Capture frame = captureFrame();
        saveCapture(frame, "name_dialog_caret");
        EXPECT_TRUE(frame.regionIs(caret, BWColor(0xff000000u)));
        EXPECT_TRUE(frame.regionIs(BWRect(caretX + 1, nameBoxRect.y, 200, nameBoxRect.h), BWColor(boxWhite)));
        EXPECT_EQ(frame.countMatching(nameBoxRect, BWColor(selectedWhite), 3), 0);
    });
    script.at(2600, [&] {
        const BWTextbox& textbox = shown->box();
        EXPECT_TRUE(captureFrame().regionIs(BWRect(textbox.boundaryX(3), nameBoxRect.y + 2, 1, 10), BWColor(boxWhite)));
    });
    script.keyDown(3000, vk::enter);
    script.close(4000);
    run();
    ASSERT_TRUE(name.has_value());
    EXPECT_EQ(*name, "Ann");
}

TEST_F(ImageDialogTest, ATextDialogEndedWithoutTextGivesAnEmptyText)
{
    openTestWindow(15);
    ScreenLayer screen(journal);
    BWFont font(BWString("font_main.fnt"));
    std::vector<BWString> names;
    for (uint64_t start : {100, 1000}) {
        script.at(start, [&] {
            auto done = dialogButton("done", 339, 364);
            auto no = dialogButton("no", 419, 364);
            BWTextboxHandle box(&font, BWColor(boxWhite), BWColor(selectionBlue), BWString(), nameBoxRect);
            names.push_back(runTextDialog(background, BWString("dialog_textbox.png"), done->self(), no->self(), &box));
        });
    }
    script.keyDown(200, vk::escape);
    script.close(1100);
    script.close(2000);
    run();
    ASSERT_EQ(names.size(), 2u);
    for (const BWString& name : names) {
        ASSERT_NE(name.chars(), nullptr);
        EXPECT_EQ(name, "");
    }
}
