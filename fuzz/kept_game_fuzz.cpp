// kept_game_fuzz.cpp: arbitrary bytes as the stored unfinished game, taken through the file store
// under a private XDG_CONFIG_HOME. The record must be gone afterwards, and a record that is
// accepted must be one the game itself would write: encoding what was read gives the same bytes.
//
// The checksum field is set right for the bytes before they are stored (computed by zlib, which
// also checks the loader's own CRC-32): otherwise nearly every change the fuzzer makes to the
// fields would fail the checksum and never reach the checks of the board behind it. The tests
// show that a wrong checksum is refused.
#include "game/kept_game.h"
#include "storage/setting_store_posix.h"
#include "storage/storage.h"

#include <zlib.h>

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
    std::vector<std::uint8_t> record(data, data + size);
    if (size >= 16) {
        const uLong checksum = crc32(0, record.data() + 16, static_cast<uInt>(size - 16));
        for (int i = 0; i < 4; ++i) record[12 + i] = static_cast<std::uint8_t>(checksum >> (8 * i));
    }
    if (!writeFile(BWString("%s", recordPath.c_str()), record.data(), size)) std::abort();
    KeptGame kept;
    const bool accepted = takeKeptGame(kept);
    if (access(recordPath.c_str(), F_OK) == 0) std::abort();
    if (accepted && encodeKeptGame(kept) != record) std::abort();
    return 0;
}
