// kept_game_fuzz.cpp: arbitrary bytes as the stored unfinished game, taken through the file store
// under a private XDG_CONFIG_HOME. The record must be gone afterwards, and a record that is
// accepted must be one the game itself would write: encoding what was read gives the same bytes.
#include "game/kept_game.h"
#include "storage/setting_store_file.h"
#include "storage/storage.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string storeFolder;
std::string recordPath;

void removeStore() { std::filesystem::remove_all(storeFolder); }

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    char folder[] = "/dev/shm/pellix-kept-game-fuzz-XXXXXX";
    if (!mkdtemp(folder)) std::abort();
    setenv("XDG_CONFIG_HOME", folder, 1);
    storeFolder = folder;
    std::atexit(removeStore);
    recordPath = settingFilePath("Brimworks", "PellixGame");
    std::filesystem::create_directories(std::filesystem::path(recordPath).parent_path());
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (!writeFile(BWString("%s", recordPath.c_str()), data, size)) std::abort();
    KeptGame kept;
    const bool accepted = takeKeptGame(kept);
    if (access(recordPath.c_str(), F_OK) == 0) std::abort();
    if (accepted && encodeKeptGame(kept) != std::vector<std::uint8_t>(data, data + size)) std::abort();
    return 0;
}
