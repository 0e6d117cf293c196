// button_test.cpp: image buttons through the real routing: ids, the click rules, the picture
// shown in each state, redrawing without a frame cap, reloading.
#include "frame/clock.h"
#include "frame/layer_stack.h"
#include "frame/loop.h"
#include "tests/ui/widget_fixture.h"
#include "ui/button.h"

namespace {

constexpr uint32_t normalColour = 0xffc02020u;
constexpr uint32_t downColour = 0xff20c020u;
constexpr uint32_t highlightColour = 0xff2020c0u;
const BWRect buttonRect(100, 100, 40, 20);

// The screen the button lies on: it draws the button over its own background and notes when
// a command reaches it.
class ButtonScreen : public ScreenLayer {
public:
    using ScreenLayer::ScreenLayer;
    const BWButton* shown = nullptr;
    std::vector<uint64_t> commandTimes;
    void onDraw() override
    {
        ScreenLayer::onDraw();
        if (shown) shown->draw();
    }
    void onCommand(int32_t id) override
    {
        commandTimes.push_back(milliseconds());
        ScreenLayer::onCommand(id);
    }
};

class ButtonTest : public WidgetTest {
protected:
    BWString picture(const char* name, uint32_t colour)
    {
        return BWString("%s", solidPicture(name, buttonRect.w, buttonRect.h, colour).c_str());
    }
    std::unique_ptr<BWButton> makeButton()
    {
        return std::make_unique<BWButton>(BWPoint(buttonRect.x, buttonRect.y), picture("normal.png", normalColour),
                                          picture("down.png", downColour), picture("light.png", highlightColour),
                                          BWString(), BWString());
    }
    // Checks at that moment which picture the button shows.
    void expectShown(uint64_t ms, uint32_t colour)
    {
        script.at(ms, [colour, ms] {
            EXPECT_TRUE(captureFrame().regionIs(buttonRect, BWColor(colour))) << "at " << ms << " ms";
        });
    }
    std::string command(const BWButton& button) { return "screen: command " + std::to_string(button.id()); }
};

} // namespace

TEST_F(ButtonTest, ButtonsTakeConsecutiveIdsAndTheirRectangleFromTheNormalPicture)
{
    openTestWindow(0);
    BWButton first;
    BWButton second;
    auto pictured = makeButton();
    EXPECT_EQ(second.id(), first.id() + 1);
    EXPECT_EQ(pictured->id(), second.id() + 1);
    EXPECT_EQ(pictured->self(), pictured.get());
    EXPECT_EQ(pictured->rect(), buttonRect);
    EXPECT_EQ(first.layer(), nullptr);
    EXPECT_EQ(topLayer(), pictured->layer());
}

TEST_F(ButtonTest, PressMoveOffAndReleaseSendsNothingAndShowsTheNormalPictureWhileOff)
{
    openTestWindow(15);
    ButtonScreen screen(journal);
    auto button = makeButton();
    screen.shown = button.get();
    script.mouseDown(100, 110, 110);
    expectShown(150, downColour);
    script.mouseMove(200, 300, 300);
    expectShown(250, normalColour);
    script.mouseUp(300, 300, 300);
    expectShown(350, normalColour);
    script.close(1000);
    run();
    // The press was the button's; the move and the release off it went on to the screen.
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: move @300,300", "screen: up 1 @300,300", "screen: canclose"}));
}

TEST_F(ButtonTest, PressMoveOffAndBackOnThenReleaseSendsOneCommandAfterThePause)
{
    openTestWindow(15);
    ButtonScreen screen(journal);
    auto button = makeButton();
    screen.shown = button.get();
    script.mouseDown(100, 110, 110);
    script.mouseMove(200, 300, 300);
    script.mouseMove(300, 139, 119);  // the bottom-right edge still counts
    expectShown(350, downColour);
    script.mouseUp(400, 139, 119, 1);
    expectShown(700, highlightColour);
    script.close(1000);
    run();
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: move @300,300", "screen: move @139,119", command(*button),
                                                 "screen: canclose"}));
    ASSERT_EQ(screen.commandTimes.size(), 1u);
    EXPECT_GE(screen.commandTimes[0], 650u);
    EXPECT_LT(screen.commandTimes[0], 700u);
}

TEST_F(ButtonTest, APressOutsideReleasedOnTheButtonSendsNothing)
{
    openTestWindow(15);
    ButtonScreen screen(journal);
    auto button = makeButton();
    script.mouseDown(100, 50, 50, 3);
    script.mouseUp(200, 110, 110, 3);
    script.close(1000);
    run();
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: down 3 @50,50", "screen: up 3 @110,110", "screen: canclose"}));
}

