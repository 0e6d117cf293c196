// settings_test.cpp: per-user records on a real file store in a temporary folder.
#include "storage/setting_store_file.h"
#include "storage/storage.h"
#include "temp_config_home.h"

#include <array>

namespace fs = std::filesystem;

using Settings = TempConfigHome;

TEST_F(Settings, ReadingBeforeAnyWriteFailsAndCreatesNothing)
{
    std::array<unsigned char, 8> buffer;
    buffer.fill(0xAB);
    EXPECT_FALSE(readSetting("Brimworks", "Pellix", buffer.data(), buffer.size()));
    EXPECT_FALSE(deleteSetting("Brimworks", "Pellix"));
    EXPECT_EQ(buffer[0], 0xAB);
    EXPECT_TRUE(fs::is_empty(root));
}

TEST_F(Settings, WriteCreatesThePathAndReplacesTheWholeValue)
{
    const std::vector<unsigned char> first{1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_TRUE(writeSetting("Brimworks", "Pellix", first.data(), first.size()));
    const fs::path file = root / "Brimworks" / "Settings" / "Pellix";
    EXPECT_EQ(fileBytes(file), first);
    EXPECT_EQ(fs::status(root / "Brimworks").permissions() & fs::perms::all, fs::perms::owner_all);

    const std::vector<unsigned char> second{9, 9};
    ASSERT_TRUE(writeSetting("Brimworks", "Pellix", second.data(), second.size()));
    EXPECT_EQ(fileBytes(file), second);
    EXPECT_EQ(std::distance(fs::directory_iterator(file.parent_path()), fs::directory_iterator()), 1);
}

TEST_F(Settings, ShorterValueFillsOnlyItsOwnBytesAndLongerOneFails)
{
    std::vector<unsigned char> stored(100);
    for (std::size_t i = 0; i < stored.size(); ++i)
        stored[i] = static_cast<unsigned char>(i);
    ASSERT_TRUE(writeSetting("Brimworks", "Pellix", stored.data(), stored.size()));

    std::vector<unsigned char> buffer(1936, 0xAB);
    ASSERT_TRUE(readSetting("Brimworks", "Pellix", buffer.data(), buffer.size()));
    EXPECT_TRUE(std::equal(stored.begin(), stored.end(), buffer.begin()));
    EXPECT_EQ(std::count(buffer.begin() + 100, buffer.end(), 0xAB), 1836);

    std::vector<unsigned char> small(99, 0xCD);
    EXPECT_FALSE(readSetting("Brimworks", "Pellix", small.data(), small.size()));
    EXPECT_EQ(std::count(small.begin(), small.end(), 0xCD), 99);
}

TEST_F(Settings, NullNamesAddressTheTextNULL)
{
    const unsigned char byte = 42;
    ASSERT_TRUE(writeSetting(BWString(), BWString(), &byte, 1));
    EXPECT_TRUE(fs::is_regular_file(root / "NULL" / "Settings" / "NULL"));
    unsigned char back = 0;
    EXPECT_TRUE(readSetting("NULL", "NULL", &back, 1));
    EXPECT_EQ(back, 42);
}

TEST_F(Settings, DeleteRemovesTheValueAndKeepsTheMakersSettings)
{
    const unsigned char byte = 1;
    ASSERT_TRUE(writeSetting("Brimworks", "Pellix", &byte, 1));
    EXPECT_TRUE(deleteSetting("Brimworks", "Pellix"));
    EXPECT_FALSE(deleteSetting("Brimworks", "Pellix"));
    unsigned char back = 0;
    EXPECT_FALSE(readSetting("Brimworks", "Pellix", &back, 1));
    EXPECT_TRUE(fs::is_directory(root / "Brimworks" / "Settings"));
}

TEST_F(Settings, NamesThatAreNotOnePathComponentAreRefused)
{
    const unsigned char byte = 1;
    for (const char* name : {"", ".", "..", "../escape", "a/b"}) {
        EXPECT_FALSE(writeSetting(BWString("%s", name), "Pellix", &byte, 1)) << name;
        EXPECT_FALSE(writeSetting("Brimworks", BWString("%s", name), &byte, 1)) << name;
    }
    EXPECT_FALSE(fs::exists(root.parent_path() / "escape"));
    EXPECT_FALSE(fs::exists(root / "escape"));
}

TEST_F(Settings, WithoutAnAbsoluteConfigHomeTheHomeFolderIsUsed)
{
    setenv("HOME", root.c_str(), 1);
    for (const char* config : {"", "relative/place"}) {
        setenv("XDG_CONFIG_HOME", config, 1);
        EXPECT_EQ(settingFilePath("Brimworks", "Pellix"), (root / ".config/Brimworks/Settings/Pellix").string());
    }
}

TEST_F(Settings, SaveCutOffBeforeReplacingLeavesTheOldRecordReadable)
{
    const std::vector<unsigned char> oldRecord(1936, 0x11);
    ASSERT_TRUE(writeSetting("Brimworks", "Pellix", oldRecord.data(), oldRecord.size()));
    const std::string target = settingFilePath("Brimworks", "Pellix");
    const std::vector<unsigned char> torn(700, 0x22);
    const std::string leftover = writeTemporaryBeside(target, torn.data(), torn.size());
    ASSERT_FALSE(leftover.empty());
    EXPECT_EQ(fs::path(leftover).parent_path(), fs::path(target).parent_path());

    std::vector<unsigned char> buffer(1936);
    ASSERT_TRUE(readSetting("Brimworks", "Pellix", buffer.data(), buffer.size()));
    EXPECT_EQ(buffer, oldRecord);

    const std::vector<unsigned char> newRecord(1936, 0x33);
    ASSERT_TRUE(writeSetting("Brimworks", "Pellix", newRecord.data(), newRecord.size()));
    ASSERT_TRUE(readSetting("Brimworks", "Pellix", buffer.data(), buffer.size()));
    EXPECT_EQ(buffer, newRecord);
    EXPECT_EQ(fileBytes(leftover), torn);
}
