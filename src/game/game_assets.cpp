// game_assets.cpp: loading the game's pictures, fonts and sounds, and the button drawing rule.
#include "game/game_assets.h"

#include "game/asset_files.h"
#include "game/game_texts.h"
#include "media/art_language.h"
#include "media/font_metrics.h"
#include "game/screen_layout.h"

namespace {

void loadButton(GameButton& button, const char* stem, BWPoint topLeft)
{
    button.normal.load(BWString("%s", buttonPicture(stem, ButtonLook::Normal).c_str()));
    button.down.load(BWString("%s", buttonPicture(stem, ButtonLook::Down).c_str()));
    button.highlight.load(BWString("%s", buttonPicture(stem, ButtonLook::Highlight).c_str()));
    button.area = BWRect(topLeft.x, topLeft.y, button.normal.width(), button.normal.height());
}

void loadBoardPictures(GameAssets& assets)
{
    assets.background.load(kBoardBackgroundPicture);
    assets.overlay.load(kBoardOverlayPicture);
    for (int32_t zone = 1; zone <= kZonePictures; ++zone) {
        assets.zones[static_cast<size_t>(zone - 1)].load(BWString("%s", zonePicture(zone).c_str()));
    }
    assets.select.load(kSelectionPicture);
    assets.check.load(kCheckPicture);
    assets.sideNumbers.load(kSideNumbersPicture);
    assets.sideNumbersSmall.load(kSideNumbersSmallPicture);
    assets.sideSelect.load(kSideSelectPicture);
    assets.lineHorz.load(kHorizontalBorderPicture);
    assets.lineVert.load(kVerticalBorderPicture);
    assets.done.load(kDigitDonePicture);
    assets.loading.load(kLoadingPicture);
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
    assets.menuBackground.load(kMenuBackgroundPicture);
    loadButton(assets.play, "play", kPlayButton);
    loadButton(assets.help, "help", kHelpButton);
    loadButton(assets.settings, "settings", kSettingsButton);
    loadButton(assets.quitMenu, "exit_menu", kQuitMenuButton);
    loadButton(assets.quitGame, "exit_game", kQuitGameButton);
    loadButton(assets.pause, "pause", kPauseButton);
    loadButton(assets.undo, "undo", kUndoButton);
    assets.undoVoid.load(kUndoVoidPicture);
    loadButton(assets.reset, "reset", kResetButton);
    loadBoardPictures(assets);

    assets.mainFont.load(kMainFont);
    // A language's labels are written in its label font's low codes: without that font, English.
    FontMetrics labelFont;
    const BWString labelFontFile = languageFileName(BWString(kMainFont));
    const bool hasLabelFont = labelFontFile.chars() && readFntFile(labelFontFile.chars(), labelFont);
    useTableLabels(hasLabelFont ? readTableLabels(languageFileName(BWString(kBoardLabelsFile)).chars())
                                : std::vector<std::string>{});
    assets.givenFont.load(kGivenFont);
    assets.playerFont.load(kPlayerFont);
    assets.conflictFont.load(kConflictFont);
    assets.pencilFont.load(kPencilFont);
    assets.pencilConflictFont.load(kPencilConflictFont);

    assets.checkSound.load(kCheckSound);
    assets.numberSound.load(kNumberSound);
    assets.placeSound.load(kPlaceSound);
    assets.pencilSound.load(kPencilSound);
    assets.finishSound.load(kFinishSound);
    assets.doneSound.load(kDoneSound);
}