TEST_F(ButtonTest, AnyMouseButtonClicksAndOtherInputGoesToTheLayerBelow)
{
    openTestWindow(15);
    ButtonScreen screen(journal);
    auto button = makeButton();
    script.click(100, 120, 110, 2);
    script.wheel(500, 120, 110, 120);
    script.keyDown(600, vk::a);
    script.typeChar(600, 'a');
    script.keyUp(600, vk::a);
    script.at(700, [&] { journal.push_back(askInsertChar(4, 'q') ? "asked" : "refused"); });
    script.close(1000);
    screen.insertAnswer = false;
    run();
    EXPECT_EQ(journal, (std::vector<std::string>{command(*button), "screen: wheel 1 z0 @120,110", "screen: keydown 12",
                                                 "screen: char a", "screen: keyup 12", "screen: insert 4 q", "refused",
                                                 "screen: canclose"}));
}

TEST_F(ButtonTest, ADoubleClickOnTheButtonPressesItAndOneOffItGoesDown)
{
    openTestWindow(15);
    ButtonScreen screen(journal);
    auto button = makeButton();
    script.at(100, [&] {
        sendMouseDoubleClick(10, 10, 1);
        EXPECT_FALSE(button->layer()->isPressed());
        sendMouseDoubleClick(105, 105, 1);
        EXPECT_TRUE(button->layer()->isPressed());
    });
    script.close(1000);
    run();
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: double 1 @10,10", "screen: canclose"}));
}

TEST_F(ButtonTest, WithoutAFrameCapHoverAndPressRedrawAtOnce)
{
    openTestWindow(0);
    ButtonScreen screen(journal);
    auto button = makeButton();
    screen.shown = button.get();
    std::vector<int> draws;
    auto noteDraws = [&](uint64_t ms) { script.at(ms, [&] { draws.push_back(screen.draws); }); };
    noteDraws(50);
    script.mouseMove(100, 300, 300);  // outside: nothing changes on screen
    noteDraws(150);
    script.mouseMove(200, 110, 110);  // in: the highlight shows
    noteDraws(250);
    expectShown(260, highlightColour);
    script.mouseMove(300, 120, 115);  // still in
    noteDraws(350);
    script.mouseDown(400, 120, 115);  // the pressed picture shows
    noteDraws(450);
    script.mouseMove(500, 400, 400);  // out
    noteDraws(550);
    run();
    // Each capture draws a frame of its own as well.
    EXPECT_EQ(draws, (std::vector<int>{0, 0, 1, 2, 3, 4}));
}

TEST_F(ButtonTest, AMissingPictureGivesAButtonThatIsNeverHit)
{
    openTestWindow(15);
    ButtonScreen screen(journal);
    BWButton button(BWPoint(100, 100), BWString("no_such_button.png"), BWString(), BWString(), BWString(), BWString());
    EXPECT_TRUE(button.rect().isEmpty());
    script.click(100, 100, 100);
    script.close(1000);
    run();
    EXPECT_EQ(journal, (std::vector<std::string>{"screen: down 1 @100,100", "screen: up 1 @100,100", "screen: canclose"}));
}

TEST_F(ButtonTest, ReloadMovesTheButtonOnlyWhenItsNormalPictureLoads)
{
    openTestWindow(0);
    ButtonScreen screen(journal);
    auto button = makeButton();
    BWLayer other;
    EXPECT_FALSE(button->reload(BWPoint(0, 0), BWString("missing.png"), BWString(), BWString(), BWString(), BWString()));
    EXPECT_EQ(button->rect(), buttonRect);
    EXPECT_EQ(topLayer(), &other);
    screen.shown = button.get();
    EXPECT_TRUE(captureFrame().regionIs(buttonRect, BWColor(normalColour)));

    const int32_t id = button->id();
    ASSERT_TRUE(button->reload(BWPoint(300, 200), BWString("yes_button.png"), BWString("yes_down.png"),
                               BWString("yes_highlight.png"), BWString(), BWString()));
    EXPECT_EQ(button->id(), id);
    EXPECT_EQ(button->rect(), BWRect(300, 200, 122, 44));
    EXPECT_EQ(topLayer(), button->layer());
    // The old place is the screen's again, the new one shows the picture.
    Capture frame = captureFrame();
    EXPECT_TRUE(frame.regionIs(buttonRect, BWColor(screenColour)));
    EXPECT_LT(frame.countMatching(BWRect(300, 200, 122, 44), BWColor(screenColour)), 122 * 44 / 2);
    button->bringToTop();
    EXPECT_EQ(topLayer(), button->layer());
}
