// game_win.cpp: a solved board: the banner, the name for a new best time, the save and the
// question whether to play again.
#include "game/game.h"

#include "frame/clock.h"
#include "frame/loop.h"
#include "game/asset_files.h"
#include "game/game_dialogs.h"
#include "game/game_over_banner.h"
#include "game/kept_game.h"
#include "ui/image_dialog.h"
#include "ui/textbox.h"

void Game::win()
{
    const float current = static_cast<float>(seconds());
    const float e = current - startTime; // pauses are already folded into the start time
    winTime = current;
    forgetKeptGame();
    assets.finishSound.play();
    present();
    {
        GameOverBanner banner;
        banner.run();
    }
    // An equal time earns no place: the older entry keeps it.
    if (e < profile.bestTime(profile.zoneLayout(), profile.difficulty(), Profile::kRanks - 1)) {
        enterBestTime(e);
    }
    profile.save(); // a failed save leaves the record in memory as it is
    if (askYesNo(kAgainDialogPicture) == 1) {
        newGame();
    } else {
        state = GameState::Menu;
    }
}

// The new time takes the last place and moves up past every slower or empty place; equal
// times never move up.
void Game::enterBestTime(float e)
{
    const int32_t layout = profile.zoneLayout();
    const int32_t difficulty = profile.difficulty();
    BWString name;
    {
        BWTextboxHandle box(&assets.mainFont, BWColor(255, 255, 255, 255), BWColor(128, 128, 128, 128),
                            BWString("%s", profile.lastName()), kNameBox);
        BWButton done;
        loadDialogButton(done, "done", kMiddleButton);
        name = runTextDialog(BWString(kDialogBackgroundPicture), BWString(kTextboxDialogPicture), &done, &box);
    }
    const int32_t last = Profile::kRanks - 1;
    // The profile cuts the name to 64 characters; without any text the old name stays.
    profile.setBestName(layout, difficulty, last, name.chars());
    profile.setBestTime(layout, difficulty, last, e);
    profile.setLastName(profile.bestName(layout, difficulty, last));
    for (int32_t rank = last; rank >= 1; --rank) {
        const float time = profile.bestTime(layout, difficulty, rank);
        const float ahead = profile.bestTime(layout, difficulty, rank - 1);
        if (time < ahead || ahead == 0.0f) {
            const BWString moving("%s", profile.bestName(layout, difficulty, rank));
            profile.setBestName(layout, difficulty, rank, profile.bestName(layout, difficulty, rank - 1));
            profile.setBestTime(layout, difficulty, rank, ahead);
            profile.setBestName(layout, difficulty, rank - 1, moving.chars());
            profile.setBestTime(layout, difficulty, rank - 1, time);
        }
    }
}
