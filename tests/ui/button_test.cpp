// button_test.cpp: image buttons through the real routing: ids, click rules, pictures, redraws.
#include "frame/clock.h"
#include "frame/layer_stack.h"
#include "frame/loop.h"
#include "game/screen_layout.h"
#include "tests/ui/widget_fixture.h"
#include "ui/button.h"

namespace {

constexpr uint32_t kNormalColour = 0xffc02020u, kDownColour = 0xff20c020u, kHighlightColour = 0xff2020c0u;
const BWRect kButtonRect(100, 100, 40, 20);

class ButtonTest : public WidgetTest {
protected:
    BWString picture(const char* name, uint32_t colour)
    {
        writeArgbPng(files.path(name), kButtonRect.w, kButtonRect.h, std::vector<uint32_t>(40 * 20, colour));
        return BWString("%s", files.path(name).c_str());
    }
    std::unique_ptr<BWButton> makeButton(ScreenLayer& screen)
    {
        auto button = std::make_unique<BWButton>(BWPoint(100, 100), picture("normal.png", kNormalColour),
                                                 picture("down.png", kDownColour), picture("light.png", kHighlightColour),
                                                 BWString(), BWString());
        screen.drawOnTop = [shown = button.get()] { shown->draw(); };
        return button;
    }
    void expectShown(uint64_t ms, uint32_t colour)
    {
        script.at(ms, [colour, ms] {
            EXPECT_TRUE(captureFrame().regionIs(kButtonRect, BWColor(colour))) << "at " << ms << " ms";
        });
    }
};

} // namespace

TEST_F(ButtonTest, IdsAreConsecutiveAndTheRectangleComesFromTheNormalPicture)
{
    openTestWindow(0);
    ScreenLayer screen(journal);
    BWButton plain;
    auto button = makeButton(screen);
    BWButton missing(BWPoint(300, 300), BWString("no_such.png"), BWString(), BWString(), BWString(), BWString());
    EXPECT_EQ(button->id(), plain.id() + 1);
    EXPECT_EQ(missing.id(), plain.id() + 2);
    EXPECT_EQ(button->rect(), kButtonRect);
    EXPECT_EQ(plain.layer(), nullptr);
    // A button without its picture is hit nowhere, not even on its corner.
    EXPECT_TRUE(missing.rect().isEmpty());
    EXPECT_FALSE(missing.hits(300, 300));
    // A failed reload leaves the button as it was; a good one moves it and puts it on top.
    EXPECT_FALSE(button->reload(BWPoint(0, 0), BWString("missing.png"), BWString(), BWString(), BWString(), BWString()));
    EXPECT_EQ(button->rect(), kButtonRect);
    EXPECT_TRUE(captureFrame().regionIs(kButtonRect, BWColor(kNormalColour)));
    ASSERT_TRUE(button->reload(BWPoint(300, 200), BWString("yes_button.png"), BWString(), BWString(), BWString(),
                               BWString()));
    EXPECT_EQ(button->rect(), BWRect(300, 200, kDialogButtonWidth, kDialogButtonHeight));
    EXPECT_EQ(topLayer(), button->layer());
    EXPECT_TRUE(captureFrame().regionIs(kButtonRect, BWColor(kScreenColour)));
}

TEST_F(ButtonTest, OnlyAPressAndAReleaseBothOnTheButtonSendItsCommandAfterThePause)
{
    openTestWindow(15);
    ScreenLayer screen(journal);
    auto button = makeButton(screen);
    std::vector<uint64_t> commandTimes;
    // Pressed, off (the normal picture while off), released off: nothing.
    script.mouseDown(100, 110, 110);
    expectShown(150, kDownColour);
    script.mouseMove(200, 300, 300);
    expectShown(250, kNormalColour);
    script.mouseUp(300, 300, 300);
    // Pressed, off and back on (edges count), released: one command.
    script.mouseDown(400, 110, 110, 3);
    script.mouseMove(450, 300, 300);
    script.mouseMove(500, 139, 119);
    expectShown(550, kDownColour);
    script.mouseUp(600, 139, 119, 3);
    script.at(650, [&] { commandTimes.push_back(milliseconds()); });
    expectShown(900, kHighlightColour);
    // Pressed outside, released on it: nothing.
    script.mouseDown(1000, 50, 50);
    script.mouseUp(1100, 110, 110);
    script.close(2000);
    run();
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: move @300,300", "screen: up 1 @300,300",
                                                 "screen: move @300,300", "screen: move @139,119",
                                                 "screen: command " + std::to_string(button->id()),
                                                 "screen: down 1 @50,50", "screen: up 1 @110,110", "screen: canclose"}));
    // The pause after the release held the loop: the action due at 650 ran after it.
    ASSERT_EQ(commandTimes.size(), 1u);
    EXPECT_GE(commandTimes[0], 850u);
}

TEST_F(ButtonTest, WithoutAFrameCapHoverAndPressRedrawAtOnce)
{
    openTestWindow(0);
    ScreenLayer screen(journal);
    auto button = makeButton(screen);
    std::vector<int> draws;
    const std::vector<std::pair<int32_t, int32_t>> moves = {{300, 300}, {110, 110}, {120, 115}, {400, 400}};
    for (size_t i = 0; i < moves.size(); ++i) {
        script.mouseMove(100 * i + 100, moves[i].first, moves[i].second);
        script.at(100 * i + 150, [&] { draws.push_back(screen.draws); });
    }
    script.at(260, [&] { EXPECT_TRUE(captureFrame().regionIs(kButtonRect, BWColor(kHighlightColour))); });
    script.at(360, [&] { sendMouseDoubleClick(120, 115, 1); });  // pressed, shown at once
    run();
    // Off: nothing; in: one; within: none (the capture drew one); pressed: one; out: one.
    EXPECT_EQ(draws, (std::vector<int>{0, 1, 2, 4}));
    EXPECT_TRUE(button->layer()->isPressed());
}
