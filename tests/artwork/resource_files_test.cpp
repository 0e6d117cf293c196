// resource_files_test.cpp: every picture is in Resources/ and the generator's bytes never change,
// at any scale.
#include "resources.h"

#include "game/asset_files.h"
#include "media/file_bytes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

// The game's pictures, and the icon the desktop shows.
std::vector<std::string> pictureNames()
{
    std::vector<std::string> names = gamePictures();
    names.push_back("icon.png");
    return names;
}

// The desktop's icon sizes beside icon.png.
std::string iconName(int size)
{
    return "icon_" + std::to_string(size) + ".png";
}

}  // namespace

TEST(ResourceFiles, EveryPictureIsThereAndDecodes)
{
    for (const std::string& name : pictureNames()) {
        Picture picture;
        ASSERT_TRUE(readPicture(name, picture)) << name;
        EXPECT_GT(picture.width, 0) << name;
        EXPECT_GT(picture.maxAlpha(0, 0, picture.width, picture.height), 0) << name << " is blank";
    }
    Picture icon;
    ASSERT_TRUE(readPicture("icon.png", icon));
    EXPECT_EQ(icon.width, 256);
    EXPECT_EQ(icon.height, 256);
    for (int size : {48, 64, 128}) {
        ASSERT_TRUE(readPicture(iconName(size), icon)) << size;
        EXPECT_EQ(icon.width, size);
        EXPECT_EQ(icon.height, size);
        EXPECT_GT(icon.maxAlpha(0, 0, size, size), 0) << size << " is blank";
    }
}

TEST(ResourceFiles, WindowsIconIsThere)
{
    std::vector<uint8_t> ico = readResource("icon.ico");
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(ico[2], 1);  // an icon, not a cursor
    EXPECT_GE(ico[4], 1);  // with at least one image
}

// Runs the generator again into a fresh folder: each file must match the build's byte for byte.
TEST(ResourceFiles, GeneratorWritesTheSameBytesEveryRun)
{
    std::filesystem::path folder = std::filesystem::temp_directory_path() / ("pellix-artwork-" + std::to_string(::getpid()));
    std::string command = std::string("\"") + PELLIX_ARTWORK_TOOL + "\" \"" + folder.string() + "\"";
    ASSERT_EQ(std::system(command.c_str()), 0);
    std::vector<std::string> names = pictureNames();
    names.insert(names.end(), kFonts.begin(), kFonts.end());
    names.insert(names.end(), kSounds.begin(), kSounds.end());
    names.push_back("icon.ico");
    for (int size : {48, 64, 128}) names.push_back(iconName(size));
    for (const std::string& name : names) {
        std::vector<uint8_t> again = readFileBytes((folder / name).string().c_str());
        ASSERT_FALSE(again.empty()) << name;
        EXPECT_EQ(again, readResource(name)) << name << " differs between runs";
    }
    for (const char* set : {"@2x", "@3x"}) {
        int compared = 0;
        for (const auto& entry : std::filesystem::directory_iterator(folder / set)) {
            std::string name = std::string(set) + "/" + entry.path().filename().string();
            EXPECT_EQ(readFileBytes(entry.path().string().c_str()), readResource(name)) << name << " differs between runs";
            compared++;
        }
        EXPECT_EQ(compared, int(pictureNames().size() + kFonts.size())) << set;
    }
    std::filesystem::remove_all(folder);
}
