// files_test.cpp: the whole-file helpers on real files in a temporary folder.
#include "storage/storage.h"
#include "temp_config_home.h"

#include <array>

using Files = TempConfigHome;

TEST_F(Files, ReadNeedsTheWholeCountFromTheStart)
{
    const std::string name = (root / "ten.bin").string();
    putFile(name, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    std::array<unsigned char, 11> buffer;
    buffer.fill(0xEE);
    EXPECT_FALSE(readFile(BWString("%s", name.c_str()), buffer.data(), 11));
    EXPECT_EQ(buffer[0], 0xEE);
    ASSERT_TRUE(readFile(BWString("%s", name.c_str()), buffer.data(), 4));
    EXPECT_EQ(buffer[3], 3);
    EXPECT_EQ(buffer[4], 0xEE);
    EXPECT_TRUE(readFile(BWString("%s", name.c_str()), buffer.data(), 10));
}

TEST_F(Files, WriteTruncatesAndDeleteRemoves)
{
    const BWString name("%s", (root / "out.bin").c_str());
    const std::array<unsigned char, 6> bytes{6, 5, 4, 3, 2, 1};
    ASSERT_TRUE(writeFile(name, bytes.data(), 6));
    ASSERT_TRUE(writeFile(name, bytes.data(), 2));
    EXPECT_EQ(fileBytes(name.chars()), (std::vector<unsigned char>{6, 5}));
    EXPECT_TRUE(deleteFile(name));
    EXPECT_FALSE(deleteFile(name));
    EXPECT_FALSE(std::filesystem::exists(name.chars()));
}

TEST_F(Files, FailuresAreReportedAsFalse)
{
    unsigned char byte = 0;
    EXPECT_FALSE(readFile(BWString(), &byte, 1));
    EXPECT_FALSE(writeFile(BWString(), &byte, 1));
    EXPECT_FALSE(deleteFile(BWString()));
    EXPECT_FALSE(readFile(BWString("%s", (root / "missing").c_str()), &byte, 1));
    EXPECT_FALSE(writeFile(BWString("%s", (root / "no/such/folder").c_str()), &byte, 1));
    EXPECT_FALSE(deleteFile(BWString("%s", root.c_str())));
    // A full disk shows only when the buffered bytes are flushed.
    if (std::filesystem::exists("/dev/full")) {
        EXPECT_FALSE(writeFile("/dev/full", &byte, 1));
    }
}
