// settings_dialog.h: SettingsDialog, the display and sound switches and the clearing of the
// best times, opened from the main menu.
#pragma once

#include "base/geometry.h"
#include "media/image.h"
#include "ui/layer.h"

#include <cstdint>

class Game;

// A layer of its own on top of the menu, with its own loop. Every change goes into the game's
// profile at once; the dialog itself never writes to storage.
class SettingsDialog : public BWLayer {
public:
    SettingsDialog();
    ~SettingsDialog() override;

    // Loads the pictures and runs the dialog's loop until Done (or a close request).
    void run(Game& game);

    void onDraw() override;
    // Escape and the main Enter key press Done visibly; the keypad Enter does nothing.
    void onKeyDown(int32_t keyCode) override;
    // Chooses an option.
    void onMouseDown(int32_t x, int32_t y, int32_t button) override;
    void onMouseMove(int32_t x, int32_t y) override;
    // Clear and Done act when both the press and the release lie on them.
    void onMouseUp(int32_t x, int32_t y, int32_t button) override;

private:
    struct ButtonImages {
        BWImage normal;
        BWImage down;
        BWImage highlight;
    };
    void drawButton(const ButtonImages& images, const BWRect& area) const;
    void confirmClear();

    BWPoint mousePos_;
    BWPoint pressPos_;
    bool mouseHeld_ = false;
    bool closeRequested_ = false;
    BWImage background_;
    BWImage panel_;
    ButtonImages clear_;
    ButtonImages done_;
    BWRect clearArea_;
    BWRect doneArea_;
    Game* game_ = nullptr;
};
