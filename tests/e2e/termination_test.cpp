// termination_test.cpp: a termination signal ends the whole game as a normal shutdown, from
// the board and from inside a dialog's nested loop: no question asked, the profile saved.
#include "tests/e2e/game_run.h"

#include "game/profile.h"

#include <csignal>

namespace {

// When the signal is raised; every loop must have ended before the next frame is due.
constexpr uint64_t kSignalled = kPlaying + 1000;

struct TerminationTest : PlayingRun {
    // Marks the profile in memory, then raises the signal at kSignalled; a game still running
    // a little later fails the test.
    void raiseAtSignalTime(int signal)
    {
        script.at(kSignalled, [signal] {
            game().profile.setLastName("Signalled");
            std::raise(signal);
        });
        script.failIfReached(kSignalled + 100, "the game ran on after the signal");
    }

    // The run has ended: at once, with the record on the disk holding what memory held.
    void expectNormalShutdown()
    {
        EXPECT_LT(platformMilliseconds(), kSignalled + 100);
        Profile saved;
        saved.load();
        EXPECT_STREQ(saved.lastName(), "Signalled");
    }
};

} // namespace

TEST_F(TerminationTest, SigtermOnTheBoardEndsTheGameWithoutTheExitQuestion)
{
    raiseAtSignalTime(SIGTERM);
    script.at(kSignalled - 10, [] { ASSERT_EQ(game().state, GameState::Playing); });
    {
        Game running;
        EXPECT_EQ(running.state, GameState::Playing);
    }
    expectNormalShutdown();
}

TEST_F(TerminationTest, SighupInsideThePauseDialogEndsEveryLoop)
{
    script.at(kSignalled - 500, [&] { pressKey('P'); });
    script.at(kSignalled - 10, [] { ASSERT_TRUE(dialogUp()); });
    raiseAtSignalTime(SIGHUP);
    { Game running; }
    expectNormalShutdown();
}

TEST_F(TerminationTest, SigintWhileTheExitQuestionIsUpEndsWithoutItsAnswer)
{
    script.close(kSignalled - 500);
    script.at(kSignalled - 10, [] { ASSERT_TRUE(dialogUp()); });
    raiseAtSignalTime(SIGINT);
    { Game running; }
    expectNormalShutdown();
}
