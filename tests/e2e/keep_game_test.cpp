// keep_game_test.cpp: a game kept when the program closes and offered at the next start, the
// record refused when damaged, and a minimised window pausing the game.
#include "tests/e2e/game_run.h"

#include "frame/app.h"
#include "frame/clock.h"
#include "game/game_over_banner.h"
#include "game/kept_game.h"
#include "game/maker.h"
#include "storage/setting_store_posix.h"
#include "storage/storage.h"

#include <csignal>
#include <cstring>
#include <filesystem>

namespace {

// What a kept game has to bring back.
struct Snapshot {
    Board board;
    BWPoint selected;
    bool pencilMode = false;
    int32_t currentNumber = 0;
    UndoList undoList;
    float elapsed = 0.0f;
};

Snapshot snapshot()
{
    return {game().board, game().selected, game().pencilMode, game().currentNumber,
            game().undoList, game().elapsedSeconds()};
}

void expectSameGame(const Snapshot& kept)
{
    const Snapshot now = snapshot();
    EXPECT_EQ(now.board.zoneMap, kept.board.zoneMap);
    EXPECT_EQ(now.board.givens, kept.board.givens);
    EXPECT_EQ(now.board.solution, kept.board.solution);
    EXPECT_EQ(0, memcmp(&now.board.cells, &kept.board.cells, sizeof now.board.cells))
        << "digits, marks and their conflicts";
    EXPECT_EQ(now.selected, kept.selected);
    EXPECT_EQ(now.pencilMode, kept.pencilMode);
    EXPECT_EQ(now.currentNumber, kept.currentNumber);
    ASSERT_EQ(now.undoList.size(), kept.undoList.size());
    for (size_t i = 0; i < kept.undoList.size(); ++i) {
        EXPECT_EQ(now.undoList[i].column, kept.undoList[i].column);
        EXPECT_EQ(now.undoList[i].row, kept.undoList[i].row);
        EXPECT_EQ(now.undoList[i].digit, kept.undoList[i].digit);
        EXPECT_EQ(now.undoList[i].marks, kept.undoList[i].marks);
        EXPECT_EQ(now.undoList[i].selection, kept.undoList[i].selection);
    }
}

struct KeepGameTest : PlayingRun {
    std::filesystem::path recordPath() const { return settingFilePath(kMaker, "PellixGame"); }
    bool kept() const { return std::filesystem::exists(recordPath()); }

    // A digit in one cell, a pencil mark in another, then another number and pencil mode on; the
    // window is closed and the exit dialog answered yes, or the program gets SIGTERM. Returns
    // the game as it was just before.
    Snapshot playThenQuitWithYes(bool bySignal = false)
    {
        Snapshot before;
        script.at(kPlaying + 3000, [&] {
            e = emptyCell();
            f = emptyCell(1);
            clickNumberIntoCell(game().cell(e.x, e.y).solutionDigit, e);
            clickNumberIntoCell(4, f, 2);
            chooseNumber(6);
            pressKey('T');
        });
        script.at(kPlaying + 3100, [&] {
            before = snapshot();
            EXPECT_EQ(before.undoList.size(), 2u);
            if (bySignal) {
                std::raise(SIGTERM);
            }
        });
        if (bySignal) {
            Game running;
        } else {
            quitWithYes(kPlaying + 3200);
        }
        EXPECT_EQ(script.pendingEntries(), 0u) << "the program has ended";
        return before;
    }

    // Runs the game until Enter answers yes to the exit question asked at ms (or until the close
    // ends it at once, outside a game, or the game has ended before). Nothing is left queued for
    // the next run.
    void quitWithYes(uint64_t ms)
    {
        script.whileRunning([&] {
            script.close(ms);
            script.keyDown(ms + 10, vkReturn);
        });
        { Game running; }
        script.forgetEndings();
    }

    // Runs the game again; the steps come the given time apart from the end of the splash on,
    // then the program is quit.
    void startAgain(const std::vector<std::function<void()>>& steps, uint64_t spacing = 500)
    {
        uint64_t ms = platformMilliseconds() + kMenuShown;
        size_t ran = 0;
        for (const std::function<void()>& step : steps) {
            script.at(ms, [&ran, step] {
                ++ran;
                step();
            });
            ms += spacing;
        }
        quitWithYes(ms);
        EXPECT_EQ(ran, steps.size()) << "every step ran before the program ended";
    }

