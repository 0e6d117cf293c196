// profile_crash_safety_test.cpp: a save killed at any moment leaves the old or the new record whole.
#include "game/maker.h"
#include "game/profile.h"
#include "storage/setting_store_posix.h"
#include "storage/temp_config_home.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <random>
#include <thread>

namespace {

constexpr int kKills = 1000;

// Version n of the record: every field follows from n, so a record mixing two versions, or
// one cut short and filled with defaults, matches no version at all.
void fillVersion(Profile& profile, int n)
{
    profile.setFullscreen(n % 2 == 1);
    profile.setSoundOn(n % 4 < 2);
    profile.setZoneLayout(static_cast<std::int8_t>(n % 3));
    profile.setDifficulty(static_cast<std::int8_t>(n / 3 % 3));
    profile.setLastName(BWString("Player %d", n).chars());
    for (int layout = 0; layout < Profile::kLayouts; ++layout)
        for (int difficulty = 0; difficulty < Profile::kDifficulties; ++difficulty)
            for (int rank = 0; rank < Profile::kRanks; ++rank) {
                const int entry = (layout * 3 + difficulty) * 3 + rank;
                profile.setBestName(layout, difficulty, rank, BWString("Best %d of %d", entry, n).chars());
                profile.setBestTime(layout, difficulty, rank, static_cast<float>(n) + entry * 0.25f);
            }
}

Profile::Record recordOf(int n)
{
    Profile profile;
    fillVersion(profile, n);
    return profile.record();
}

// The child: saves versions first, first + 1, ... and reports each one done on the pipe.
[[noreturn]] void saveForever(int first, int reportFd)
{
    Profile profile;
    for (int n = first;; ++n) {
        fillVersion(profile, n);
        if (!profile.save() || write(reportFd, &n, sizeof n) != sizeof n)
            _exit(3);
    }
}

// The newest version the child reported done, or `otherwise` when it reported none.
int lastReported(int readFd, int otherwise)
{
    int n = 0;
    int last = otherwise;
    while (read(readFd, &n, sizeof n) == sizeof n)
        last = n;
    return last;
}

} // namespace

using ProfileCrashSafety = TempConfigHome;

TEST_F(ProfileCrashSafety, KilledWhileSavingLeavesThePreviousOrTheNewRecordWhole)
{
    Profile first;
    fillVersion(first, 0);
    ASSERT_TRUE(first.save());
    const std::string path = settingFilePath(kMaker, "Pellix");
    std::mt19937 random(20261208);
    int stored = 0;
    int keptOld = 0;
    int keptNew = 0;
    int delayed = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            close(fds[0]);
            saveForever(stored + 1, fds[1]);
        }
        close(fds[1]);
        // Half the kills land at once, the rest at a random point of the next few saves: the
        // moment of the kill is what this test varies, so it waits on the real clock.
        int done = stored;
        if (random() % 2 == 1) {
            ASSERT_EQ(read(fds[0], &done, sizeof done), ssize_t(sizeof done));
            std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
            delayed++;
        }
        ASSERT_EQ(::kill(child, SIGKILL), 0);
        int status = 0;
        ASSERT_EQ(waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the saving child failed by itself, status " << status;
        const int reported = lastReported(fds[0], done);
        close(fds[0]);

        // Saved versions only ever grow, and the child may have finished one more than it said.
        const std::vector<unsigned char> bytes = fileBytes(path);
        const Profile::Record before = recordOf(reported);
        const Profile::Record after = recordOf(reported + 1);
        const bool isBefore = std::equal(bytes.begin(), bytes.end(), before.begin(), before.end());
        const bool isAfter = std::equal(bytes.begin(), bytes.end(), after.begin(), after.end());
        ASSERT_TRUE(isBefore || isAfter) << "kill " << kill << ": " << bytes.size()
                                         << " stored bytes match neither version " << reported
                                         << " nor " << reported + 1;
        stored = isBefore ? reported : reported + 1;
        (isBefore ? keptOld : keptNew)++;
        Profile loaded;
        loaded.load();
        ASSERT_EQ(loaded.record(), recordOf(stored)) << "kill " << kill;
    }
    EXPECT_GE(stored, delayed) << "every child that was waited for saved at least once";
    RecordProperty("kept_previous", keptOld);
    RecordProperty("kept_new", keptNew);
    // Kills before the rename leave their temporary file behind; counted for the record.
    int strays = 0;
    for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::path(path).parent_path()))
        strays += entry.path().filename().string().rfind(".Pellix.", 0) == 0;
    RecordProperty("stray_temporaries", strays);
}
