// keep_as_it_goes_test.cpp: where the program can be ended without notice (the browser), the
// game in play is stored as it changes, every frame hands the page the game and the profile as
// they stand for it to store should it end, and what the desktop deletes goes there as well.
#include "tests/e2e/game_run.h"

#include "frame/app.h"
#include "frame/clock.h"
#include "game/kept_game.h"
#include "storage/setting_store_posix.h"
#include "storage/storage.h"

#include <filesystem>
#include <vector>

namespace {

std::filesystem::path keptPath()
{
    return settingFilePath("Brimworks", "PellixGame");
}

bool kept()
{
    return std::filesystem::exists(keptPath());
}

// The stored game as the next start would read it; false when there is none to offer.
bool storedGame(KeptGame& game)
{
    std::vector<uint8_t> bytes(std::filesystem::exists(keptPath()) ? std::filesystem::file_size(keptPath()) : 0);
    return !bytes.empty() && readFile(BWString("%s", keptPath().c_str()), bytes.data(), bytes.size()) &&
           decodeKeptGame(bytes.data(), bytes.size(), game);
}

// What the page would store should it be ended now: true with the game; false when it would
// delete the record, or has been given nothing.
bool gameOnEnding(KeptGame& game, bool& removal)
{
    std::vector<uint8_t> bytes;
    removal = false;
    return platformKeptOnEnding(keptPath().string(), bytes, removal) && !removal &&
           decodeKeptGame(bytes.data(), bytes.size(), game);
}

bool removedOnEnding()
{
    std::vector<uint8_t> bytes;
    bool removal = false;
    return platformKeptOnEnding(keptPath().string(), bytes, removal) && removal;
}

// The sound byte of the profile as stored.
int storedSoundByte()
{
    uint8_t record[1936] = {};
    return readSetting(BWString("Brimworks"), BWString("Pellix"), record, sizeof record) ? record[2] : -1;
}

template <class Run> struct WithoutNotice : Run {
    void SetUp() override
    {
        Run::SetUp();
        platformSetEndsWithoutNotice(true);
    }
    void TearDown() override
    {
        platformSetEndsWithoutNotice(false);
        Run::TearDown();
    }
};

using KeptAsItGoes = WithoutNotice<PlayingRun>;
using ProfileKeptAsItGoes = WithoutNotice<GameRun>;

} // namespace

TEST_F(KeptAsItGoes, EditsAreStoredWithinASecondAndThePageHasTheGameOfTheLastFrame)
{
    BWPoint e;
    BWPoint f;
    runSteps(kPlaying + 1000, {
        [&] {
            EXPECT_FALSE(kept()) << "nothing is stored before the first edit";
            e = emptyCell();
            f = emptyCell(1);
            clickNumberIntoCell(game().cell(e.x, e.y).solutionDigit, e);
            clickNumberIntoCell(4, f, 2);
        },
        [&] {
            KeptGame stored;
            ASSERT_TRUE(storedGame(stored)) << "stored within a second and a frame of the last edit";
            EXPECT_EQ(stored.board.cells[cellIndex(e.x, e.y)].digit, game().cell(e.x, e.y).digit);
            EXPECT_EQ(stored.board.cells[cellIndex(f.x, f.y)].marks[3], 1);
            EXPECT_EQ(stored.undoList.size(), 2u);
            EXPECT_EQ(stored.selected, game().selected);
            EXPECT_EQ(stored.currentNumber, 4);
            EXPECT_NEAR(stored.elapsedSeconds, game().elapsedSeconds(), 1.2f);
        },
        [&] {
            // Should the page be hidden or left now, it stores the game of the last frame.
            KeptGame ending;
            bool removal = true;
            ASSERT_TRUE(gameOnEnding(ending, removal));
            EXPECT_NEAR(ending.elapsedSeconds, game().elapsedSeconds(), 0.07f) << "the clock of the last frame";
            EXPECT_EQ(ending.board.cells[cellIndex(e.x, e.y)].digit, game().cell(e.x, e.y).digit);
            std::vector<uint8_t> profile;
            ASSERT_TRUE(platformKeptOnEnding(settingFilePath("Brimworks", "Pellix"), profile, removal))
                << "and the profile";
            EXPECT_EQ(profile.size(), 1936u);
            press(kQuitGameButton);
        },
        [&] { press(kRightOfThreeButton); }, // back to the menu
        [&] {
            EXPECT_EQ(game().state, GameState::Menu);
            EXPECT_FALSE(kept()) << "an abandoned game is not kept";
        },
        [&] { EXPECT_TRUE(removedOnEnding()) << "nor stored again by the page from the menu"; },
    }, 1200);
}

TEST_F(KeptAsItGoes, AWonGameIsNotKept)
{
    BWPoint last;
    runSteps(kPlaying + 1000, {
        [&] {
            last = cellsWhere([](const Cell& cell, BWPoint) { return !cell.given; }).back();
            clickSolution([&](BWPoint cell) { return cell != last; });
        },
        [&] { EXPECT_TRUE(kept()) << "a game one cell short of solved"; },
        [&] { clickNumberIntoCell(game().cell(last.x, last.y).solutionDigit, last); },
        [&] {
            EXPECT_NE(game().winTime, 0.0f);
            EXPECT_FALSE(kept()) << "solved";
            EXPECT_TRUE(removedOnEnding()) << "nor would the page store it";
        },
    }, 1200);
}

TEST_F(KeptAsItGoes, NoToTheResumeQuestionForgetsTheGameStoredWhileItWasUp)
{
    runSteps(kPlaying + 1000, {
        [&] { clickCell(emptyCell()); },
        [] { EXPECT_TRUE(kept()); },
    }, 1200);
    ASSERT_TRUE(kept()) << "the program's end kept it too";
    const uint64_t start = platformMilliseconds();
    runSteps(start + kMenuShown, {
        [&] {
            ASSERT_TRUE(dialogUp()) << "the resume question";
            EXPECT_TRUE(kept()) << "stored again while the question is up, so a closed page keeps it";
            KeptGame ending;
            bool removal = true;
            EXPECT_TRUE(gameOnEnding(ending, removal)) << "and the page has it";
            press(kRightOfTwoButton);
        },
        [&] {
            EXPECT_EQ(game().state, GameState::Menu);
            EXPECT_FALSE(kept());
            EXPECT_TRUE(removedOnEnding());
        },
    }, 1200);
}

TEST_F(ProfileKeptAsItGoes, SettingsAreStoredWhenTheirDialogCloses)
{
    runSteps(kMenuShown, {
        [&] { press(kSettingsButton); },
        [&] { press(kSoundOffMark); },
        [&] {
            EXPECT_NE(storedSoundByte(), 0) << "not while the dialog is up";
            script.keyDown(platformMilliseconds(), vkReturn);
        },
        [&] { EXPECT_EQ(storedSoundByte(), 0) << "stored when Done closed the dialog"; },
    }, 500);
}

TEST_F(PlayingRun, TheDesktopKeepsTheGameOnlyWhenTheProgramEnds)
{
    runSteps(kPlaying + 1000, {
        [&] { clickCell(emptyCell()); },
        [] { EXPECT_FALSE(kept()) << "a desktop program always sees its end"; },
    }, 1500);
    EXPECT_TRUE(kept());
}
