// resources_test.cpp: finding Resources/ from the current directory, the executable, the data folder.
#include "frame/resources.h"

#include <gtest/gtest.h>

#include <filesystem>

#include <unistd.h>

namespace fs = std::filesystem;

namespace {

struct ResourcesTest : ::testing::Test {
    void SetUp() override
    {
        original = fs::current_path();
        root = fs::temp_directory_path() / ("pellix-resources-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(root / "start");
        fs::create_directories(root / "bin");
        fs::current_path(root / "start");
    }
    void TearDown() override
    {
        fs::current_path(original);
        fs::remove_all(root);
    }
    fs::path original;
    fs::path root;
};

} // namespace

TEST_F(ResourcesTest, CurrentDirectoryThenBesideTheExecutableThenTheDataFolder)
{
    const std::string executable = (root / "bin" / "pellix").string();
    const std::string data = (root / "data").string();
    EXPECT_FALSE(enterResourcesDirectory(executable.c_str(), data.c_str()));
    EXPECT_FALSE(enterResourcesDirectory("", ""));
    EXPECT_FALSE(enterResourcesDirectory(nullptr, nullptr));
    EXPECT_EQ(fs::current_path(), root / "start") << "without any, the directory stays";
    // Each folder made is found before the ones made earlier.
    for (const fs::path& folder : {root / "data", root / "bin" / "Resources", root / "start" / "Resources"}) {
        fs::create_directories(folder);
        fs::current_path(root / "start");
        EXPECT_TRUE(enterResourcesDirectory(executable.c_str(), data.c_str()));
        EXPECT_EQ(fs::current_path(), folder);
    }
}

TEST_F(ResourcesTest, RelativeDataFolderIsTakenFromTheExecutablesFolder)
{
    // An installed tree unpacked anywhere: games/pellix beside share/pellix/Resources.
    const fs::path art = root / "share" / "pellix" / "Resources";
    fs::create_directories(art);
    fs::create_directories(root / "games");
    const std::string executable = (root / "games" / "pellix").string();
    const char* installed = "../share/pellix/Resources";
    EXPECT_TRUE(enterResourcesDirectory(executable.c_str(), installed));
    EXPECT_TRUE(fs::equivalent(fs::current_path(), art));

    // Not from the current directory: without the executable's folder the relative folder is not tried.
    fs::current_path(root / "games");
    EXPECT_FALSE(enterResourcesDirectory("pellix", installed));
    EXPECT_FALSE(enterResourcesDirectory(nullptr, installed));
    EXPECT_EQ(fs::current_path(), root / "games");

    // A program in another folder misses it; an absolute data folder is found from anywhere.
    const std::string elsewhere = (root / "start" / "games" / "pellix").string();
    fs::current_path(root / "start");
    EXPECT_FALSE(enterResourcesDirectory(elsewhere.c_str(), installed));
    EXPECT_TRUE(enterResourcesDirectory(elsewhere.c_str(), art.string().c_str()));
    EXPECT_EQ(fs::current_path(), art);
}
