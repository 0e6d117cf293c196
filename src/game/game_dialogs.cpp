// game_dialogs.cpp: the pause, reset and exit dialogs of a game in progress.
//
// The clock stands still while each is up, so the board beneath shows only its zones.
#include "game/game_dialogs.h"

#include "game/game.h"
#include "game/kept_game.h"
#include "ui/image_dialog.h"

#include <algorithm>

void loadDialogButton(BWButton& button, const char* name, BWPoint position)
{
    button.reload(position, BWString("%s_button.png", name), BWString("%s_down.png", name),
                  BWString("%s_highlight.png", name), BWString(""), BWString(""));
}

int32_t askYesNo(const char* message)
{
    BWButton yes;
    BWButton no;
    loadDialogButton(yes, "yes", kLeftOfTwoButton);
    loadDialogButton(no, "no", kRightOfTwoButton);
    return runDialog(BWString("dialog_background.png"), BWString("%s", message), &yes, &no);
}

void Game::runPauseDialog()
{
    pauseClock();
    BWButton play;
    loadDialogButton(play, "play", kMiddleButton);
    runDialog(BWString("dialog_background.png"), BWString("dialog_pause.png"), &play);
    resumeClock();
}

// The time played so far still counts; the undo history survives, so undo brings entries back.
void Game::runResetDialog()
{
    pauseClock();
    const int32_t answer = askYesNo("dialog_reset.png");
    resumeClock();
    if (answer != 1) {
        return;
    }
    for (Cell& entry : board.cells) {
        if (!entry.given) {
            entry.digit = 0;
        }
        entry.conflict = 0;
        std::fill(std::begin(entry.marks), std::end(entry.marks), int8_t{0});
        std::fill(std::begin(entry.markConflicts), std::end(entry.markConflicts), int8_t{0});
    }
}

// Asked whenever the program is about to close, from the exit button or the window's close
// button; only a game in progress asks the player. A close request while the question is up
// dismisses it and the game goes on.
bool Game::canClose()
{
    if (state != GameState::Playing) {
        return true;
    }
    pauseClock();
    BWButton yes;
    BWButton no;
    BWButton toMenu;
    loadDialogButton(yes, "yes", kLeftOfThreeButton);
    loadDialogButton(no, "no", kMiddleButton);
    loadDialogButton(toMenu, "main", kRightOfThreeButton);
    const int32_t answer =
        runDialog(BWString("dialog_background.png"), BWString("dialog_exit.png"), &yes, &no, &toMenu);
    if (answer == 3) {
        // The game is abandoned; its clock stays stopped until the next game resets it.
        state = GameState::Menu;
        profile.save();
        keptPace_.forget();
        forgetKeptGame();
        return false;
    }
    resumeClock();
    return answer == 1;
}