    BWPoint e;
    BWPoint f;
};

} // namespace

TEST_F(KeepGameTest, QuitDuringAGameThenYesPlaysOnWithTheSameBoardUndoAndClock)
{
    float playedAtResume = 0.0f;
    float resumedAt = 0.0f;
    const Snapshot before = playThenQuitWithYes();
    ASSERT_TRUE(kept());
    startAgain({
        [&] {
            ASSERT_TRUE(dialogUp()) << "the question is up after the splash";
            EXPECT_EQ(game().state, GameState::Playing);
            EXPECT_NE(game().pauseStart, 0.0f) << "the clock is stopped";
            EXPECT_FALSE(kept()) << "the record is read once";
            expectSameGame(before);
            EXPECT_NEAR(game().elapsedSeconds(), before.elapsed, 1.0f);
            saveCapture(captureFrame(), "dialog_resume");
            press(kLeftOfTwoButton);
        },
        [&] {
            EXPECT_FALSE(dialogUp());
            EXPECT_EQ(game().pauseStart, 0.0f);
            EXPECT_NEAR(game().elapsedSeconds(), before.elapsed + 0.5f, 1.0f) << "the clock runs on";
            playedAtResume = game().elapsedSeconds();
            resumedAt = static_cast<float>(seconds());
            EXPECT_EQ(game().cell(f.x, f.y).marks[3], 1);
            pressKey('Z');
        },
        [&] {
            EXPECT_EQ(game().cell(f.x, f.y).marks[3], 0) << "undo reaches back past the restart";
            pressKey('Z');
        },
        [&] {
            EXPECT_EQ(game().cell(e.x, e.y).digit, 0);
            EXPECT_TRUE(game().undoList.empty());
            pressKey('T'); // pencil mode off, so that clicks place digits
            clickSolution();
        },
        [&] {
            ASSERT_NE(layerOfKind<GameOverBanner>(), nullptr);
            const float resumedPlay = game().winTime - resumedAt;
            EXPECT_NEAR(game().winTime - game().startTime, playedAtResume + resumedPlay, 0.05f)
                << "the time of a resumed game counts from its first start";
            script.close(platformMilliseconds()); // ends the banner
        },
        [&] { pressKey(vkReturn); }, // the name for the new best time
        [&] { press(kRightOfTwoButton); },         // no other game
    });
    EXPECT_FALSE(kept()) << "a won game is not kept";
}

TEST_F(KeepGameTest, SigtermDuringAGameKeepsItForTheNextStart)
{
    const Snapshot before = playThenQuitWithYes(true);
    startAgain({
        [&] {
            ASSERT_TRUE(dialogUp());
            expectSameGame(before);
            EXPECT_NEAR(game().elapsedSeconds(), before.elapsed, 0.01f) << "the signal stopped the clock";
            press(kLeftOfTwoButton);
        },
        [] {
            EXPECT_FALSE(dialogUp());
            EXPECT_EQ(game().state, GameState::Playing);
        },
    });
}

TEST_F(KeepGameTest, NoDiscardsTheKeptGameForTheMenu)
{
    script.click(kMenuShown - 100, 346 + 5, 294 + 5); // Random, before Play
    playThenQuitWithYes();
    startAgain({
        [&] {
            ASSERT_TRUE(dialogUp());
            EXPECT_EQ(game().profile.zoneLayout(), 1) << "the board's label names the kept layout";
            press(kRightOfTwoButton);
        },
        [&] {
            EXPECT_FALSE(dialogUp());
            EXPECT_EQ(game().state, GameState::Menu);
            EXPECT_FALSE(kept());
            press(kQuitMenuButton);
        },
    });
    EXPECT_FALSE(kept()) << "nothing is kept afterwards";
}

TEST_F(KeepGameTest, GivingUpForTheMenuOrWinningKeepsNothing)
{
    runSteps(kPlaying, {
        [&] {
            clickNumberIntoCell(1, emptyCell());
            ASSERT_TRUE(saveKeptGame(KeptGame{})); // as if another game had been kept
            press(kQuitGameButton);
        },
        [&] { press(kRightOfThreeButton); },
        [&] {
            EXPECT_EQ(game().state, GameState::Menu);
            EXPECT_FALSE(kept()) << "the main answer deletes a kept game";
            clickAt(200, 285); // Play
        },
        [] {},
        [] {},
        [] {},
        [&] {
            ASSERT_EQ(game().state, GameState::Playing);
            ASSERT_TRUE(saveKeptGame(KeptGame{}));
            clickSolution();
        },
        [&] { EXPECT_FALSE(kept()) << "a win deletes a kept game"; },
    }, 400);
    EXPECT_FALSE(kept());
}

