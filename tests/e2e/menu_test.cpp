// menu_test.cpp: start-up, the splash, the main menu and quitting, through the real loop.
#include "tests/e2e/game_run.h"

#include "frame/app.h"
#include "frame/display.h"
#include "game/game_texts.h"
#include "game/maker.h"

namespace {

// Inside the second option of each column.
const BWPoint kRandom = inside(layoutMark(1));
const BWPoint kNormal = inside(difficultyMark(1));

struct MenuTest : GameRun {};

} // namespace

TEST_F(MenuTest, SplashShowsUntilTwoSecondsAfterTheFirstTickThenTheMenu)
{
    Capture splashFrame;
    Capture menuFrame;
    script.at(1000, [&] {
        EXPECT_EQ(game().state, GameState::Splash);
        splashFrame = captureFrame();
        saveCapture(splashFrame, "game_splash");
    });
    script.at(2050, [] { EXPECT_EQ(game().state, GameState::Splash); });
    script.at(2150, [&] {
        EXPECT_EQ(game().state, GameState::Menu);
        menuFrame = captureFrame();
        saveCapture(menuFrame, "game_menu");
    });
    runGame(3000);
    EXPECT_GT(differingPixels(splashFrame, menuFrame), splashFrame.pixels.size() / 4)
        << "two different pictures fill the window";
}

TEST_F(MenuTest, OptionPressesChooseAndSoundEvenWhenAlreadyChosen)
{
    script.mouseDown(kMenuShown, kRandom.x, kRandom.y, 2);
    script.mouseUp(kMenuShown, kRandom.x, kRandom.y, 2);
    script.at(kMenuShown + 10, [] {
        EXPECT_EQ(game().profile.zoneLayout(), 1);
        EXPECT_TRUE(heard(game().assets.checkSound));
    });
    script.click(kMenuShown + 20, kRandom.x, kRandom.y);
    script.at(kMenuShown + 30, [] {
        EXPECT_EQ(game().profile.zoneLayout(), 1);
        EXPECT_TRUE(heard(game().assets.checkSound));
    });
    // The bottom-right pixel of the Hard mark's rectangle still counts.
    const BWPoint hard = difficultyMark(2);
    script.click(kMenuShown + 40, hard.x + kCheckSize, hard.y + kCheckSize);
    script.click(kMenuShown + 50, 450, 300);
    script.at(kMenuShown + 60, [] {
        EXPECT_EQ(game().profile.difficulty(), 2);
        EXPECT_TRUE(heard(game().assets.checkSound));
        EXPECT_EQ(game().state, GameState::Menu);
    });
    script.click(kMenuShown + 70, 450, 300);
    script.at(kMenuShown + 80, [] { EXPECT_FALSE(heard(game().assets.checkSound)); });
    runGame(kMenuShown + 500);
}

// Waiting by spinning on the manual clock would never end: only sleeps move it.
TEST_F(MenuTest, PlayStartsOnlyWhenReleasedOnItAndGeneratesBehindTheLoadingPictureForASecond)
{
    const BWPoint play = inside(kPlayButton);
    script.mouseDown(kMenuShown, play.x, play.y);
    script.at(kMenuShown + 10, [] {
        EXPECT_EQ(&buttonImage(game().assets.play, game().pointer), &game().assets.play.down);
    });
    script.mouseMove(kMenuShown + 20, 600, 100);
    script.at(kMenuShown + 30, [] {
        EXPECT_EQ(&buttonImage(game().assets.play, game().pointer), &game().assets.play.normal);
    });
    script.mouseUp(kMenuShown + 40, 600, 100);
    script.at(kMenuShown + 100, [] { EXPECT_EQ(game().state, GameState::Menu); });
    script.mouseDown(kMenuShown + 200, 600, 100);
    script.mouseUp(kMenuShown + 210, play.x, play.y);
    script.at(kMenuShown + 211, [] {
        EXPECT_EQ(game().state, GameState::Playing);
        EXPECT_EQ(game().currentNumber, 1);
        EXPECT_EQ(game().selected, BWPoint(-1, -1));
        EXPECT_GE(platformMilliseconds(), kMenuShown + 1210);
        EXPECT_LT(platformMilliseconds(), kMenuShown + 1310);
        EXPECT_NEAR(game().elapsedSeconds(), 1.0f, 0.01f) << "the clock ran during the wait";
        game().state = GameState::Generating;
        const Capture loading = captureFrame();
        saveCapture(loading, "game_loading");
        game().state = GameState::Menu;
        const Capture menu = captureFrame();
        game().state = GameState::Playing;
        EXPECT_NE(loading.pixels, menu.pixels);
    });
    runGame(kMenuShown + 3000);
}

