// winning_test.cpp: a solved board: the banner, the name for a best time, its rank, play again.
#include "tests/e2e/game_run.h"

#include "frame/clock.h"
#include "game/game_over_banner.h"
#include "ui/textbox.h"

#include <cstring>

namespace {

constexpr uint64_t kSolved = kPlaying + 5000;
// The banner has ended and the next dialog is up.
constexpr uint64_t kAfterBanner = kSolved + 3800;


BWTextbox* nameBox()
{
    return layerOfKind<BWTextbox>();
}

Profile& profile()
{
    return game().profile;
}

// The time the board will have been solved in when the solution goes in right now.
float solvingTime()
{
    return static_cast<float>(seconds()) - game().startTime;
}

// Rank by rank, the Easy Classic table.
void setTable(std::initializer_list<std::pair<const char*, float>> ranks)
{
    int32_t rank = 0;
    for (const auto& [name, time] : ranks) {
        profile().setBestName(0, 0, rank, name);
        profile().setBestTime(0, 0, rank++, time);
    }
}

void expectRank(int32_t rank, const char* name, float time)
{
    EXPECT_STREQ(profile().bestName(0, 0, rank), name) << "rank " << rank;
    EXPECT_FLOAT_EQ(profile().bestTime(0, 0, rank), time) << "rank " << rank;
}

struct WinningTest : PlayingRun {
    // Sets the tables up just before the solving clicks, when the solving time is known.
    void solveAt(uint64_t ms, const std::function<void(float)>& prepare)
    {
        script.at(ms, [this, prepare] {
            solved = solvingTime();
            prepare(solved);
            clickSolution();
        });
    }

    float solved = 0.0f;
};

} // namespace

TEST_F(WinningTest, OnTheDefaultTablesTheNameGoesToRankZeroAfterTheBanner)
{
    Board finished;
    int32_t number = 0;
    Capture board;
    std::vector<Capture> banner;
    solveAt(kSolved, [](float) {});
    script.at(kSolved + 50, [&] {
        ASSERT_NE(layerOfKind<GameOverBanner>(), nullptr);
        EXPECT_TRUE(heard(game().assets.finishSound));
        EXPECT_FLOAT_EQ(game().winTime, static_cast<float>(kSolved) / 1000.0f);
        finished = game().board;
        number = game().currentNumber;
        board = captureFrame();
        // Input during the banner reaches nothing.
        clickCell(BWPoint(0, 0));
        pressKey('3');
        press(kResetButton);
    });
    for (uint64_t ms : {450, 700, 1200, 1700, 2200, 2600, 3400}) {
        script.at(kSolved + ms, [&] { banner.push_back(captureFrame()); });
    }
    script.at(kSolved + 3000, [&] {
        EXPECT_NEAR(game().elapsedSeconds(), solved, 0.001f) << "the clock stands at the solving time";
        EXPECT_EQ(0, memcmp(&finished.cells, &game().board.cells, sizeof finished.cells));
        EXPECT_EQ(game().currentNumber, number) << "keys do not reach the board";
        saveCapture(banner.back(), "game_over_banner");
    });
    script.at(kAfterBanner, [&] {
        EXPECT_EQ(layerOfKind<GameOverBanner>(), nullptr);
        ASSERT_NE(nameBox(), nullptr);
        EXPECT_EQ(nameBox()->rect(), kNameBox);
        EXPECT_STREQ(nameBox()->text().chars(), "Anonymous") << "the last name is proposed";
        saveCapture(captureFrame(), "dialog_name");
        typeText("Ada"); // the proposal is selected, so typing replaces it
    });
    script.at(kAfterBanner + 100, [&] { press(kMiddleButton); });
    script.at(kAfterBanner + 500, [&] {
        EXPECT_EQ(nameBox(), nullptr);
        EXPECT_TRUE(dialogUp()) << "play again?";
        saveCapture(captureFrame(), "dialog_again");
        expectRank(0, "Ada", solved);
        expectRank(1, "Anonymous", 36000.0f);
        expectRank(2, "Anonymous", 72000.0f);
        EXPECT_STREQ(profile().lastName(), "Ada");
        Profile stored;
        stored.load();
        EXPECT_STREQ(stored.bestName(0, 0, 0), "Ada") << "saved before the question";
        press(kRightOfTwoButton);
    });
    script.at(kAfterBanner + 900, [&] {
        EXPECT_EQ(game().state, GameState::Menu);
        saveCapture(captureFrame(), "menu_new_best_time");
    });
    runGame(kAfterBanner + 1000);

    ASSERT_EQ(banner.size(), 7u);
    const auto differing = [&](const Capture& frame) { return differingPixels(frame, board); };
    EXPECT_EQ(differing(banner[0]), 0u) << "hidden in the first half second";
    for (size_t shown : {1u, 3u, 5u, 6u}) {
        EXPECT_GT(differing(banner[shown]), 1000u) << "shown at frame " << shown;
    }
    for (size_t hidden : {2u, 4u}) {
        EXPECT_EQ(differing(banner[hidden]), 0u) << "hidden at frame " << hidden;
    }
}

