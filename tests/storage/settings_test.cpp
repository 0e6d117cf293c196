// settings_test.cpp: per-user records on a real file store in a temporary folder.
#include "game/maker.h"
#include "storage/setting_store_posix.h"
#include "storage/storage.h"
#include "temp_config_home.h"

#include <chrono>

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;
using Settings = TempConfigHome;

TEST_F(Settings, ReadingBeforeAnyWriteCreatesNothingAndAWriteCreatesThePath)
{
    const fs::path file = root / kMaker / "Settings/Pellix";
    Bytes buffer(8, 0xAB);
    EXPECT_FALSE(readSetting(kMaker, "Pellix", buffer.data(), buffer.size()) ||
                 deleteSetting(kMaker, "Pellix"));
    EXPECT_EQ(buffer, Bytes(8, 0xAB));
    EXPECT_TRUE(fs::is_empty(root));
    ASSERT_TRUE(writeSetting(kMaker, "Pellix", Bytes(8, 1).data(), 8));
    ASSERT_TRUE(writeSetting(kMaker, "Pellix", Bytes(2, 9).data(), 2));
    EXPECT_EQ(fileBytes(file), Bytes(2, 9)) << "the whole value is replaced";
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1);
    EXPECT_TRUE(deleteSetting(kMaker, "Pellix"));
    EXPECT_TRUE(fs::is_empty(file.parent_path()));
}

TEST_F(Settings, ShorterValueFillsOnlyItsOwnBytesAndLongerOneFails)
{
    ASSERT_TRUE(writeSetting(kMaker, "Pellix", Bytes(100, 7).data(), 100));
    Bytes buffer(1936, 0xAB);
    ASSERT_TRUE(readSetting(kMaker, "Pellix", buffer.data(), buffer.size()));
    EXPECT_EQ(std::count(buffer.begin(), buffer.begin() + 100, 7), 100);
    EXPECT_EQ(std::count(buffer.begin() + 100, buffer.end(), 0xAB), 1836);
    Bytes small(99, 0xCD);
    EXPECT_FALSE(readSetting(kMaker, "Pellix", small.data(), small.size()));
    EXPECT_EQ(small, Bytes(99, 0xCD));
}

TEST_F(Settings, AWholeValueIsReadWhateverItsLengthUpToTheLimit)
{
    Bytes whole{1, 2, 3};
    EXPECT_FALSE(readWholeSetting(kMaker, "PellixGame", whole, 100));
    EXPECT_TRUE(whole.empty());
    ASSERT_TRUE(writeSetting(kMaker, "PellixGame", Bytes(100, 7).data(), 100));
    ASSERT_TRUE(readWholeSetting(kMaker, "PellixGame", whole, 100));
    EXPECT_EQ(whole, Bytes(100, 7));
    EXPECT_FALSE(readWholeSetting(kMaker, "PellixGame", whole, 99)) << "longer than the limit";
    EXPECT_TRUE(whole.empty());
    ASSERT_TRUE(writeSetting(kMaker, "PellixGame", nullptr, 0));
    EXPECT_TRUE(readWholeSetting(kMaker, "PellixGame", whole, 99));
    EXPECT_TRUE(whole.empty());
    fs::remove(root / kMaker / "Settings/PellixGame");
    fs::create_directory(root / kMaker / "Settings/PellixGame");
    EXPECT_FALSE(readWholeSetting(kMaker, "PellixGame", whole, 99)) << "a folder is no value";
}

TEST_F(Settings, NamesAreNULLForNullAndNeverLeaveTheMakersFolder)
{
    const unsigned char byte = 42;
    ASSERT_TRUE(writeSetting(BWString(), BWString(), &byte, 1));
    EXPECT_TRUE(fs::is_regular_file(root / "NULL/Settings/NULL"));
    for (const char* name : {"", ".", "..", "../escape", "a/b"}) {
        EXPECT_FALSE(writeSetting(BWString("%s", name), "Pellix", &byte, 1)) << name;
        EXPECT_FALSE(writeSetting(kMaker, BWString("%s", name), &byte, 1)) << name;
    }
    EXPECT_FALSE(fs::exists(root.parent_path() / "escape"));
    setenv("HOME", root.c_str(), 1);
    setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(settingFilePath(kMaker, "Pellix"), (root / ".config" / kMaker / "Settings/Pellix").string());
}

TEST_F(Settings, SaveCutOffBeforeReplacingLeavesTheOldRecordReadable)
{
    ASSERT_TRUE(writeSetting(kMaker, "Pellix", Bytes(1936, 0x11).data(), 1936));
    const std::string leftover = writeTemporaryBeside(settingFilePath(kMaker, "Pellix"), Bytes(700, 0x22).data(), 700);
    ASSERT_FALSE(leftover.empty());
    Bytes buffer(1936);
    ASSERT_TRUE(readSetting(kMaker, "Pellix", buffer.data(), buffer.size()));
    EXPECT_EQ(buffer, Bytes(1936, 0x11));
    // The next save goes through despite the leftover and does not disturb it.
    ASSERT_TRUE(writeSetting(kMaker, "Pellix", Bytes(1936, 0x33).data(), 1936));
    ASSERT_TRUE(readSetting(kMaker, "Pellix", buffer.data(), buffer.size()));
    EXPECT_EQ(buffer, Bytes(1936, 0x33));
    EXPECT_EQ(fileBytes(leftover), Bytes(700, 0x22));
    // Once it is old enough to belong to no save in progress, the next save sweeps it away.
    fs::last_write_time(leftover, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    ASSERT_TRUE(writeSetting(kMaker, "Pellix", Bytes(1936, 0x44).data(), 1936));
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_EQ(fileBytes(settingFilePath(kMaker, "Pellix")), Bytes(1936, 0x44));
}

// The folders are checked by the root user's rules too, so a read-only folder would not fail
// here: a folder in the value's place, and a file in the settings folder's place, do.
TEST_F(Settings, AFailedSaveSaysInOneLineWhereAndWhyAndKeepsTheOldValue)
{
    const fs::path value = root / kMaker / "Settings/Pellix";
    fs::create_directories(value);
    testing::internal::CaptureStderr();
    EXPECT_FALSE(writeSetting(kMaker, "Pellix", Bytes(4, 1).data(), 4));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "cannot save " + value.string() + ": Is a directory\n");
    EXPECT_TRUE(fs::is_directory(value));
    EXPECT_EQ(std::distance(fs::directory_iterator(value.parent_path()), fs::directory_iterator()), 1)
        << "the temporary is gone";

    fs::remove_all(root / kMaker);
    std::ofstream(root / kMaker) << "not a folder";
    testing::internal::CaptureStderr();
    EXPECT_FALSE(writeSetting(kMaker, "Pellix", Bytes(4, 1).data(), 4));
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "cannot save " + value.string() + ": Not a directory\n");
}

TEST_F(Settings, OneProcessAtATimeHoldsAValuesLock)
{
    // This process takes the lock and keeps it; a child process then finds it taken, but not
    // the lock of another value. Letting go when a process dies is shown by program_test.sh.
    ASSERT_TRUE(holdSettingLock(kMaker, "Locked"));
    EXPECT_TRUE(fs::exists(root / kMaker / "Settings/Locked.lock"));
    EXPECT_EXIT(std::exit(holdSettingLock(kMaker, "Locked") ? 1 : 0), testing::ExitedWithCode(0), "");
    EXPECT_EXIT(std::exit(holdSettingLock(kMaker, "Other") ? 0 : 1), testing::ExitedWithCode(0), "");
}
