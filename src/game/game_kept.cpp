// game_kept.cpp: keeping the game in play when the program ends, and offering it again.
#include "game/game.h"

#include "frame/app.h"
#include "frame/clock.h"
#include "game/asset_files.h"
#include "game/game_dialogs.h"
#include "game/kept_game.h"

#include <algorithm>

bool Game::inPlay() const
{
    return state == GameState::Playing && winTime == 0.0f;
}

KeptGame Game::keptGame() const
{
    KeptGame kept;
    kept.layout = static_cast<ZoneLayout>(profile.zoneLayout());
    kept.difficulty = static_cast<Difficulty>(profile.difficulty());
    kept.board = board;
    kept.selected = selected;
    kept.pencilMode = pencilMode;
    kept.currentNumber = currentNumber;
    kept.elapsedSeconds = elapsedSeconds(); // a pause running now does not count
    kept.undoList = undoList;
    return kept;
}

void Game::keepGame() const
{
    saveKeptGame(keptGame());
}

void Game::keepOnLostDisplay(void* game)
{
    const Game& self = *static_cast<const Game*>(game);
    if (self.inPlay()) {
        self.keepGame();
    }
    self.profile.save();
}

// Every input the board takes may change what is kept; a second's changes make one write.
// Before the splash has offered a kept game, the stored one stays as it is; after, a game in
// play is what the page stores should it end, and anything else (the menu, a won game) has none.
void Game::keepAsItGoes()
{
    if (!keepsAsItGoes() || state == GameState::Splash) {
        return;
    }
    if (inPlay() && keptPace_.due()) {
        keepGame();
        keptPace_.written();
    }
    if (inPlay()) {
        keepKeptGameOnEnding(keptGame());
    } else {
        forgetKeptGameOnEnding();
    }
    profile.keepOnEnding();
}

// The kept board comes up with its clock stopped, so only its zones, label and time show
// under the question. Yes, or closing the window while it is up, plays on: nothing is lost. No goes to
// the menu with the layout and difficulty chosen there before, and the stored record is gone.
void Game::offerKeptGame()
{
    KeptGame kept;
    if (!takeKeptGame(kept)) {
        return;
    }
    const int8_t menuLayout = profile.zoneLayout();
    const int8_t menuDifficulty = profile.difficulty();
    resumeKeptGame(kept);
    pauseClock();
    // Taken from the store, the game is stored again where the program can end at any moment,
    // even while the question is up.
    keptPace_.changed();
    if (askYesNo(kResumeDialogPicture) == 2) {
        state = GameState::Menu;
        keptPace_.forget();
        forgetKeptGame();
        profile.setZoneLayout(menuLayout);
        profile.setDifficulty(menuDifficulty);
        return;
    }
    // A question cut short by the program ending leaves the clock stopped: the game is kept
    // again with the time it had.
    if (!appState().terminating) {
        resumeClock();
    }
}

// The table label and best time above the board come from the profile's choice, so it takes
// the kept game's. The clock runs on from the kept time.
void Game::resumeKeptGame(const KeptGame& kept)
{
    profile.setZoneLayout(static_cast<int8_t>(kept.layout));
    profile.setDifficulty(static_cast<int8_t>(kept.difficulty));
    board = kept.board;
    undoList = kept.undoList;
    selected = kept.selected;
    pencilMode = kept.pencilMode;
    currentNumber = kept.currentNumber;
    pauseStart = 0.0f;
    winTime = 0.0f;
    startTime = static_cast<float>(seconds()) - kept.elapsedSeconds;
    // Digits completed before the program closed were heard then.
    for (int32_t d = 1; d <= kBoardSide; ++d) {
        digitDone[static_cast<size_t>(d - 1)] =
            std::count_if(board.cells.begin(), board.cells.end(), [d](const Cell& shown) {
                return shown.digit == d && shown.conflict == 0;
            }) == kBoardSide;
    }
    state = GameState::Playing;
}
