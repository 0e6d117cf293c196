// screen_layout.h: where every picture, button and text of the game sits on its 800 x 600 window.
//
// The game draws and hit-tests at these places, the artwork generator paints its pictures to fit
// them, and the tests aim their clicks and checks at them. Positions are top-left corners in
// window pixels. The game takes the size of a button or mark from its picture; the sizes here are
// the ones the art gives them.
#pragma once

#include "base/geometry.h"

#include <cstdint>

// The window.
constexpr int32_t kScreenWidth = 800;
constexpr int32_t kScreenHeight = 600;

// ---- The board screen.

// Cell (x, y) at (kBoardLeft + w * x, kBoardTop + h * y), w and h the size of "game_zone1.png".
constexpr int32_t kBoardLeft = 175;
constexpr int32_t kBoardTop = 46;
constexpr int32_t kCellSize = 58;
// The selection frame sits one pixel inside its cell.
constexpr int32_t kSelectionInset = 1;
constexpr int32_t kSelectionSize = kCellSize - 2 * kSelectionInset;
// A zone border is centred on the seam between two cells, so it starts one pixel before it.
constexpr int32_t kBorderThickness = 3;
constexpr int32_t kBorderOffset = 1;
constexpr int32_t kBorderLength = kCellSize + kBorderThickness; // meets its neighbours at corners

// The side panel: ten slots, slot 0 the eraser, then the numbers 1 to 9.
constexpr int32_t kPanelLeft = 724;
constexpr int32_t kPanelTop = 75;
constexpr int32_t kPanelSlot = 50;
constexpr int32_t kPanelSlots = 10;
constexpr int32_t kPanelWidth = kPanelSlot;
constexpr int32_t kPanelHeight = kPanelSlots * kPanelSlot;
// The current-number highlight, two pixels inside its slot.
constexpr int32_t kSlotHighlightInset = 2;
constexpr int32_t kSlotHighlightSize = kPanelSlot - 2 * kSlotHighlightInset;

// "game_check.png": the pencil-mode box here, and the option marks of the menu and settings.
constexpr int32_t kCheckSize = 28;
constexpr int32_t kPencilBoxLeft = 739;
constexpr int32_t kPencilBoxTop = 8;

// Texts in "font_main.fnt": the clock, the table's label, and its best time ending at a right edge.
constexpr int32_t kClockLeft = 32;
constexpr int32_t kClockTop = 195;
constexpr int32_t kLabelLeft = 185;
// The widest table label any language may have; the best time takes what is left of the line.
constexpr int32_t kLabelWidth = 260;
constexpr int32_t kTopTextsTop = 10;
constexpr int32_t kBestTimeRight = 670;

// The button column left of the board.
constexpr int32_t kGameButtonsLeft = 20;
constexpr int32_t kGameButtonWidth = 136;
constexpr int32_t kGameButtonHeight = 48;
constexpr BWPoint kPauseButton(kGameButtonsLeft, 265);
constexpr BWPoint kUndoButton(kGameButtonsLeft, 332);
constexpr BWPoint kResetButton(kGameButtonsLeft, 400);
constexpr BWPoint kQuitGameButton(kGameButtonsLeft, 495);

// ---- The main menu.

constexpr int32_t kMenuButtonWidth = 140;
constexpr int32_t kMenuButtonHeight = 44;
constexpr int32_t kMenuButtonRowTop = 524;
constexpr BWPoint kPlayButton(171, 265); // a dialog-sized button
constexpr BWPoint kHelpButton(161, kMenuButtonRowTop);
constexpr BWPoint kSettingsButton(330, kMenuButtonRowTop);
constexpr BWPoint kQuitMenuButton(499, kMenuButtonRowTop);

// The option marks: the left column chooses the layout, the right one the difficulty.
constexpr int32_t kLayoutColumn = 346;
constexpr int32_t kDifficultyColumn = 514;
constexpr int32_t kOptionRows[3] = {254, 294, 335};

// The three best times of the chosen table, one text line apart.
constexpr int32_t kBestNameLeft = 188;
constexpr int32_t kBestTimeLeft = 518;
constexpr int32_t kBestTop = 425;
// The least space kept between a best-time name, cut short if need be, and the text beside it
// (the menu's time column, the board's table label).
constexpr int32_t kNameGap = 12;

// ---- Dialogs.

// The card that "dialog_background.png" carries; messages and buttons lie on it.
constexpr BWRect kDialogCard(136, 196, 528, 238);

// One row of buttons, each row centred on x = 400: one alone in the middle, two, or three.
constexpr int32_t kDialogButtonWidth = 122;
constexpr int32_t kDialogButtonHeight = 44;
constexpr int32_t kDialogRowTop = 364;
constexpr BWPoint kMiddleButton(339, kDialogRowTop);
constexpr BWPoint kLeftOfTwoButton(259, kDialogRowTop);
constexpr BWPoint kRightOfTwoButton(419, kDialogRowTop);
constexpr BWPoint kLeftOfThreeButton(179, kDialogRowTop);
constexpr BWPoint kRightOfThreeButton(499, kDialogRowTop);

// The help page's Done, under its text.
constexpr BWPoint kHelpDoneButton(340, 523);

// The name text box of the best-time dialog.
constexpr BWRect kNameBox(188, 316, 431, 20);

// The settings dialog: full screen and window on the left, sound on and off on the right.
constexpr int32_t kSettingsLeftColumn = 198;
constexpr int32_t kSettingsRightColumn = 379;
constexpr int32_t kSettingsRows[2] = {268, 309};
constexpr BWPoint kFullscreenMark(kSettingsLeftColumn, kSettingsRows[0]);
constexpr BWPoint kWindowMark(kSettingsLeftColumn, kSettingsRows[1]);
constexpr BWPoint kSoundOnMark(kSettingsRightColumn, kSettingsRows[0]);
constexpr BWPoint kSoundOffMark(kSettingsRightColumn, kSettingsRows[1]);
constexpr BWPoint kClearButton(505, 278);
