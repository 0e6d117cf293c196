// picture_geometry_test.cpp: the pictures fit where the game draws them on its 800 x 600 window.
#include "resources.h"

#include "game/screen_layout.h"

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
    BWPoint at;
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
    EXPECT_EQ(cell.width, kCellSize);
    EXPECT_LE(kBoardLeft + 9 * cell.width, kPanelLeft);
    EXPECT_LE(kBoardTop + 9 * cell.height, kScreenHeight);
    for (int zone = 2; zone <= 9; zone++) {
        Picture other = load("game_zone" + std::to_string(zone) + ".png");
        EXPECT_EQ(other.width, cell.width) << zone;
        EXPECT_EQ(other.height, cell.height) << zone;
    }
}

TEST(BoardGeometry, BordersAreThreeThickAndMeetAtTheCorners)
{
    Picture cell = load("game_zone1.png");
    Picture vertical = load("game_line_vert.png");
    Picture horizontal = load("game_line_horz.png");
    EXPECT_EQ(vertical.width, kBorderThickness);
    EXPECT_EQ(horizontal.height, kBorderThickness);
    // Drawn from one pixel before the seam: the next one along starts h lower, so a line must
    // reach over the crossing border's pixels.
    EXPECT_GE(vertical.height, cell.height + kBorderThickness);
    EXPECT_GE(horizontal.width, cell.width + kBorderThickness);
    EXPECT_EQ(vertical.maxAlpha(0, 0, kBorderThickness, vertical.height), 255);
    EXPECT_EQ(vertical.alpha(1, vertical.height - 1), 255) << "the line must be solid to its end";
}

TEST(BoardGeometry, SelectionFrameStaysInsideItsCell)
{
    Picture cell = load("game_zone1.png");
    Picture select = load("game_select.png");
    // Drawn inside the cell, so it must end before the cell's last pixel.
    EXPECT_LE(kSelectionInset + select.width, cell.width);
    EXPECT_LE(kSelectionInset + select.height, cell.height);
    EXPECT_LT(select.alpha(select.width / 2, select.height / 2), 128) << "the digit must show through";
}

TEST(BoardGeometry, OverlayLeavesTheCellsVisible)
{
    Picture overlay = load("game_overlay.png");
    Picture cell = load("game_zone1.png");
    ASSERT_EQ(overlay.width, kScreenWidth);
    // Each cell but a margin of five pixels, where the borders may reach.
    for (int x = 0; x < 9; x++)
        for (int y = 0; y < 9; y++) {
            const int left = kBoardLeft + cell.width * x + 5;
            const int top = kBoardTop + cell.height * y + 5;
            EXPECT_EQ(overlay.maxAlpha(left, top, cell.width - 10, cell.height - 10), 0)
                << "cell " << x << "," << y;
        }
}

TEST(SidePanel, TenSlotsWithHighlightAndDoneMarkInsideASlot)
{
    for (const char* name : {"game_side_numbers.png", "game_side_numbers_small.png"}) {
        Picture panel = load(name);
        EXPECT_EQ(panel.width, kPanelWidth) << name;
        EXPECT_EQ(panel.height, kPanelHeight) << name;
        // The highlight is drawn before the panel, so most of slot 1 must let it through.
        int clear = 0;
        const int first = kPanelSlot + kSlotHighlightInset;
        for (int y = first; y < first + kSlotHighlightSize; y++)
            for (int x = kSlotHighlightInset; x < kSlotHighlightInset + kSlotHighlightSize; x++)
                clear += panel.alpha(x, y) == 0;
        EXPECT_GT(clear, kSlotHighlightSize * kSlotHighlightSize / 2) << name;
    }
    Picture select = load("game_side_select.png");
    EXPECT_LE(kSlotHighlightInset + select.width, kPanelSlot);
    EXPECT_LE(kSlotHighlightInset + select.height, kPanelSlot);
    Picture done = load("game_done.png");
    EXPECT_LE(done.width, kPanelSlot);
    EXPECT_LE(done.height, kPanelSlot);
}

TEST(CheckMarks, FitBetweenTheOptionRowsAndOnScreen)
{
    Picture check = load("game_check.png");
    EXPECT_LE(check.width, 40);
    EXPECT_LE(check.height, 40);
    EXPECT_LE(kPencilBoxLeft + check.width, kScreenWidth);
    EXPECT_LE(check.height, kOptionRows[1] - kOptionRows[0]) << "menu rows would overlap";
    EXPECT_LE(check.height, kSettingsRows[1] - kSettingsRows[0]) << "settings rows would overlap";
    EXPECT_LE(kLayoutColumn + check.width, kDifficultyColumn) << "the two menu columns would overlap";
}

TEST(Buttons, GameButtonsFitTheirColumn)
{
    const std::vector<Placed> column = {
        {"pause", kPauseButton}, {"undo", kUndoButton}, {"reset", kResetButton}, {"exit_game", kQuitGameButton}};
    for (size_t i = 0; i < column.size(); i++) {
        Picture button = load(column[i].button + "_button.png");
        EXPECT_LE(button.width, 150) << column[i].button;
        EXPECT_LE(button.height, 60) << column[i].button;
        EXPECT_LE(kGameButtonsLeft + button.width, kBoardLeft) << column[i].button << " reaches the board";
        if (i + 1 < column.size()) {
            EXPECT_LE(column[i].at.y + button.height, column[i + 1].at.y) << column[i].button;
        }
    }
    EXPECT_EQ(load("undo_void.png").width, load("undo_button.png").width);
}

