// settings_dialog.cpp: the settings dialog's options, buttons, keys and drawing.
#include "game/settings_dialog.h"

#include "frame/app.h"
#include "frame/clock.h"
#include "frame/keys.h"
#include "frame/loop.h"
#include "game/asset_files.h"
#include "game/game.h"
#include "game/game_dialogs.h"
#include "media/sound.h"

namespace {

void loadButtonImages(BWImage& normal, BWImage& down, BWImage& highlight, const char* name)
{
    normal.load(BWString("%s", buttonPicture(name, ButtonLook::Normal).c_str()));
    down.load(BWString("%s", buttonPicture(name, ButtonLook::Down).c_str()));
    highlight.load(BWString("%s", buttonPicture(name, ButtonLook::Highlight).c_str()));
}

BWRect areaAt(const BWImage& image, BWPoint topLeft)
{
    BWRect area = image.bounds();
    area.offset(topLeft);
    return area;
}

} // namespace

SettingsDialog::SettingsDialog() = default;

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::run(Game& game)
{
    background_.load(kDialogBackgroundPicture);
    panel_.load(kSettingsDialogPicture);
    loadButtonImages(clear_.normal, clear_.down, clear_.highlight, "clear");
    loadButtonImages(done_.normal, done_.down, done_.highlight, "done");
    clearArea_ = areaAt(clear_.normal, kClearButton);
    doneArea_ = areaAt(done_.normal, kMiddleButton);
    game_ = &game;
    ::run();
}

// The switch comes before the sound, so sound on is confirmed and sound off is silent.
void SettingsDialog::onMouseDown(int32_t x, int32_t y, int32_t)
{
    mousePos_ = BWPoint(x, y);
    pressPos_ = BWPoint(x, y);
    mouseHeld_ = true;
    const BWImage& check = game_->assets.check;
    Profile& profile = game_->profile;
    if (areaAt(check, kFullscreenMark).contains(x, y)) {
        enterFullscreen();
        profile.setFullscreen(true);
    } else if (areaAt(check, kWindowMark).contains(x, y)) {
        leaveFullscreen();
        profile.setFullscreen(false);
    } else if (areaAt(check, kSoundOnMark).contains(x, y)) {
        enableSound();
        profile.setSoundOn(true);
    } else if (areaAt(check, kSoundOffMark).contains(x, y)) {
        disableSound();
        profile.setSoundOn(false);
    } else {
        return;
    }
    game_->assets.checkSound.play();
}

void SettingsDialog::onMouseMove(int32_t x, int32_t y)
{
    mousePos_ = BWPoint(x, y);
}

void SettingsDialog::onMouseUp(int32_t x, int32_t y, int32_t)
{
    mousePos_ = BWPoint(x, y);
    mouseHeld_ = false;
    if (clearArea_.contains(pressPos_) && clearArea_.contains(x, y)) {
        confirmClear();
    } else if (doneArea_.contains(pressPos_) && doneArea_.contains(x, y)) {
        closeRequested_ = true;
    }
}

// Only the tables go back to their defaults; nothing is written until the next save.
void SettingsDialog::confirmClear()
{
    if (askYesNo(kClearDialogPicture) == 1) {
        game_->profile.resetBestTimes();
    }
}

// Done is pressed by hand and shown pressed for a quarter second before it is released.
void SettingsDialog::onKeyDown(int32_t keyCode)
{
    if (keyCode != keyEscape && keyCode != keyEnter) {
        return;
    }
    onMouseDown(doneArea_.x, doneArea_.y, 1);
    present();
    waitSeconds(0.25f);
    onMouseUp(doneArea_.x, doneArea_.y, 1);
}

void SettingsDialog::drawButton(const ButtonImages& images, const BWRect& area) const
{
    const BWImage* image = &images.normal;
    if (mouseHeld_ && area.contains(pressPos_) && area.contains(mousePos_)) {
        image = &images.down;
    } else if (area.contains(mousePos_)) {
        image = &images.highlight;
    }
    image->draw(area);
}

void SettingsDialog::onDraw()
{
    background_.draw(0, 0);
    panel_.draw(0, 0);
    const BWImage& check = game_->assets.check;
    const Profile& profile = game_->profile;
    check.draw(profile.fullscreen() ? kFullscreenMark : kWindowMark);
    check.draw(profile.soundOn() ? kSoundOnMark : kSoundOffMark);
    drawButton(clear_, clearArea_);
    drawButton(done_, doneArea_);
    if (closeRequested_) {
        exitLoop();
    }
}
