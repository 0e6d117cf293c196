// game_assets.cpp: loading the game's pictures, fonts and sounds, and the button drawing rule.
#include "game/game_assets.h"

#include "game/game_texts.h"
#include "media/art_language.h"
#include "media/font_metrics.h"

#include "game/screen_layout.h"

namespace {

// Loads "<stem>_button.png", "<stem>_down.png" and "<stem>_highlight.png".
void loadButton(GameButton& button, const char* stem, BWPoint topLeft)
{
    button.normal.load(BWString("%s_button.png", stem));
    button.down.load(BWString("%s_down.png", stem));
    button.highlight.load(BWString("%s_highlight.png", stem));
    button.area = BWRect(topLeft.x, topLeft.y, button.normal.width(), button.normal.height());
}

void loadBoardPictures(GameAssets& assets)
{
    assets.background.load("game_background.png");
    assets.overlay.load("game_overlay.png");
    for (int32_t zone = 1; zone <= 9; ++zone) {
        assets.zones[static_cast<size_t>(zone - 1)].load(BWString("game_zone%d.png", zone));
    }
    assets.select.load("game_select.png");
    assets.check.load("game_check.png");
    assets.sideNumbers.load("game_side_numbers.png");
    assets.sideNumbersSmall.load("game_side_numbers_small.png");
    assets.sideSelect.load("game_side_select.png");
    assets.lineHorz.load("game_line_horz.png");
    assets.lineVert.load("game_line_vert.png");
    assets.done.load("game_done.png");
    assets.loading.load("game_loading.png");
}

} // namespace

const BWImage& buttonImage(const GameButton& button, const PointerState& pointer)
{
    if (pointer.mouseHeld && button.area.contains(pointer.pressPos) &&
        button.area.contains(pointer.mousePos)) {
        return button.down;
    }
    return button.area.contains(pointer.mousePos) ? button.highlight : button.normal;
}

void drawButton(const GameButton& button, const PointerState& pointer)
{
    buttonImage(button, pointer).draw(button.area.x, button.area.y);
}

void loadAssets(GameAssets& assets)
{
    assets.menuBackground.load("menu_background.png");
    loadButton(assets.play, "play", kPlayButton);
    loadButton(assets.help, "help", kHelpButton);
    loadButton(assets.settings, "settings", kSettingsButton);
    loadButton(assets.quitMenu, "exit_menu", kQuitMenuButton);
    loadButton(assets.quitGame, "exit_game", kQuitGameButton);
    loadButton(assets.pause, "pause", kPauseButton);
    loadButton(assets.undo, "undo", kUndoButton);
    assets.undoVoid.load("undo_void.png");
    loadButton(assets.reset, "reset", kResetButton);
    loadBoardPictures(assets);

    assets.mainFont.load("font_main.fnt");
    // A language's labels are written in its label font's low codes: without that font, English.
    FontMetrics labelFont;
    const BWString labelFontFile = languageFileName(BWString("font_main.fnt"));
    const bool hasLabelFont = labelFontFile.chars() && readFntFile(labelFontFile.chars(), labelFont);
    useTableLabels(hasLabelFont ? readTableLabels(languageFileName(BWString("board_labels.txt")).chars())
                                : std::vector<std::string>{});
    assets.givenFont.load("font_original.fnt");
    assets.playerFont.load("font_puzzle.fnt");
    assets.conflictFont.load("font_conflict.fnt");
    assets.pencilFont.load("font_puzzle_small.fnt");
    assets.pencilConflictFont.load("font_conflict_small.fnt");

    assets.checkSound.load("sound_check.wav");
    assets.numberSound.load("sound_number.wav");
    assets.placeSound.load("sound_place.wav");
    assets.pencilSound.load("sound_test.wav");
    assets.finishSound.load("sound_finish.wav");
    assets.doneSound.load("sound_done.wav");
}
