// game_board.cpp: the board screen: a new game, editing cells, its buttons, keys and drawing.
#include "game/game.h"

#include "frame/clock.h"
#include "frame/keys.h"
#include "frame/loop.h"
#include "frame/window_proc.h"
#include "game/game_texts.h"
#include "puzzle/generator.h"

#include <algorithm>

namespace {

// The cell under a pixel offset from the board's edge: a pixel on a border between two cells
// belongs to the one on its left (or above).
int32_t cellAt(int32_t offset, int32_t cellSize)
{
    const int32_t cell = offset / cellSize;
    return offset != 0 && offset % cellSize == 0 ? cell - 1 : cell;
}

BWString digitText(int32_t digit)
{
    return BWString("%c", static_cast<char>('0' + digit));
}

} // namespace

void Game::newGame()
{
    state = GameState::Generating;
    const double begun = seconds();
    present();
    board.cells = {};
    generate(board, static_cast<ZoneLayout>(profile.zoneLayout()),
             static_cast<Difficulty>(profile.difficulty()));
    undoList.clear();
    fillCells(board);
    selected = BWPoint(-1, -1);
    pencilMode = false;
    currentNumber = 1;
    pauseStart = 0.0f;
    winTime = 0.0f;
    digitDone.fill(false);
    startTime = static_cast<float>(seconds());
    // The loading picture stays at least a second; the time is slept, not spun.
    const double left = 1.0 - (seconds() - begun);
    if (left > 0.0) {
        waitSeconds(static_cast<float>(left));
    }
    ignoreInputMadeSoFar();
    state = GameState::Playing;
}

void Game::checkBoard()
{
    if (updateConflicts(board, static_cast<Difficulty>(profile.difficulty()))) {
        win();
    }
}

void Game::pressBoard(int32_t x, int32_t y, int32_t button)
{
    const bool pencil = (button == 2) != pencilMode;
    const int32_t w = cellWidth();
    const int32_t h = cellHeight();
    // Without the zone pictures there is no board to hit.
    if (w > 0 && h > 0 && BWRect(kBoardLeft, kBoardTop, 9 * w, 9 * h).contains(x, y)) {
        editCell(cellAt(x - kBoardLeft, w), cellAt(y - kBoardTop, h), pencil);
        checkBoard();
    } else if (assets.check.bounds().contains(x - kPencilBoxLeft, y - kPencilBoxTop)) {
        pencilMode = !pencilMode;
        assets.checkSound.play();
    } else if (BWRect(kPanelLeft, kPanelTop, kPanelWidth, kPanelHeight).contains(x, y)) {
        currentNumber = (y - kPanelTop - 1) / kPanelSlot;
        assets.numberSound.play();
    } else {
        selected = BWPoint(-1, -1);
    }
}

// A given cell keeps its digit and the selection stays where it was.
void Game::editCell(int32_t column, int32_t row, bool pencil)
{
    Cell& target = cell(column, row);
    if (target.given) {
        return;
    }
    pushUndo(column, row);
    if (!pencil) {
        assets.placeSound.play();
        target.digit = static_cast<int8_t>(target.digit == currentNumber ? 0 : currentNumber);
    } else {
        assets.pencilSound.play();
        if (target.digit == 0 && currentNumber >= 1) {
            int8_t& mark = target.marks[currentNumber - 1];
            mark = static_cast<int8_t>(mark ? 0 : 1);
        }
    }
    if (currentNumber == 0) {
        target.digit = 0;
        std::fill(std::begin(target.marks), std::end(target.marks), int8_t{0});
    }
    selected = BWPoint(column, row);
    dropUndoIfUnchanged();
}

// Only the release point counts. The frame is shown first, with the button highlighted.
void Game::releaseBoardButtons(int32_t x, int32_t y)
{
    if (assets.quitGame.area.contains(x, y)) {
        present();
        exitLoop();
    } else if (assets.pause.area.contains(x, y)) {
        present();
        runPauseDialog();
    } else if (assets.undo.area.contains(x, y)) {
        present();
        undoLast();
    } else if (assets.reset.area.contains(x, y)) {
        present();
        runResetDialog();
    }
}

// Keys choose the number and stand in for buttons; none edits a cell or plays a sound.
void Game::onKeyDown(int32_t keyCode)
{
    if (state != GameState::Playing) {
        return;
    }
    keptPace_.changed();
    if (keyCode == keyBackspace) {
        currentNumber = 0;
    } else if (keyCode >= key0 && keyCode <= key9) {
        currentNumber = keyCode - key0;
    } else if (keyCode >= keyKeypad0 && keyCode <= keyKeypad9) {
        currentNumber = keyCode - keyKeypad0;
    } else if (keyCode == keySpace || keyCode == keyP) {
        releaseBoardButtons(assets.pause.area.x, assets.pause.area.y);
    } else if (keyCode == keyZ) {
        releaseBoardButtons(assets.undo.area.x, assets.undo.area.y + 6);
    } else if (keyCode == keyT) {
        pencilMode = !pencilMode;
    }
}

// With no dialog up the Game is the top layer; a dialog ignores the command.
void Game::onCommand(int32_t id)
{
    if (id == kMinimisedCommand && state == GameState::Playing) {
        releaseBoardButtons(assets.pause.area.x, assets.pause.area.y);
    }
}

