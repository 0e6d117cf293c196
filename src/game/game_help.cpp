// game_help.cpp: the help page, one picture with a Done button.
#include "game/game.h"

#include "game/asset_files.h"
#include "game/game_dialogs.h"
#include "ui/image_dialog.h"

// The whole text is painted in the picture. With a single button, Escape and both Enter keys
// press Done as well.
void Game::showHelp()
{
    BWButton done;
    loadDialogButton(done, "done", kHelpDoneButton);
    runDialog(BWString(kHelpDialogPicture), BWString(""), &done);
}
