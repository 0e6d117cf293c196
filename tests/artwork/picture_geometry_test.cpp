// picture_geometry_test.cpp: the pictures fit where the game draws them on its 800 x 600 window.
#include "resources.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

Picture load(const std::string& name)
{
    Picture picture;
    EXPECT_TRUE(readPicture(name, picture)) << name;
    return picture;
}

struct Placed {
    std::string button;
    int x;
    int y;
};

int colourDistance(uint32_t a, uint32_t b)
{
    int distance = 0;
    for (int shift = 0; shift <= 16; shift += 8) distance += std::abs(int((a >> shift) & 0xff) - int((b >> shift) & 0xff));
    return distance;
}

}  // namespace

TEST(BoardGeometry, NineCellsFitLeftOfThePanelAndAboveTheBottom)
{
    Picture cell = load("game_zone1.png");
    ASSERT_GT(cell.width, 0);
    EXPECT_LE(175 + 9 * cell.width, 724);
    EXPECT_LE(46 + 9 * cell.height, 600);
    for (int zone = 2; zone <= 9; zone++) {
        Picture other = load("game_zone" + std::to_string(zone) + ".png");
        EXPECT_EQ(other.width, cell.width) << zone;
        EXPECT_EQ(other.height, cell.height) << zone;
    }
}

TEST(BoardGeometry, ZoneTintsAreOpaqueAndClearlyApart)
{
    std::vector<uint32_t> tints;
    for (int zone = 1; zone <= 9; zone++) {
        Picture cell = load("game_zone" + std::to_string(zone) + ".png");
        EXPECT_EQ(cell.alpha(cell.width / 2, cell.height / 2), 255) << zone;
        tints.push_back(cell.colour(cell.width / 2, cell.height / 2));
    }
    for (size_t a = 0; a < tints.size(); a++)
        for (size_t b = a + 1; b < tints.size(); b++)
            EXPECT_GE(colourDistance(tints[a], tints[b]), 30) << "zones " << a + 1 << " and " << b + 1;
}

TEST(BoardGeometry, BordersAreThreeThickAndMeetAtTheCorners)
{
    Picture cell = load("game_zone1.png");
    Picture vertical = load("game_line_vert.png");
    Picture horizontal = load("game_line_horz.png");
    EXPECT_EQ(vertical.width, 3);
    EXPECT_EQ(horizontal.height, 3);
    // Drawn from (174 + w(x+1), 45 + hy): the next one along starts h lower, so a line must reach
    // over the crossing border's three pixels.
    EXPECT_GE(vertical.height, cell.height + 3);
    EXPECT_GE(horizontal.width, cell.width + 3);
    EXPECT_EQ(vertical.maxAlpha(0, 0, 3, vertical.height), 255);
    EXPECT_EQ(vertical.alpha(1, vertical.height - 1), 255) << "the line must be solid to its end";
}

TEST(BoardGeometry, SelectionFrameStaysInsideItsCell)
{
    Picture cell = load("game_zone1.png");
    Picture select = load("game_select.png");
    // Drawn one pixel into the cell, so it must end before the cell's last pixel.
    EXPECT_LE(1 + select.width, cell.width);
    EXPECT_LE(1 + select.height, cell.height);
    EXPECT_LT(select.alpha(select.width / 2, select.height / 2), 128) << "the digit must show through";
}

TEST(BoardGeometry, OverlayLeavesTheCellsVisible)
{
    Picture overlay = load("game_overlay.png");
    Picture cell = load("game_zone1.png");
    ASSERT_EQ(overlay.width, 800);
    for (int x = 0; x < 9; x++)
        for (int y = 0; y < 9; y++)
            EXPECT_EQ(overlay.maxAlpha(180 + cell.width * x, 51 + cell.height * y, cell.width - 10, cell.height - 10), 0)
                << "cell " << x << "," << y;
}

TEST(SidePanel, TenSlotsWithHighlightAndDoneMarkInsideASlot)
{
    for (const char* name : {"game_side_numbers.png", "game_side_numbers_small.png"}) {
        Picture panel = load(name);
        EXPECT_EQ(panel.width, 50) << name;
        EXPECT_EQ(panel.height, 500) << name;
        // The highlight is drawn before the panel, so most of each slot must let it through.
        int clear = 0;
        for (int y = 77; y < 123; y++)
            for (int x = 2; x < 48; x++) clear += panel.alpha(x, y) == 0;
        EXPECT_GT(clear, 46 * 46 / 2) << name;
    }
    Picture select = load("game_side_select.png");
    EXPECT_LE(2 + select.width, 50);
    EXPECT_LE(2 + select.height, 50);
    Picture done = load("game_done.png");
    EXPECT_LE(done.width, 50);
    EXPECT_LE(done.height, 50);
}

TEST(CheckMarks, FitBetweenTheOptionRowsAndOnScreen)
{
    Picture check = load("game_check.png");
    EXPECT_LE(check.width, 40);
    EXPECT_LE(check.height, 40);
    EXPECT_LE(739 + check.width, 800);
    EXPECT_LE(check.height, 294 - 254) << "menu rows would overlap";
    EXPECT_LE(check.height, 309 - 268) << "settings rows would overlap";
    EXPECT_LE(346 + check.width, 514) << "the two menu columns would overlap";
}

