// image_dialog_test.cpp: modal image dialogs in the loop: answers, the screen beneath, the name box.
#include "frame/loop.h"
#include "game/screen_layout.h"
#include "media/font.h"
#include "media/png_decode.h"
#include "tests/ui/widget_fixture.h"
#include "ui/button.h"
#include "ui/image_dialog.h"
#include "ui/textbox.h"

namespace {

const BWString kBackground("dialog_background.png");
constexpr uint32_t kWhite = 0xffffffffu;
// The box's white under the half-transparent blue selection.
constexpr uint32_t kSelectedWhite = 0xff97b7ffu;

std::unique_ptr<BWButton> dialogButton(const char* name, BWPoint position)
{
    return std::make_unique<BWButton>(position, BWString("%s_button.png", name), BWString("%s_down.png", name),
                                      BWString("%s_highlight.png", name), BWString(), BWString());
}

// Whether the frame holds every opaque pixel of the picture placed with its top-left corner there.
bool showsPicture(const Capture& frame, const char* file, BWPoint topLeft)
{
    const int32_t x = topLeft.x;
    const int32_t y = topLeft.y;
    int32_t width = 0, height = 0, opaque = 0, matching = 0;
    std::unique_ptr<uint8_t[]> argb = decodePng(BWString("%s", file), &width, &height);
    for (int32_t i = 0; argb && i < width * height; ++i) {
        const uint8_t* p = &argb[static_cast<size_t>(i) * 4];
        if (p[0] == 0xff) {
            ++opaque;
            matching += frame.countMatching(BWRect(x + i % width, y + i / width, 1, 1), BWColor(255, p[1], p[2], p[3]));
        }
    }
    return opaque > width * height / 2 && matching == opaque;
}

class ImageDialogTest : public WidgetTest {
protected:
    void openExitDialog(uint64_t ms)
    {
        script.at(ms, [this] {
            auto yes = dialogButton("yes", kLeftOfThreeButton), no = dialogButton("no", kMiddleButton),
                 menu = dialogButton("main", kRightOfThreeButton);
            answers.push_back(runDialog(kBackground, BWString("dialog_exit.png"), yes->self(), no->self(), menu->self()));
            answers.push_back(loopDepth());
        });
    }
    std::vector<int32_t> answers;
};

} // namespace

TEST_F(ImageDialogTest, EnterChoosesButtonOneEscapeButtonTwoOrOneAndACloseAnswersZero)
{
    openTestWindow(15);
    ScreenLayer screen(journal);
    script.at(100, [this] {
        auto play = dialogButton("play", kMiddleButton);
        answers.push_back(runDialog(kBackground, BWString("dialog_pause.png"), play->self()));
    });
    script.keyDown(200, vkEscape);
    openExitDialog(1000);
    script.keyDown(1100, vkReturn, true);  // the keypad's Enter
    openExitDialog(2000);
    script.keyDown(2100, vkEscape);
    openExitDialog(3000);
    script.click(3100, 560, 380);
    openExitDialog(4000);
    script.close(4100);  // ends the dialog only: the game runs on until the second close
    script.close(5000);
    run();
    EXPECT_EQ(answers, (std::vector<int32_t>{1, 1, 1, 2, 1, 3, 1, 0, 1}));
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: canclose"}));
}

TEST_F(ImageDialogTest, TheScreenBeneathHearsNothingButKeepsTickingAndDrawing)
{
    openTestWindow(15);
    ScreenLayer screen(journal);
    openExitDialog(100);
    int ticks = 0, draws = 0;
    script.at(150, [&] { ticks = screen.ticks, draws = screen.draws; });
    script.click(200, 20, 20);
    script.click(210, 400, 300, 2);
    script.wheel(230, 100, 100, -120);
    script.keyDown(240, 'A');
    script.typeChar(240, 'a');
    script.at(1150, [&] {
        EXPECT_GE(screen.ticks - ticks, 14);
        EXPECT_GE(screen.draws - draws, 14);
    });
    script.mouseDown(1200, 520, 380);  // the menu button, held
    script.at(1300, [&] {
        Capture frame = captureFrame();
        saveCapture(frame, "dialog_three_buttons");
        // The screen shows dimmed round the panel; each button shows its own picture.
        EXPECT_EQ(frame.countMatching(BWRect(0, 0, 100, 100), BWColor(kScreenColour), 8), 0);
        EXPECT_TRUE(frame.regionIs(BWRect(0, 0, 100, 100), BWColor(frame.pixel(10, 10))));
        EXPECT_TRUE(showsPicture(frame, "yes_button.png", kLeftOfThreeButton));
        EXPECT_TRUE(showsPicture(frame, "no_button.png", kMiddleButton));
        EXPECT_TRUE(showsPicture(frame, "main_down.png", kRightOfThreeButton));
        EXPECT_FALSE(showsPicture(frame, "main_button.png", kRightOfThreeButton));
    });
    script.mouseUp(1400, 520, 380);
    script.close(2000);
    run();
    EXPECT_EQ(answers, (std::vector<int32_t>{3, 1}));
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: canclose"}));
}

