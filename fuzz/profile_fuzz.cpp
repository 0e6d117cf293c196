// profile_fuzz.cpp: arbitrary bytes as the stored profile record, loaded through the file store
// under a private XDG_CONFIG_HOME; whatever was stored, the loaded record must be one the game
// can trust, and saving and loading it again must change nothing.
#include "game/profile.h"
#include "storage/setting_store_posix.h"
#include "storage/storage.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

namespace {

std::string storeFolder;
std::string recordPath;

void removeStore() { std::filesystem::remove_all(storeFolder); }

bool choice(std::int8_t value) { return value >= 0 && value <= 2; }

bool terminated(const char* name) { return strnlen(name, Profile::kNameSize) < Profile::kNameSize; }

bool trustworthy(const Profile& profile)
{
    if (profile.record()[0] != 2 || !choice(profile.zoneLayout()) || !choice(profile.difficulty())
        || !terminated(profile.lastName()))
        return false;
    for (int layout = 0; layout < Profile::kLayouts; ++layout)
        for (int difficulty = 0; difficulty < Profile::kDifficulties; ++difficulty)
            for (int rank = 0; rank < Profile::kRanks; ++rank) {
                const float time = profile.bestTime(layout, difficulty, rank);
                if (!terminated(profile.bestName(layout, difficulty, rank)) || !std::isfinite(time)
                    || time < 0.0f || time >= 2147483648.0f)
                    return false;
            }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    // Shared memory keeps the store's flushes cheap; the folder is this process's own.
    char folder[] = "/dev/shm/pellix-profile-fuzz-XXXXXX";
    if (!mkdtemp(folder)) std::abort();
    setenv("XDG_CONFIG_HOME", folder, 1);
    storeFolder = folder;
    std::atexit(removeStore);
    recordPath = settingFilePath("Brimworks", "Pellix");
    std::filesystem::create_directories(std::filesystem::path(recordPath).parent_path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!writeFile(BWString("%s", recordPath.c_str()), data, size)) std::abort();
    Profile::Record loaded{};
    {
        Profile profile;
        profile.load();
        if (!trustworthy(profile)) std::abort();
        loaded = profile.record();
        // Leaving the scope saves the mended record.
    }
    Profile again;
    again.load();
    if (again.record() != loaded) std::abort();
    return 0;
}