void Game::drawBoard()
{
    assets.background.draw(0, 0);
    std::array<int32_t, kBoardSide + 1> completeCounts{};
    drawCells(completeCounts);
    drawZoneBorders();
    if (selected.x >= 0 && selected.y >= 0) {
        assets.select.draw(kBoardLeft + kSelectionInset + cellWidth() * selected.x,
                           kBoardTop + kSelectionInset + cellHeight() * selected.y);
    }
    if (pencilMode) {
        assets.check.draw(kPencilBoxLeft, kPencilBoxTop);
    }
    assets.sideSelect.draw(kPanelLeft + kSlotHighlightInset,
                           kPanelTop + kSlotHighlightInset + kPanelSlot * currentNumber);
    (pencilMode ? assets.sideNumbersSmall : assets.sideNumbers).draw(kPanelLeft, kPanelTop);
    drawCompletedDigits(completeCounts);
    assets.overlay.draw(0, 0);
    drawBoardTexts();
    drawButton(assets.quitGame, pointer);
    drawButton(assets.pause, pointer);
    if (undoList.empty()) {
        assets.undoVoid.draw(assets.undo.area.x, assets.undo.area.y);
    } else {
        drawButton(assets.undo, pointer);
    }
    drawButton(assets.reset, pointer);
}

// Counts the conflict-free digits toward completion; while paused only the zones show.
void Game::drawCells(std::array<int32_t, kBoardSide + 1>& completeCounts)
{
    for (int32_t x = 0; x < kBoardSide; ++x) {
        for (int32_t y = 0; y < kBoardSide; ++y) {
            const Cell& shown = cell(x, y);
            if (shown.digit >= 1 && shown.digit <= 9 && shown.conflict == 0) {
                ++completeCounts[static_cast<size_t>(shown.digit)];
            }
            const BWPoint topLeft(kBoardLeft + cellWidth() * x, kBoardTop + cellHeight() * y);
            if (shown.zone >= 1 && shown.zone <= 9) {
                assets.zones[static_cast<size_t>(shown.zone - 1)].draw(topLeft);
            }
            if (pauseStart == 0.0f) {
                drawCellContent(shown, topLeft);
            }
        }
    }
}

void Game::drawCellContent(const Cell& shown, BWPoint topLeft)
{
    const int32_t w = cellWidth();
    const int32_t h = cellHeight();
    if (shown.digit != 0) {
        const BWFont& font = shown.conflict ? assets.conflictFont
                             : shown.given  ? assets.givenFont
                                            : assets.playerFont;
        const BWString text = digitText(shown.digit);
        font.draw(topLeft.x + w / 2 - font.textWidth(text) / 2,
                  topLeft.y + h / 2 - font.textHeight(text) / 2, text);
        return;
    }
    for (int32_t d = 1; d <= kBoardSide; ++d) {
        if (!shown.marks[d - 1]) {
            continue;
        }
        const BWFont& font =
            shown.markConflicts[d - 1] ? assets.pencilConflictFont : assets.pencilFont;
        const BWString text = digitText(d);
        const int32_t i = d - 1;
        font.draw(topLeft.x + (i % 3) * w / 3 + w / 6 - font.textWidth(text) / 2,
                  topLeft.y + (i / 3) * h / 3 + h / 6 - font.textHeight(text) / 2, text);
    }
}

void Game::drawZoneBorders()
{
    const int32_t w = cellWidth();
    const int32_t h = cellHeight();
    const int32_t left = kBoardLeft - kBorderOffset;
    const int32_t top = kBoardTop - kBorderOffset;
    for (int32_t x = 0; x < kBoardSide; ++x) {
        for (int32_t y = 0; y < kBoardSide; ++y) {
            if (x < kBoardSide - 1 && cell(x, y).zone != cell(x + 1, y).zone) {
                assets.lineVert.draw(left + w * (x + 1), top + h * y);
            }
            if (y < kBoardSide - 1 && cell(x, y).zone != cell(x, y + 1).zone) {
                assets.lineHorz.draw(left + w * x, top + h * (y + 1));
            }
        }
    }
}

// A digit complete without conflicts is marked on the panel; its sound plays once per
// completion, again only after the set was broken and completed anew.
void Game::drawCompletedDigits(const std::array<int32_t, kBoardSide + 1>& completeCounts)
{
    for (int32_t d = 1; d <= kBoardSide; ++d) {
        bool& heard = digitDone[static_cast<size_t>(d - 1)];
        if (completeCounts[static_cast<size_t>(d)] != kBoardSide) {
            heard = false;
            continue;
        }
        if (!heard) {
            assets.doneSound.play();
            heard = true;
        }
        assets.done.draw(kPanelLeft, kPanelTop + kPanelSlot * d);
    }
}

void Game::drawBoardTexts()
{
    assets.mainFont.draw(kClockLeft, kClockTop, playingClockText(elapsedSeconds()));
    const int32_t layout = profile.zoneLayout();
    const int32_t difficulty = profile.difficulty();
    const BWString label = tableLabel(layout, difficulty);
    assets.mainFont.draw(kLabelLeft, kTopTextsTop, label);
    const float best = profile.bestTime(layout, difficulty, 0);
    if (best > 0.0f) {
        const int32_t labelRight = kLabelLeft + assets.mainFont.textWidth(label);
        const BWString text =
            nameFittedTo(assets.mainFont, kBestTimeRight - kNameGap - labelRight,
                         profile.bestName(layout, difficulty, 0),
                         [best](const char* shown) { return bestTimeText(shown, best); });
        assets.mainFont.draw(kBestTimeRight - assets.mainFont.textWidth(text), kTopTextsTop, text);
    }
}
