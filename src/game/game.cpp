// game.cpp: the Game's life (start-up, shutdown), its dispatch by state, the splash and clock.
#include "game/game.h"

#include "frame/app.h"
#include "frame/clock.h"
#include "frame/display.h"
#include "frame/loop.h"
#include "game/asset_files.h"
#include "game/window_record.h"
#include "media/sound.h"

namespace {

// The backdrop's colour at the middle of its left and right edges, where bands meet it.
const BWColor kPaperEdge(0xffeeeae2u);

float now()
{
    return static_cast<float>(seconds());
}

} // namespace

Game::Game()
{
    profile.load();
    setLostDisplayKeeper(&Game::keepOnLostDisplay, this);
    if (!profile.soundOn()) {
        disableSound();
    }
    requestWindowPlacement(loadWindowPlacement());
    createWindow(BWString("Pellix"), kScreenWidth, kScreenHeight, 32, 15);
    // The bands beside a picture that does not fill the window take the paper's edge colour.
    setBandColor(kPaperEdge);
    if (profile.fullscreen()) {
        enterFullscreen();
    }
    state = GameState::Splash;
    run();
    saveWindowPlacement(windowPlacement());
    shutdown();
}

// However the program ends during play (the exit dialog's yes, a signal, the session ending),
// the game is kept. Then the members go in reverse order: sounds, fonts and pictures, then the
// profile, which saves.
Game::~Game()
{
    // What a lost display would have written is written here, by a game still whole.
    setLostDisplayKeeper(nullptr, nullptr);
    if (inPlay()) {
        keepGame();
    }
}

void Game::onDraw()
{
    switch (state) {
    case GameState::Splash:
        if (splash.isEmpty()) {
            splash.load(kSplashPicture);
        }
        splash.draw(0, 0);
        break;
    case GameState::Menu:
        drawMenu();
        break;
    case GameState::Generating:
        drawMenu();
        assets.loading.draw(0, 0);
        break;
    case GameState::Playing:
        drawBoard();
        break;
    default:
        break;
    }
}

void Game::onMouseDown(int32_t x, int32_t y, int32_t button)
{
    pointer.mouseHeld = true;
    pointer.mousePos = BWPoint(x, y);
    pointer.pressPos = BWPoint(x, y);
    if (state == GameState::Menu) {
        pressMenu(x, y);
    } else if (state == GameState::Playing) {
        pressBoard(x, y, button);
        keptPace_.changed();
    }
}

void Game::onMouseMove(int32_t x, int32_t y)
{
    pointer.mousePos = BWPoint(x, y);
}

void Game::onMouseUp(int32_t x, int32_t y, int32_t)
{
    pointer.mousePos = BWPoint(x, y);
    pointer.mouseHeld = false;
    if (state == GameState::Menu) {
        releaseMenu(x, y);
    } else if (state == GameState::Playing) {
        releaseBoardButtons(x, y);
        keptPace_.changed();
    }
}

// The splash stays two seconds from the start of the asset load, which runs in its first tick.
void Game::onTick()
{
    keepAsItGoes();
    if (state != GameState::Splash) {
        return;
    }
    if (splashStart_ == 0.0f) {
        splashStart_ = now();
        loadAssets();
    } else if (now() - splashStart_ >= 2.0f) {
        splashStart_ = 0.0f;
        state = GameState::Menu;
        offerKeptGame();
    }
}

void Game::loadAssets()
{
    ::loadAssets(assets);
    pointer = PointerState{};
    undoList.clear();
}

void Game::pauseClock()
{
    pauseStart = now();
}

void Game::resumeClock()
{
    startTime += now() - pauseStart;
    pauseStart = 0.0f;
}

float Game::elapsedSeconds() const
{
    const float current = now();
    float elapsed = current - startTime;
    if (pauseStart != 0.0f) {
        elapsed -= current - pauseStart;
    }
    if (winTime != 0.0f) {
        elapsed -= current - winTime;
    }
    return elapsed;
}

void Game::pushUndo(int32_t x, int32_t y)
{
    ::pushUndo(undoList, board, selected, x, y);
}

void Game::dropUndoIfUnchanged()
{
    ::dropUndoIfUnchanged(undoList, board, selected);
}

void Game::undoLast()
{
    if (restoreLast(undoList, board, selected)) {
        checkBoard();
    }
}
