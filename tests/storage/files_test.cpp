// files_test.cpp: the whole-file helpers on real files in a temporary folder.
#include "storage/storage.h"
#include "temp_config_home.h"

using Bytes = std::vector<unsigned char>;
using Files = TempConfigHome;

TEST_F(Files, ReadNeedsTheWholeCountWriteTruncatesDeleteRemovesFailuresAreFalse)
{
    const BWString name("%s", (root / "ten.bin").c_str());
    const Bytes ten{0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    ASSERT_TRUE(writeFile(name, Bytes(20, 5).data(), 20));
    ASSERT_TRUE(writeFile(name, ten.data(), 10));
    Bytes buffer(11, 0xEE);
    EXPECT_FALSE(readFile(name, buffer.data(), 11));
    EXPECT_EQ(buffer, Bytes(11, 0xEE));
    ASSERT_TRUE(readFile(name, buffer.data(), 4));
    EXPECT_EQ(buffer, (Bytes{0, 1, 2, 3, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE, 0xEE}));
    EXPECT_TRUE(readFile(name, buffer.data(), 10));
    EXPECT_TRUE(deleteFile(name));
    EXPECT_FALSE(deleteFile(name));
    EXPECT_FALSE(readFile(name, buffer.data(), 1));
    // Failures are reported as false.
    unsigned char byte = 0;
    EXPECT_FALSE(readFile(BWString(), &byte, 1) || writeFile(BWString(), &byte, 1) || deleteFile(BWString()));
    EXPECT_FALSE(writeFile(BWString("%s", (root / "no/such/folder").c_str()), &byte, 1));
    EXPECT_FALSE(deleteFile(BWString("%s", root.c_str())));
    // A full disk shows only when the buffered bytes are flushed.
    EXPECT_FALSE(std::filesystem::exists("/dev/full") && writeFile("/dev/full", &byte, 1));
}