TEST_F(MenuTest, QuittingFromTheMenuSavesTheChoicesOnceAtTheEnd)
{
    const std::filesystem::path stored = root / kMaker / "Settings" / "Pellix";
    script.click(kMenuShown, kNormal.x, kNormal.y);
    script.at(kMenuShown + 10, [&] { EXPECT_FALSE(std::filesystem::exists(stored)); });
    pressAt(kMenuShown + 20, kQuitMenuButton);
    script.failIfReached(kMenuShown + 1000, "Exit did not end the program");
    {
        Game running;
    }
    const std::vector<unsigned char> bytes = fileBytes(stored);
    ASSERT_EQ(bytes.size(), Profile::kRecordSize);
    EXPECT_EQ(bytes[4], 1);
}

TEST_F(MenuTest, TheStoredSwitchesTakeEffectAtStartUp)
{
    {
        Profile stored;
        stored.load();
        stored.setSoundOn(false);
        stored.setFullscreen(true);
    }
    script.at(100, [] {
        EXPECT_FALSE(isSoundEnabled());
        EXPECT_TRUE(isFullscreen());
    });
    // The window fills the desktop, so the click goes where the picture shows the box.
    script.at(kMenuShown, [this] {
        const BWPoint at = drawableFromPicture(kRandom.x, kRandom.y);
        script.click(kMenuShown + 1, at.x, at.y);
    });
    script.at(kMenuShown + 10, [] {
        EXPECT_EQ(game().profile.zoneLayout(), 1);
        EXPECT_FALSE(heard(game().assets.checkSound));
    });
    runGame(kMenuShown + 100);
}


// A name as wide as the name box is cut to its column: the times beside it in the menu and
// the label beside it on the board look exactly as they do with a short name.
TEST_F(MenuTest, ALongBestNameNeverReachesTheTimesOrTheLabel)
{
    const std::string wide(30, 'W');
    {
        Profile stored;
        stored.load();
        stored.setBestName(0, 0, 0, wide.c_str());
    }
    Capture longName;
    const auto shortenAndCompare = [&](BWRect untouched) {
        game().profile.setBestName(0, 0, 0, "W");
        EXPECT_EQ(differingPixels(longName, captureFrame(), untouched), 0u)
            << untouched.x << "," << untouched.y << " " << untouched.w << "x" << untouched.h;
        game().profile.setBestName(0, 0, 0, wide.c_str());
    };
    script.at(kMenuShown, [&] { longName = captureFrame(); });
    // The time column from the gap before it to the right edge, over the three rows.
    script.at(kMenuShown + 10, [&] {
        shortenAndCompare(BWRect(kBestTimeLeft - kNameGap, kBestTop, 800 - kBestTimeLeft + kNameGap, 90));
    });
    startGameAt(kMenuShown + 20);
    script.at(kPlaying + 100, [&] {
        longName = captureFrame();
        saveCapture(longName, "game_board_long_name");
    });
    script.at(kPlaying + 110, [&] {
        const int32_t labelWidth = game().assets.mainFont.textWidth(tableLabel(0, 0));
        shortenAndCompare(BWRect(kLabelLeft, kTopTextsTop, labelWidth + kNameGap, 30));
    });
    script.at(kPlaying + 120, [] { EXPECT_EQ(std::string(game().profile.bestName(0, 0, 0)), std::string(30, 'W')); });
    runGame(kPlaying + 200);
}