TEST(Buttons, DialogButtonsHaveOneWidthSoEachRowIsCentred)
{
    for (const char* name : {"yes", "no", "main", "done", "play", "clear"}) {
        Picture button = load(std::string(name) + "_button.png");
        EXPECT_EQ(button.width, kDialogButtonWidth) << name;
        EXPECT_LE(kDialogRowTop + button.height, kDialogCard.bottom()) << name;
    }
    // The outer buttons of each row lie as far from the window's left edge as from its right one.
    for (auto [left, right] : {std::pair(kMiddleButton, kMiddleButton), std::pair(kLeftOfTwoButton, kRightOfTwoButton),
                               std::pair(kLeftOfThreeButton, kRightOfThreeButton)}) {
        EXPECT_EQ(left.x + right.x + kDialogButtonWidth, kScreenWidth) << left.x;
    }
    Picture play = load("play_button.png");
    EXPECT_LT(kPlayButton.x + play.width, kLayoutColumn) << "menu Play reaches the option boxes";
    Picture help = load("help_button.png");
    EXPECT_LE(kHelpButton.x + help.width, kSettingsButton.x);
    EXPECT_LE(kSettingsButton.x + load("settings_button.png").width, kQuitMenuButton.x);
    EXPECT_LE(kQuitMenuButton.x + load("exit_menu_button.png").width, kScreenWidth);
    EXPECT_LE(kMenuButtonRowTop + help.height, kScreenHeight);
    EXPECT_LE(kHelpDoneButton.y + load("done_button.png").height, kScreenHeight);
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
        {"dialog_pause.png", {{"play", kMiddleButton}}},
        {"dialog_reset.png", {{"yes", kLeftOfTwoButton}, {"no", kRightOfTwoButton}}},
        {"dialog_exit.png", {{"yes", kLeftOfThreeButton}, {"no", kMiddleButton}, {"main", kRightOfThreeButton}}},
        {"dialog_clear.png", {{"yes", kLeftOfTwoButton}, {"no", kRightOfTwoButton}}},
        {"dialog_again.png", {{"yes", kLeftOfTwoButton}, {"no", kRightOfTwoButton}}},
        {"dialog_textbox.png", {{"done", kMiddleButton}}},
    };
    for (const auto& [message, buttons] : dialogs) {
        Picture picture = load(message);
        ASSERT_EQ(picture.width, kScreenWidth) << message;
        ASSERT_EQ(picture.height, kScreenHeight) << message;
        for (const Placed& placed : buttons) {
            Picture button = load(placed.button + "_button.png");
            EXPECT_EQ(picture.maxAlpha(placed.at.x, placed.at.y, button.width, button.height), 0)
                << message << " covers " << placed.button;
        }
    }
    Picture textbox = load("dialog_textbox.png");
    EXPECT_EQ(textbox.maxAlpha(kNameBox.x, kNameBox.y, kNameBox.w, kNameBox.h), 0);
    Picture settings = load("dialog_settings.png");
    Picture check = load("game_check.png");
    for (int x : {kSettingsLeftColumn, kSettingsRightColumn})
        for (int y : kSettingsRows)
            EXPECT_LT(settings.maxAlpha(x + check.width + 2, y, 1, 1), 255) << "a label sits under the check mark at " << x;
}

TEST(Dialogs, BackdropsAreOpaqueAndBannersLeaveTheScreenVisible)
{
    for (const char* name : {"dialog_help.png", "splash.png", "menu_background.png", "game_background.png"}) {
        Picture page = load(name);
        ASSERT_EQ(page.width, kScreenWidth) << name;
        ASSERT_EQ(page.height, kScreenHeight) << name;
        bool opaque = true;
        for (int i = 0; i < page.pixelCount(); i++) opaque = opaque && page.argb[size_t(i) * 4] == 255;
        EXPECT_TRUE(opaque) << name;
    }
    Picture dim = load("dialog_background.png");
    EXPECT_GT(dim.alpha(5, 5), 40) << "the screen behind a dialog is dimmed";
    EXPECT_LT(dim.alpha(5, 5), 200) << "but stays visible";
    EXPECT_EQ(dim.alpha(kScreenWidth / 2, kScreenHeight / 2), 255) << "the card is solid";
    for (const char* name : {"game_over.png", "game_loading.png"}) {
        Picture banner = load(name);
        EXPECT_EQ(banner.maxAlpha(0, 0, kScreenWidth, 150), 0) << name;
        EXPECT_EQ(banner.maxAlpha(0, kScreenHeight - 150, kScreenWidth, 150), 0) << name;
        EXPECT_EQ(banner.alpha(kBoardLeft + 9 * kCellSize / 2, kScreenHeight / 2), 255)
            << name << " has a banner in the middle of the board";
    }
}
