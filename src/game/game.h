// game.h: Game, the one long-lived layer that runs the program and drives its screens.
//
// The splash, the main menu, the loading picture and the board are states of this one layer:
// each layer operation looks at `state` and does what the current screen does. Everything
// modal (dialogs, help, settings) is a layer of its own, run in a nested loop above it.
#pragma once

#include "base/geometry.h"
#include "frame/keeping.h"
#include "game/game_assets.h"
#include "game/profile.h"
#include "game/screen_layout.h"
#include "game/undo.h"
#include "puzzle/board.h"
#include "ui/layer.h"

#include "game/kept_game.h"

#include <array>
#include <cstdint>

enum class GameState : int32_t { Splash = 1, Menu = 2, Generating = 3, Playing = 4 };

class Game : public BWLayer {
public:
    // Runs the whole program: loads the profile, opens the window, shows the splash and runs
    // the main loop until a quit request is accepted, then closes the window.
    Game();
    // Keeps a game still in play, releases every asset, then the profile saves itself.
    ~Game() override;

    // The frame's minimise command pauses a game in play.
    void onCommand(int32_t id) override;
    void onDraw() override;
    bool canClose() override;
    void onKeyDown(int32_t keyCode) override;
    void onMouseDown(int32_t x, int32_t y, int32_t button) override;
    void onMouseMove(int32_t x, int32_t y) override;
    void onMouseUp(int32_t x, int32_t y, int32_t button) override;
    void onTick() override;

    // The asset table, and a fresh pointer state and undo list.
    void loadAssets();
    // Generates a puzzle for the profile's layout and difficulty behind the loading picture,
    // taking at least one second, and starts its clock.
    void newGame();
    // The board is solved: the clock stops at this moment, the banner blinks, a time among the
    // table's three best asks for a name, the profile is saved, and the player chooses between
    // another game of the same kind and the menu.
    void win();

    // The clock of the game in progress, which stands still while paused and once solved.
    void pauseClock();
    void resumeClock();
    float elapsedSeconds() const;

    void pushUndo(int32_t x, int32_t y);
    void dropUndoIfUnchanged();
    // Puts the newest undo entry back; a board it completes is won.
    void undoLast();

    // The cell size, from the zone pictures; both 0 when the art is missing.
    int32_t cellWidth() const { return assets.zones[0].width(); }
    int32_t cellHeight() const { return assets.zones[0].height(); }
    Cell& cell(int32_t x, int32_t y) { return board.cells[static_cast<size_t>(cellIndex(x, y))]; }

    GameState state = GameState::Splash;
    PointerState pointer;
    Profile profile;
    BWImage splash;
    GameAssets assets;
    std::array<bool, kBoardSide> digitDone{}; // digit d (index d - 1) is complete and was heard
    Board board;
    BWPoint selected;
    bool pencilMode = false;
    int32_t currentNumber = 0;
    float startTime = 0.0f;
    float pauseStart = 0.0f; // 0 while the clock runs
    float winTime = 0.0f;    // 0 until the board is solved
    UndoList undoList;

private:
    // The in-game dialogs (game_dialogs.cpp); the exit dialog is canClose.
    void runPauseDialog();
    void runResetDialog();

    // The unfinished game (game_kept.cpp): stored when the program ends during play, offered
    // again when the splash ends. Where the program can end without notice it is also stored
    // as it changes (paced by keptPace_), and every frame hands the page the game and the
    // profile as they stand, for it to store should it be ended then.
    // A game in play is unfinished: not yet won, and past the splash and the menu.
    bool inPlay() const;
    KeptGame keptGame() const;
    void keepGame() const;
    void keepAsItGoes();
    // The display went away and the program ends at once: the game in play and the profile
    // are written as the program's normal end writes them.
    static void keepOnLostDisplay(void* game);
    void offerKeptGame();
    void resumeKeptGame(const KeptGame& kept);

    // Winning (game_win.cpp): the name for a new best time of e seconds, and its place.
    void enterBestTime(float e);

    // The help page (game_help.cpp).
    void showHelp();

    // The menu (game_menu.cpp).
    void drawMenu();
    void pressMenu(int32_t x, int32_t y);
    void releaseMenu(int32_t x, int32_t y);

    // The board screen (game_board.cpp).
    void drawBoard();
    void drawCells(std::array<int32_t, kBoardSide + 1>& completeCounts);
    void drawCellContent(const Cell& cell, BWPoint topLeft);
    void drawZoneBorders();
    void drawCompletedDigits(const std::array<int32_t, kBoardSide + 1>& completeCounts);
    void drawBoardTexts();
    void pressBoard(int32_t x, int32_t y, int32_t button);
    void editCell(int32_t column, int32_t row, bool pencil);
    void releaseBoardButtons(int32_t x, int32_t y);
    void checkBoard();

    float splashStart_ = 0.0f;
    PacedWrite keptPace_;
};
