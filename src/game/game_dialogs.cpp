// game_dialogs.cpp: the pause, reset and exit dialogs of a game in progress.
//
// The clock stands still while each is up, so the board beneath shows only its zones.
#include "game/game_dialogs.h"

#include "game/asset_files.h"
#include "game/game.h"
#include "game/kept_game.h"
#include "ui/image_dialog.h"

#include <algorithm>

void loadDialogButton(BWButton& button, const char* name, BWPoint position)
{
    button.reload(position, BWString("%s", buttonPicture(name, ButtonLook::Normal).c_str()),
                  BWString("%s", buttonPicture(name, ButtonLook::Down).c_str()),
                  BWString("%s", buttonPicture(name, ButtonLook::Highlight).c_str()), BWString(""), BWString(""));
}

int32_t askYesNo(const char* message)
{
    BWButton yes;
    BWButton no;
    loadDialogButton(yes, "yes", kLeftOfTwoButton);
    loadDialogButton(no, "no", kRightOfTwoButton);
    return runDialog(BWString(kDialogBackgroundPicture), BWString("%s", message), &yes, &no);
}

void Game::runPauseDialog()
{
    pauseClock();
    BWButton play;
    loadDialogButton(play, "play", kMiddleButton);
    runDialog(BWString(kDialogBackgroundPicture), BWString(kPauseDialogPicture), &play);
    resumeClock();
}

// The time played so far still counts; the undo history survives, so undo brings entries back.
void Game::runResetDialog()
{
    pauseClock();
    const int32_t answer = askYesNo(kResetDialogPicture);
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
        runDialog(BWString(kDialogBackgroundPicture), BWString(kExitDialogPicture), &yes, &no, &toMenu);
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