TEST(Buttons, GameButtonsFitTheirColumn)
{
    const std::vector<Placed> column = {{"pause", 20, 265}, {"undo", 20, 332}, {"reset", 20, 400}, {"exit_game", 20, 495}};
    for (size_t i = 0; i < column.size(); i++) {
        Picture button = load(column[i].button + "_button.png");
        EXPECT_LE(button.width, 150) << column[i].button;
        EXPECT_LE(button.height, 60) << column[i].button;
        EXPECT_LE(20 + button.width, 175) << column[i].button << " reaches the board";
        if (i + 1 < column.size()) {
            EXPECT_LE(column[i].y + button.height, column[i + 1].y) << column[i].button;
        }
    }
    EXPECT_EQ(load("undo_void.png").width, load("undo_button.png").width);
}

TEST(Buttons, DialogButtonsAre122WideSoEachRowIsCentred)
{
    for (const char* name : {"yes", "no", "main", "done", "play", "clear"}) {
        Picture button = load(std::string(name) + "_button.png");
        EXPECT_EQ(button.width, 122) << name;
        EXPECT_LE(364 + button.height, 434) << name;
    }
    Picture play = load("play_button.png");
    EXPECT_LT(171 + play.width, 346) << "menu Play reaches the option boxes";
    Picture help = load("help_button.png");
    EXPECT_LE(161 + help.width, 330);
    EXPECT_LE(330 + load("settings_button.png").width, 499);
    EXPECT_LE(499 + load("exit_menu_button.png").width, 800);
    EXPECT_LE(524 + help.height, 600);
    EXPECT_LE(523 + load("done_button.png").height, 600);
}

TEST(Buttons, EveryStateHasTheSameSizeAndAVisiblyDifferentLook)
{
    for (const char* name : {"play", "help", "settings", "exit_menu", "exit_game", "pause", "undo",
                             "reset", "yes", "no", "main", "done", "clear"}) {
        Picture normal = load(std::string(name) + "_button.png");
        for (const char* state : {"_down.png", "_highlight.png"}) {
            Picture other = load(std::string(name) + state);
            ASSERT_EQ(other.width, normal.width) << name << state;
            ASSERT_EQ(other.height, normal.height) << name << state;
            int changed = 0;
            for (int y = 0; y < normal.height; y++)
                for (int x = 0; x < normal.width; x++)
                    changed += colourDistance(normal.colour(x, y), other.colour(x, y)) > 24;
            EXPECT_GT(changed, normal.width * normal.height / 20) << name << state << " looks like the normal one";
        }
    }
}

TEST(Dialogs, MessagePicturesAreClearOverTheirButtonsAndTextBox)
{
    const std::vector<std::pair<std::string, std::vector<Placed>>> dialogs = {
        {"dialog_pause.png", {{"play", 339, 364}}},
        {"dialog_reset.png", {{"yes", 259, 364}, {"no", 419, 364}}},
        {"dialog_exit.png", {{"yes", 179, 364}, {"no", 339, 364}, {"main", 499, 364}}},
        {"dialog_clear.png", {{"yes", 259, 364}, {"no", 419, 364}}},
        {"dialog_again.png", {{"yes", 259, 364}, {"no", 419, 364}}},
        {"dialog_resume.png", {{"yes", 259, 364}, {"no", 419, 364}}},
        {"dialog_textbox.png", {{"done", 339, 364}}},
    };
    for (const auto& [message, buttons] : dialogs) {
        Picture picture = load(message);
        ASSERT_EQ(picture.width, 800) << message;
        ASSERT_EQ(picture.height, 600) << message;
        for (const Placed& placed : buttons) {
            Picture button = load(placed.button + "_button.png");
            EXPECT_EQ(picture.maxAlpha(placed.x, placed.y, button.width, button.height), 0) << message << " covers " << placed.button;
        }
    }
    Picture textbox = load("dialog_textbox.png");
    EXPECT_EQ(textbox.maxAlpha(188, 316, 431, 20), 0);
    Picture settings = load("dialog_settings.png");
    Picture check = load("game_check.png");
    for (int x : {198, 379})
        for (int y : {268, 309})
            EXPECT_LT(settings.maxAlpha(x + check.width + 2, y, 1, 1), 255) << "a label sits under the check mark at " << x;
}

TEST(Dialogs, BackdropsAreOpaqueAndBannersLeaveTheScreenVisible)
{
    for (const char* name : {"dialog_help.png", "splash.png", "menu_background.png", "game_background.png"}) {
        Picture page = load(name);
        ASSERT_EQ(page.width, 800) << name;
        ASSERT_EQ(page.height, 600) << name;
        bool opaque = true;
        for (int i = 0; i < page.pixelCount(); i++) opaque = opaque && page.argb[size_t(i) * 4] == 255;
        EXPECT_TRUE(opaque) << name;
    }
    Picture dim = load("dialog_background.png");
    EXPECT_GT(dim.alpha(5, 5), 40) << "the screen behind a dialog is dimmed";
    EXPECT_LT(dim.alpha(5, 5), 200) << "but stays visible";
    EXPECT_EQ(dim.alpha(400, 300), 255) << "the card is solid";
    for (const char* name : {"game_over.png", "game_loading.png"}) {
        Picture banner = load(name);
        EXPECT_EQ(banner.maxAlpha(0, 0, 800, 150), 0) << name;
        EXPECT_EQ(banner.maxAlpha(0, 450, 800, 150), 0) << name;
        EXPECT_EQ(banner.alpha(436, 300), 255) << name << " has a banner in the middle";
    }
}
