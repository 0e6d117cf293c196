// keep_as_it_goes_test.cpp: where the program can be ended without notice (the browser), the
// game in play is stored as it changes and whenever the program is warned of its end, the
// profile too, and what the desktop deletes goes there as well.
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

TEST_F(KeptAsItGoes, EditsAreStoredWithinASecondAndTheWarningStoresTheClockAsItStands)
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
            // The page is hidden or left: stored at once, with the clock of this moment.
            platformAnnounceEnding();
            KeptGame stored;
            ASSERT_TRUE(storedGame(stored));
            EXPECT_NEAR(stored.elapsedSeconds, game().elapsedSeconds(), 0.001f);
            EXPECT_EQ(storedSoundByte(), 1) << "and the profile";
            press(kQuitGameButton);
        },
        [&] { press(kRightOfThreeButton); }, // back to the menu
        [&] {
            EXPECT_EQ(game().state, GameState::Menu);
            EXPECT_FALSE(kept()) << "an abandoned game is not kept";
        },
        [&] {
            platformAnnounceEnding();
            EXPECT_FALSE(kept()) << "nor stored again from the menu";
        },
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
            platformAnnounceEnding();
            EXPECT_FALSE(kept()) << "the banner's warning stores no won game";
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
            press(kRightOfTwoButton);
        },
        [&] {
            EXPECT_EQ(game().state, GameState::Menu);
            EXPECT_FALSE(kept());
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