TEST_F(WinningTest, AnEqualTimeAsksForNoNameButTheProfileIsSaved)
{
    solveAt(kSolved, [](float e) {
        setTable({{"First", 1.0f}, {"Second", 2.0f}, {"Third", e}});
        profile().setLastName("Zed");
    });
    script.at(kAfterBanner, [&] {
        EXPECT_EQ(nameBox(), nullptr);
        EXPECT_TRUE(dialogUp()) << "straight to play again?";
        expectRank(2, "Third", solved);
        Profile stored;
        stored.load();
        EXPECT_STREQ(stored.lastName(), "Zed");
        press(kRightOfTwoButton);
    });
    script.at(kAfterBanner + 100, [] { EXPECT_EQ(game().state, GameState::Menu); });
    runGame(kAfterBanner + 200);
}

TEST_F(WinningTest, ATimeBetweenRanksZeroAndOneEndsAtOneAndTheProposalIsKept)
{
    BoardArray oldDigits{};
    solveAt(kSolved, [&](float e) {
        setTable({{"First", e - 1.0f}, {"Second", e + 100.0f}, {"Third", e + 200.0f}});
        profile().setLastName("Bea");
        for (size_t i = 0; i < oldDigits.size(); ++i) {
            oldDigits[i] = game().board.cells[i].solutionDigit;
        }
    });
    script.keyDown(kAfterBanner, vkReturn);
    script.at(kAfterBanner + 400, [&] {
        expectRank(0, "First", solved - 1.0f);
        expectRank(1, "Bea", solved);
        expectRank(2, "Second", solved + 100.0f);
        press(kLeftOfTwoButton);
    });
    script.at(kAfterBanner + 1600, [&] {
        EXPECT_EQ(game().state, GameState::Playing) << "another game of the same kind";
        EXPECT_EQ(game().winTime, 0.0f);
        EXPECT_LT(game().elapsedSeconds(), 1.5f);
        bool newPuzzle = false;
        for (size_t i = 0; i < oldDigits.size(); ++i) {
            newPuzzle |= oldDigits[i] != game().board.cells[i].solutionDigit;
        }
        EXPECT_TRUE(newPuzzle);
    });
    runGame(kAfterBanner + 1700);
}

TEST_F(WinningTest, ATimeEqualToRankOneStaysBehindTheOlderEntry)
{
    solveAt(kSolved, [](float e) { setTable({{"First", 1.0f}, {"Second", e}, {"Third", e + 10.0f}}); });
    script.keyDown(kAfterBanner, vkReturn);
    script.at(kAfterBanner + 400, [&] {
        expectRank(0, "First", 1.0f);
        expectRank(1, "Second", solved);
        expectRank(2, "Anonymous", solved);
        press(kRightOfTwoButton);
    });
    runGame(kAfterBanner + 500);
}
