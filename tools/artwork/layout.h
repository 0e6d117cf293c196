// layout.h: where the game puts each picture and text on its 800 x 600 window. The pictures are
// drawn to fit these places, so the numbers here follow the game's screens exactly.
#pragma once

namespace layout {

constexpr int screenWidth = 800;
constexpr int screenHeight = 600;

// The board: cell (x, y) at (boardX + cell x, boardY + cell y); zone borders centred on the seams.
constexpr int cell = 58;
constexpr int boardX = 175;
constexpr int boardY = 46;
constexpr int lineThickness = 3;
constexpr int lineLength = cell + lineThickness;  // long enough to meet its neighbours at corners
constexpr int selectInset = 1;                   // the selection frame sits one pixel into its cell
constexpr int selectSize = cell - 2;

// The side panel of numbers: ten slots, slot 0 the eraser.
constexpr int panelX = 724;
constexpr int panelY = 75;
constexpr int slot = 50;
constexpr int panelWidth = 50;
constexpr int panelHeight = 10 * slot;
constexpr int sideSelectOffset = 2;
constexpr int sideSelectSize = slot - 4;

// Check boxes: the pencil-mode box on the board screen and the options of menu and settings.
constexpr int check = 28;
constexpr int pencilBoxX = 739;
constexpr int pencilBoxY = 8;
constexpr int menuLayoutX = 346;
constexpr int menuDifficultyX = 514;
constexpr int menuRows[3] = {254, 294, 335};
constexpr int settingsLeftX = 198;
constexpr int settingsRightX = 379;
constexpr int settingsRows[2] = {268, 309};

// Text the game draws with "font_main.fnt".
constexpr int clockX = 32;
constexpr int clockY = 195;
constexpr int labelX = 185;
constexpr int labelY = 10;
constexpr int bestTimeRight = 670;
constexpr int bestRowsY = 425;
constexpr int bestNameX = 188;
constexpr int bestTimeX = 518;

// Buttons: menu row, board screen column and the dialog rows (all centred on x = 400).
constexpr int dialogButtonWidth = 122;
constexpr int dialogButtonHeight = 44;
constexpr int menuButtonWidth = 140;
constexpr int menuButtonHeight = 44;
constexpr int gameButtonWidth = 136;
constexpr int gameButtonHeight = 48;
constexpr int menuPlayX = 171, menuPlayY = 265;
constexpr int menuRowY = 524;
constexpr int menuHelpX = 161, menuSettingsX = 330, menuExitX = 499;
constexpr int gameButtonX = 20;
constexpr int pauseY = 265, undoY = 332, resetY = 400, quitY = 495;
constexpr int dialogRowY = 364;
constexpr int twoButtonX[2] = {259, 419};
constexpr int threeButtonX[3] = {179, 339, 499};
constexpr int oneButtonX = 339;
constexpr int helpDoneX = 340, helpDoneY = 523;
constexpr int clearX = 505, clearY = 278;

// The name text box of the best-time dialog.
constexpr int textboxX = 188, textboxY = 316, textboxW = 431, textboxH = 20;

// The dialog card that "dialog_background.png" carries.
constexpr int cardX = 136, cardY = 196, cardW = 528, cardH = 238;

}  // namespace layout
