// button.cpp: image buttons: loading, the picture choice, and the click through their layer.
#include "ui/button.h"

#include "frame/app.h"
#include "frame/clock.h"
#include "frame/loop.h"

namespace {

// How long a released button stays on screen before its command is sent, so the player
// sees the click land.
constexpr float kClickPauseSeconds = 0.25f;

int32_t nextButtonId()
{
    static int32_t lastId = 0;
    return ++lastId;
}

} // namespace

// ---- The button.

BWButton::BWButton() : id_(nextButtonId()), normal_(std::make_unique<BWImage>()) {}

BWButton::BWButton(BWPoint position, BWString normalImage, BWString downImage, BWString highlightImage,
                   BWString pressSound, BWString releaseSound)
    : BWButton()
{
    normal_->load(normalImage);
    takeParts(position, downImage, highlightImage, pressSound, releaseSound);
}

BWButton::~BWButton()
{
    // The layer leaves the stack before the pictures and sounds it might show or play go.
    layer_.reset();
}

bool BWButton::reload(BWPoint position, BWString normalImage, BWString downImage, BWString highlightImage,
                      BWString pressSound, BWString releaseSound)
{
    auto normal = std::make_unique<BWImage>();
    if (!normal->load(normalImage)) {
        return false;
    }
    normal_ = std::move(normal);
    takeParts(position, downImage, highlightImage, pressSound, releaseSound);
    return true;
}

// The rectangle from the normal picture at the position, the other pictures and the sounds, and
// a fresh layer for them.
void BWButton::takeParts(BWPoint position, BWString downImage, BWString highlightImage, BWString pressSound,
                         BWString releaseSound)
{
    rect_ = normal_->bounds();
    rect_.offset(position);
    down_.load(downImage);
    highlight_.load(highlightImage);
    pressSound_.load(pressSound);
    releaseSound_.load(releaseSound);
    layer_.reset();
    layer_ = std::make_unique<BWButtonLayer>(*this);
}

void BWButton::bringToTop()
{
    if (layer_) {
        layer_->moveInStack(0);
    }
}

bool BWButton::hits(int32_t x, int32_t y) const
{
    return !rect_.isEmpty() && rect_.contains(x, y);
}

void BWButton::draw() const
{
    if (!layer_) {
        return;
    }
    const BWPoint pointer = layer_->lastMousePoint();
    const bool over = hits(pointer.x, pointer.y);
    const bool pressed = layer_->isPressed();
    if (pressed && over && !down_.isEmpty()) {
        down_.draw(rect_);
    } else if (!pressed && over && !highlight_.isEmpty()) {
        highlight_.draw(rect_);
    } else {
        normal_->draw(rect_);
    }
}

// ---- Its layer.

void BWButtonLayer::onCommand(int32_t id) { passCommand(id); }
void BWButtonLayer::onChar(char character) { passChar(character); }
void BWButtonLayer::onKeyDown(int32_t keyCode) { passKeyDown(keyCode); }
void BWButtonLayer::onKeyUp(int32_t keyCode) { passKeyUp(keyCode); }

void BWButtonLayer::onMouseWheel(int32_t x, int32_t y, int32_t z, int32_t direction)
{
    passMouseWheel(x, y, z, direction);
}

bool BWButtonLayer::canInsertChar(int32_t textboxId, char character)
{
    return passInsertChar(textboxId, character);
}

void BWButtonLayer::onMouseDown(int32_t x, int32_t y, int32_t button)
{
    lastMouse_.set(x, y);
    if (!owner_.hits(x, y)) {
        passMouseDown(x, y, button);
        return;
    }
    owner_.pressSound_.play();
    pressed_ = true;
    if (frameRate() == 0) {
        present();
    }
}

void BWButtonLayer::onMouseDoubleClick(int32_t x, int32_t y, int32_t button)
{
    lastMouse_.set(x, y);
    if (owner_.hits(x, y)) {
        onMouseDown(x, y, button);
    } else {
        passMouseDoubleClick(x, y, button);
    }
}

void BWButtonLayer::onMouseUp(int32_t x, int32_t y, int32_t button)
{
    lastMouse_.set(x, y);
    if (!pressed_ || !owner_.hits(x, y)) {
        pressed_ = false;
        passMouseUp(x, y, button);
        return;
    }
    pressed_ = false;
    owner_.releaseSound_.play();
    present();
    waitSeconds(kClickPauseSeconds);
    sendCommand(owner_.id());
}

void BWButtonLayer::onMouseMove(int32_t x, int32_t y)
{
    lastMouse_.set(x, y);
    if (frameRate() == 0) {
        const bool inside = owner_.hits(x, y);
        if (hover_ != inside) {
            hover_ = inside;
            present();
        }
    }
    // Other widgets below follow the pointer too.
    passMouseMove(x, y);
}
