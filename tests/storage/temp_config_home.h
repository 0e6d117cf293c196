// temp_config_home.h: a fresh temporary folder as XDG_CONFIG_HOME for one test, removed after.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

class TempConfigHome : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "pellix-test-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        root = pattern;
        setenv("XDG_CONFIG_HOME", root.c_str(), 1);
    }
    void TearDown() override { std::filesystem::remove_all(root); }

    static std::vector<unsigned char> fileBytes(const std::filesystem::path& path)
    {
        std::ifstream in(path, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::filesystem::path root;
};