TEST_F(KeepGameTest, DamagedRecordsGiveTheMenuWithNoQuestionAndAreDeleted)
{
    playThenQuitWithYes();
    const std::vector<unsigned char> good = fileBytes(recordPath());
    KeptGame stored;
    ASSERT_TRUE(decodeKeptGame(good.data(), good.size(), stored));
    auto broken = [&](const std::function<void(KeptGame&)>& breakRule) {
        KeptGame copy = stored;
        breakRule(copy);
        return encodeKeptGame(copy);
    };
    std::vector<std::vector<unsigned char>> damaged(4, good);
    damaged[0].resize(good.size() - 3);                   // truncated
    damaged[1][4] = 2;                                    // version 2
    damaged[2][40] ^= 1;                                  // bad checksum
    damaged[3] = std::vector<unsigned char>(good.begin(), good.begin() + 16);
    damaged.push_back(broken([](KeptGame& g) {            // a given differing from the solution
        const auto given = std::find_if(g.board.givens.begin(), g.board.givens.end(), [](int32_t v) { return v != 0; });
        *given = *given % 9 + 1;
    }));
    damaged.push_back(broken([](KeptGame& g) { g.board.zoneMap[40] = g.board.zoneMap[40] % 9 + 1; }));
    damaged.push_back(broken([](KeptGame& g) { std::swap(g.board.solution[0], g.board.solution[9]); }));
    for (size_t i = 0; i < damaged.size(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(writeSetting(kMaker, "PellixGame", damaged[i].data(), damaged[i].size()));
        startAgain({[&] {
            EXPECT_EQ(game().state, GameState::Menu);
            EXPECT_FALSE(dialogUp());
            EXPECT_FALSE(kept());
        }});
    }
}

// Hiding goes through the real window call and its event; a minimise is the same message, which
// the offscreen driver never sends, so it is injected.
TEST_F(KeepGameTest, MinimisingOrHidingPausesButLosingFocusDoesNot)
{
    constexpr uint64_t t = kPlaying + 1000;
    float before = 0.0f;
    script.activate(t, false);
    script.at(t + 100, [] {
        EXPECT_FALSE(dialogUp()) << "losing focus alone does not pause";
        EXPECT_EQ(game().pauseStart, 0.0f);
    });
    script.activate(t + 200, true);
    script.at(t + 300, [&] {
        before = game().elapsedSeconds();
        script.send(platformMilliseconds(), {.kind = PlatformMessageKind::Minimise});
    });
    script.at(t + 400, [&] {
        EXPECT_TRUE(dialogUp()) << "minimising opens the pause dialog";
        EXPECT_NE(game().pauseStart, 0.0f);
        platformSleepMilliseconds(60000);
        // A second minimise reaches the dialog, which ignores it.
        script.send(platformMilliseconds(), {.kind = PlatformMessageKind::Minimise});
    });
    script.send(t + 60500, {.kind = PlatformMessageKind::Paint}); // restored
    script.at(t + 60600, [&] {
        EXPECT_TRUE(dialogUp()) << "the pause dialog shows after restoring";
        EXPECT_NEAR(game().elapsedSeconds(), before, 0.01f) << "the clock stood still";
        press(kMiddleButton);
    });
    script.at(t + 61000, [&] {
        EXPECT_FALSE(dialogUp());
        before = game().elapsedSeconds();
        hideWindow();
        script.forwardSystemMessages(platformMilliseconds());
    });
    script.at(t + 61100, [&] {
        EXPECT_TRUE(dialogUp()) << "hiding opens the pause dialog";
        EXPECT_TRUE(platformWindowVisible()) << "the dialog shows the window again";
        EXPECT_NEAR(game().elapsedSeconds(), before, 0.01f);
        press(kMiddleButton);
    });
    script.at(t + 61500, [] { EXPECT_FALSE(dialogUp()); });
    runGame(t + 62000);
}