TEST_F(ImageDialogTest, TheNameDialogShowsItsSelectionAndCaretAndReturnsTheTypedTextOnEnter)
{
    openTestWindow(15);
    ScreenLayer screen(journal);
    BWFont font(BWString("font_main.fnt"));
    std::vector<BWString> names;
    const BWTextbox* box = nullptr;
    script.at(100, [&] {
        auto done = dialogButton("done", kMiddleButton);
        BWTextboxHandle name(&font, BWColor(kWhite), BWColor(0x803070ffu), BWString("Player"), kNameBox);
        box = &name.box();
        names.push_back(runTextDialog(kBackground, BWString("dialog_textbox.png"), done->self(), &name));
    });
    script.at(200, [&] {
        // Opened with the whole name selected, from the box's left edge to the name's end.
        Capture frame = captureFrame();
        saveCapture(frame, "name_dialog_selection");
        const int32_t end = box->boundaryX(6);
        EXPECT_GT(end, kNameBox.x + 30);
        EXPECT_TRUE(frame.regionIs(BWRect(kNameBox.x, kNameBox.y, 1, kNameBox.h), BWColor(kSelectedWhite), 3));
        for (int32_t y : {kNameBox.y, kNameBox.bottom() - 1}) {  // above and below the letters
            EXPECT_TRUE(frame.regionIs(BWRect(kNameBox.x, y, end - kNameBox.x, 1), BWColor(kSelectedWhite), 3));
            EXPECT_TRUE(frame.regionIs(BWRect(end, y, 200, 1), BWColor(kWhite)));
        }
    });
    script.typeChar(300, 'A');
    script.typeChar(310, 'n');
    script.typeChar(320, 'n');
    for (uint64_t ms : {2100, 2600}) {  // the dark, then the light half of the caret's second
        script.at(ms, [&, ms] {
            Capture frame = captureFrame();
            if (ms == 2100) saveCapture(frame, "name_dialog_caret");
            const int32_t x = box->boundaryX(3);
            const BWRect caret(x, kNameBox.y + box->inset(), 1, kNameBox.h - 2 * box->inset() - 2);
            EXPECT_TRUE(frame.regionIs(caret, BWColor(ms == 2100 ? 0xff000000u : kWhite))) << ms;
            EXPECT_TRUE(frame.regionIs(BWRect(x + 1, kNameBox.y, 200, kNameBox.h), BWColor(kWhite)));
            EXPECT_EQ(frame.countMatching(kNameBox, BWColor(kSelectedWhite), 3), 0);
        });
    }
    script.keyDown(3000, vkReturn);
    // A box with no text at all, closed through its second button, gives an empty text.
    script.at(4000, [&] {
        auto done = dialogButton("done", kLeftOfTwoButton), no = dialogButton("no", kRightOfTwoButton);
        BWTextboxHandle name(&font, BWColor(kWhite), BWColor(), BWString(), kNameBox);
        names.push_back(runTextDialog(kBackground, BWString("dialog_textbox.png"), done->self(), no->self(), &name));
    });
    script.keyDown(4100, vkEscape);
    script.close(5000);
    run();
    ASSERT_EQ(names.size(), 2u);
    EXPECT_EQ(names[0], "Ann");
    EXPECT_NE(names[1].chars(), nullptr);
    EXPECT_EQ(names[1], "");
}
