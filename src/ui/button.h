// button.h: BWButton, an image button with a small input layer of its own.
#pragma once

#include "base/bw_string.h"
#include "base/geometry.h"
#include "media/image.h"
#include "media/sound.h"
#include "ui/layer.h"

#include <cstdint>
#include <memory>

class BWButton;

// The input side of a button. It sits in the stack above the layer that shows the button,
// takes the presses and releases that fall on the button and hands everything else to the
// layer below. A release on the button after a press on it sends the button's id to the top
// layer as a command, which widget layers pass down to whoever handles commands.
class BWButtonLayer : public BWLayer {
public:
    explicit BWButtonLayer(BWButton& owner) : owner_(owner) {}

    void onCommand(int32_t id) override;
    void onChar(char character) override;
    void onKeyDown(int32_t keyCode) override;
    void onKeyUp(int32_t keyCode) override;
    void onMouseDoubleClick(int32_t x, int32_t y, int32_t button) override;
    void onMouseDown(int32_t x, int32_t y, int32_t button) override;
    void onMouseMove(int32_t x, int32_t y) override;
    void onMouseUp(int32_t x, int32_t y, int32_t button) override;
    void onMouseWheel(int32_t x, int32_t y, int32_t z, int32_t direction) override;
    bool canInsertChar(int32_t textboxId, char character) override;

    bool isPressed() const { return pressed_; }
    BWPoint lastMousePoint() const { return lastMouse_; }

private:
    BWButton& owner_;
    BWPoint lastMouse_{-1, -1};
    bool pressed_ = false;
    // Followed only without a frame cap, where nothing else would show the highlight.
    bool hover_ = false;
};

// Three pictures (normal, pressed, highlighted under the pointer) and two optional sounds.
// Ids are unique in the process and count from 1. The rectangle has the normal picture's
// size; a button whose normal picture is missing has an empty rectangle and is never hit.
// The owner draws the button; its layer enters the stack on top when the button is made.
class BWButton {
public:
    // No pictures, no sounds and no layer: never drawn, never hit.
    BWButton();
    // Pictures and sounds are opened by file name; an empty or missing name leaves that one
    // empty (a missing pressed or highlight picture shows the normal one instead).
    BWButton(BWPoint position, BWString normalImage, BWString downImage, BWString highlightImage,
             BWString pressSound, BWString releaseSound);
    ~BWButton();
    BWButton(const BWButton&) = delete;
    BWButton& operator=(const BWButton&) = delete;

    // Loads everything anew and puts a fresh layer on top. False when the normal picture
    // cannot be loaded; the button is then left exactly as it was.
    bool reload(BWPoint position, BWString normalImage, BWString downImage, BWString highlightImage,
                BWString pressSound, BWString releaseSound);
    // Moves the button's layer to the top of the stack (above a dialog that shows it).
    void bringToTop();
    // The pressed picture while pressed with the pointer on it, the highlight while the
    // pointer rests on it unpressed, the normal one otherwise, stretched into the rectangle.
    void draw() const;

    int32_t id() const { return id_; }
    BWButton* self() { return this; }
    BWRect rect() const { return rect_; }
    BWButtonLayer* layer() const { return layer_.get(); }
    // Inside the rectangle, edges included; an empty rectangle is hit nowhere.
    bool hits(int32_t x, int32_t y) const;

private:
    friend class BWButtonLayer;

    void takeParts(BWPoint position, BWString downImage, BWString highlightImage, BWString pressSound,
                   BWString releaseSound);

    int32_t id_;
    BWRect rect_;
    std::unique_ptr<BWImage> normal_;
    BWImage down_;
    BWImage highlight_;
    BWSound pressSound_;
    BWSound releaseSound_;
    std::unique_ptr<BWButtonLayer> layer_;
};
