// game_menu.cpp: the main menu: layout and difficulty choices, best times, four buttons.
#include "game/game.h"

#include "frame/loop.h"
#include "game/game_texts.h"
#include "frame/keeping.h"
#include "game/settings_dialog.h"

void Game::drawMenu()
{
    assets.menuBackground.draw(0, 0);
    assets.check.draw(kLayoutColumn, kOptionRows[profile.zoneLayout()]);
    assets.check.draw(kDifficultyColumn, kOptionRows[profile.difficulty()]);
    drawButton(assets.play, pointer);
    drawButton(assets.help, pointer);
    drawButton(assets.settings, pointer);
    drawButton(assets.quitMenu, pointer);
    const int32_t layout = profile.zoneLayout();
    const int32_t difficulty = profile.difficulty();
    const BWFont& font = assets.mainFont;
    for (int32_t rank = 0; rank < Profile::kRanks; ++rank) {
        const BWString name = nameFittedTo(
            font, kBestTimeLeft - kNameGap - kBestNameLeft, profile.bestName(layout, difficulty, rank),
            [rank](const char* shown) { return bestRankText(rank, shown); });
        const BWString time = formatClockTime(profile.bestTime(layout, difficulty, rank));
        font.draw(kBestNameLeft, kBestTop + rank * font.textHeight(name), name);
        font.draw(kBestTimeLeft, kBestTop + rank * font.textHeight(time), time);
    }
}

// Any button chooses; the sound confirms even a choice that was already made.
void Game::pressMenu(int32_t x, int32_t y)
{
    for (int32_t column : {kLayoutColumn, kDifficultyColumn}) {
        for (int32_t row = 0; row < 3; ++row) {
            if (!assets.check.bounds().contains(x - column, y - kOptionRows[row])) {
                continue;
            }
            if (column == kLayoutColumn) {
                profile.setZoneLayout(static_cast<int8_t>(row));
            } else {
                profile.setDifficulty(static_cast<int8_t>(row));
            }
            assets.checkSound.play();
            return;
        }
    }
}

// Only the release point counts, so a press that began elsewhere still activates the button.
// The frame is shown first, with the released button highlighted, while the action runs.
void Game::releaseMenu(int32_t x, int32_t y)
{
    if (assets.play.area.contains(x, y)) {
        present();
        newGame();
    } else if (assets.help.area.contains(x, y)) {
        present();
        showHelp();
    } else if (assets.settings.area.contains(x, y)) {
        present();
        SettingsDialog dialog;
        dialog.run(*this);
        // Where the program can end without notice, a closed dialog's choices are kept at once.
        if (keepsAsItGoes()) {
            profile.save();
        }
    } else if (assets.quitMenu.area.contains(x, y)) {
        present();
        exitLoop();
    }
}
