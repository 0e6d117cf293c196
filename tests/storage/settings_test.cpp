// settings_test.cpp: per-user records on a real file store in a temporary folder.
#include "storage/setting_store_posix.h"
#include "storage/storage.h"
#include "temp_config_home.h"

#include <chrono>

namespace fs = std::filesystem;
using Bytes = std::vector<unsigned char>;
using Settings = TempConfigHome;

TEST_F(Settings, ReadingBeforeAnyWriteCreatesNothingAndAWriteCreatesThePath)
{
    const fs::path file = root / "Brimworks/Settings/Pellix";
    Bytes buffer(8, 0xAB);
    EXPECT_FALSE(readSetting("Brimworks", "Pellix", buffer.data(), buffer.size()) ||
                 deleteSetting("Brimworks", "Pellix"));
    EXPECT_EQ(buffer, Bytes(8, 0xAB));
    EXPECT_TRUE(fs::is_empty(root));
    ASSERT_TRUE(writeSetting("Brimworks", "Pellix", Bytes(8, 1).data(), 8));
    ASSERT_TRUE(writeSetting("Brimworks", "Pellix", Bytes(2, 9).data(), 2));
    EXPECT_EQ(fileBytes(file), Bytes(2, 9)) << "the whole value is replaced";
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1);
    EXPECT_TRUE(deleteSetting("Brimworks", "Pellix"));
    EXPECT_TRUE(fs::is_empty(file.parent_path()));
}

TEST_F(Settings, ShorterValueFillsOnlyItsOwnBytesAndLongerOneFails)
{
    ASSERT_TRUE(writeSetting("Brimworks", "Pellix", Bytes(100, 7).data(), 100));
    Bytes buffer(1936, 0xAB);
    ASSERT_TRUE(readSetting("Brimworks", "Pellix", buffer.data(), buffer.size()));
    EXPECT_EQ(std::count(buffer.begin(), buffer.begin() + 100, 7), 100);
    EXPECT_EQ(std::count(buffer.begin() + 100, buffer.end(), 0xAB), 1836);
    Bytes small(99, 0xCD);
    EXPECT_FALSE(readSetting("Brimworks", "Pellix", small.data(), small.size()));
    EXPECT_EQ(small, Bytes(99, 0xCD));
}

TEST_F(Settings, NamesAreNULLForNullAndNeverLeaveTheMakersFolder)
{
    const unsigned char byte = 42;
    ASSERT_TRUE(writeSetting(BWString(), BWString(), &byte, 1));
    EXPECT_TRUE(fs::is_regular_file(root / "NULL/Settings/NULL"));
    for (const char* name : {"", ".", "..", "../escape", "a/b"}) {
        EXPECT_FALSE(writeSetting(BWString("%s", name), "Pellix", &byte, 1)) << name;
        EXPECT_FALSE(writeSetting("Brimworks", BWString("%s", name), &byte, 1)) << name;
    }
    EXPECT_FALSE(fs::exists(root.parent_path() / "escape"));
    setenv("HOME", root.c_str(), 1);
    setenv("XDG_CONFIG_HOME", "relative", 1);
    EXPECT_EQ(settingFilePath("Brimworks", "Pellix"), (root / ".config/Brimworks/Settings/Pellix").string());
}

TEST_F(Settings, SaveCutOffBeforeReplacingLeavesTheOldRecordReadable)
{
    ASSERT_TRUE(writeSetting("Brimworks", "Pellix", Bytes(1936, 0x11).data(), 1936));
    const std::string leftover = writeTemporaryBeside(settingFilePath("Brimworks", "Pellix"), Bytes(700, 0x22).data(), 700);
    ASSERT_FALSE(leftover.empty());
    Bytes buffer(1936);
    ASSERT_TRUE(readSetting("Brimworks", "Pellix", buffer.data(), buffer.size()));
    EXPECT_EQ(buffer, Bytes(1936, 0x11));
    // The next save goes through despite the leftover and does not disturb it.
    ASSERT_TRUE(writeSetting("Brimworks", "Pellix", Bytes(1936, 0x33).data(), 1936));
    ASSERT_TRUE(readSetting("Brimworks", "Pellix", buffer.data(), buffer.size()));
    EXPECT_EQ(buffer, Bytes(1936, 0x33));
    EXPECT_EQ(fileBytes(leftover), Bytes(700, 0x22));
    // Once it is old enough to belong to no save in progress, the next save sweeps it away.
    fs::last_write_time(leftover, fs::file_time_type::clock::now() - std::chrono::minutes(5));
    ASSERT_TRUE(writeSetting("Brimworks", "Pellix", Bytes(1936, 0x44).data(), 1936));
    EXPECT_FALSE(fs::exists(leftover));
    EXPECT_EQ(fileBytes(settingFilePath("Brimworks", "Pellix")), Bytes(1936, 0x44));
}
