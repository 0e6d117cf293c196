// resource_files_test.cpp: every picture is in Resources/ and the generator's bytes never change,
// at any scale.
#include "resources.h"

#include "media/file_bytes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

namespace {

std::vector<std::string> pictureNames()
{
    std::vector<std::string> names = {
        "splash.png", "menu_background.png", "game_background.png", "game_overlay.png",
        "game_loading.png", "game_over.png", "game_select.png", "game_check.png",
        "game_side_numbers.png", "game_side_numbers_small.png", "game_side_select.png",
        "game_line_horz.png", "game_line_vert.png", "game_done.png", "dialog_background.png",
        "dialog_pause.png", "dialog_reset.png", "dialog_exit.png", "dialog_clear.png",
        "dialog_again.png", "dialog_textbox.png", "dialog_settings.png", "dialog_help.png",
        "dialog_resume.png", "undo_void.png", "icon.png"};
    for (int zone = 1; zone <= 9; zone++) names.push_back("game_zone" + std::to_string(zone) + ".png");
    for (const char* button : {"play", "help", "settings", "exit_menu", "exit_game", "pause", "reset",
                               "yes", "no", "main", "done", "clear", "undo"})
        for (const char* state : {"_button.png", "_down.png", "_highlight.png"})
            names.push_back(std::string(button) + state);
    return names;
}

const std::vector<std::string> kFontNames = {
    "font_main.fnt", "font_original.fnt", "font_puzzle.fnt", "font_conflict.fnt",
    "font_puzzle_small.fnt", "font_conflict_small.fnt"};
const std::vector<std::string> kSoundNames = {
    "sound_check.wav", "sound_number.wav", "sound_place.wav", "sound_test.wav", "sound_finish.wav",
    "sound_done.wav"};

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
    names.insert(names.end(), kFontNames.begin(), kFontNames.end());
    names.insert(names.end(), kSoundNames.begin(), kSoundNames.end());
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
        EXPECT_EQ(compared, int(pictureNames().size() + kFontNames.size())) << set;
    }
    std::filesystem::remove_all(folder);
}
