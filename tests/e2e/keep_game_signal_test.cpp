// keep_game_signal_test.cpp: the real program, ended by SIGTERM during a game, keeps that game.
//
// The program is started as it is installed (on the offscreen driver, with a temporary store)
// over a kept game, so that after its splash it is in a game, with the question whether to
// carry on up; then it gets SIGTERM.
#include "game/kept_game.h"
#include "game/maker.h"
#include "storage/setting_store_posix.h"
#include "tests/game/kept_game_sample.h"
#include "tests/storage/temp_config_home.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

struct SignalledGame : TempConfigHome {
    void TearDown() override
    {
        if (child > 0) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
        TempConfigHome::TearDown();
    }

    bool kept() const { return std::filesystem::exists(settingFilePath(kMaker, "PellixGame")); }

    void start()
    {
        child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            setenv("SDL_VIDEODRIVER", "offscreen", 1);
            setenv("SDL_AUDIODRIVER", "dummy", 1);
            execl(PELLIX_GAME, PELLIX_GAME, static_cast<char*>(nullptr));
            _exit(127);
        }
    }

    // True when the test holds within the time (checked every 50 ms).
    template <class Test> static bool within(std::chrono::seconds limit, Test test)
    {
        for (const auto end = Clock::now() + limit; Clock::now() < end;) {
            if (test()) {
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return test();
    }

    // Whether the child ended within the time; status receives its wait status.
    bool ended(std::chrono::seconds limit, int& status)
    {
        const bool done = within(limit, [&] { return waitpid(child, &status, WNOHANG) == child; });
        if (done) {
            child = -1;
        }
        return done;
    }

    pid_t child = -1;
};

} // namespace

TEST_F(SignalledGame, SigtermDuringAGameEndsTheProgramAndKeepsTheGame)
{
    const KeptGame game = gameUnderWay();
    ASSERT_TRUE(saveKeptGame(game));
    start();
    ASSERT_TRUE(within(std::chrono::seconds(60), [&] { return !kept(); }))
        << "the program takes the kept game after its splash";
    // The board is up and the question asked; then the session ends.
    std::this_thread::sleep_for(std::chrono::milliseconds(500));
    ASSERT_EQ(kill(child, SIGTERM), 0);
    int status = 0;
    ASSERT_TRUE(ended(std::chrono::seconds(20), status)) << "SIGTERM ends the program";
    ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << (WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    EXPECT_EQ(WEXITSTATUS(status), 0);
    ASSERT_TRUE(kept()) << "the game in play is kept";
    const std::vector<unsigned char> stored = fileBytes(settingFilePath(kMaker, "PellixGame"));
    KeptGame again;
    ASSERT_TRUE(decodeKeptGame(stored.data(), stored.size(), again));
    EXPECT_EQ(0, memcmp(&again.board.cells, &game.board.cells, sizeof game.board.cells));
    EXPECT_EQ(again.undoList.size(), game.undoList.size());
    EXPECT_EQ(again.selected, game.selected);
    EXPECT_NEAR(again.elapsedSeconds, game.elapsedSeconds, 0.01f) << "the clock stood still under the question";
}
