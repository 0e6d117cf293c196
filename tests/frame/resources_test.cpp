// resources_test.cpp: finding the Resources folder from the current directory, the executable
// and the installed data folder.
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

TEST_F(ResourcesTest, TheFolderUnderTheCurrentDirectoryComesFirst)
{
    fs::create_directories(root / "start" / "Resources");
    fs::create_directories(root / "bin" / "Resources");
    EXPECT_TRUE(enterResourcesDirectory((root / "bin" / "pellix").c_str(), nullptr));
    EXPECT_EQ(fs::current_path(), root / "start" / "Resources");
}

TEST_F(ResourcesTest, OtherwiseTheFolderBesideTheExecutable)
{
    fs::create_directories(root / "bin" / "Resources");
    fs::create_directories(root / "data");
    EXPECT_TRUE(enterResourcesDirectory((root / "bin" / "pellix").c_str(), (root / "data").c_str()));
    EXPECT_EQ(fs::current_path(), root / "bin" / "Resources");
}

TEST_F(ResourcesTest, OtherwiseTheInstalledDataFolder)
{
    fs::create_directories(root / "data");
    EXPECT_TRUE(enterResourcesDirectory((root / "bin" / "pellix").c_str(), (root / "data").c_str()));
    EXPECT_EQ(fs::current_path(), root / "data");
}

TEST_F(ResourcesTest, WithoutAnyTheDirectoryStaysAsItWas)
{
    EXPECT_FALSE(enterResourcesDirectory((root / "bin" / "pellix").c_str(), (root / "none").c_str()));
    EXPECT_FALSE(enterResourcesDirectory("", ""));
    EXPECT_FALSE(enterResourcesDirectory(nullptr, nullptr));
    EXPECT_EQ(fs::current_path(), root / "start");
}
