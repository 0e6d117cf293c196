// textbox.cpp: the text box's editing: typing, the editing keys, the clipboard, the pointer,
// the key repeat and the drawing.
#include "ui/textbox.h"

#include "frame/app.h"
#include "frame/clock.h"
#include "frame/keys.h"
#include "frame/loop.h"
#include "media/font.h"
#include "platform/platform.h"

#include <algorithm>
#include <cstdio>
#include <iterator>
#include <string>

namespace {

// The system's own key repeat is not routed, so the box repeats these itself: the first
// repeat comes after kRepeatDelayMs, the next ones kRepeatDelayMs - kRepeatStepBackMs apart.
constexpr int32_t kRepeatedKeys[] = {keyBackspace, keyDelete, keyLeft, keyRight};
constexpr uint32_t kRepeatDelayMs = 700;
constexpr uint32_t kRepeatStepBackMs = 630;
// Ticks come further apart than the repeat, so one tick makes every repeat that fell due since
// the last; after a stall (a window dragged, a slow frame) no more than this many at once.
constexpr int kRepeatCatchUpLimit = 3;

const BWColor kCaretDark(0xff000000u);
const BWColor kCaretLight(0xffffffffu);
const BWColor kDisabledWash(0x80ffffffu);

bool isPrintable(char character)
{
    return character >= 0x20 && character <= 0x7e;
}

int32_t nextTextboxId()
{
    static int32_t lastId = 0;
    return ++lastId;
}

} // namespace

// ---- The handle.

BWTextboxHandle::BWTextboxHandle(const BWFont* font, BWColor background, BWColor selectionColor, BWString text,
                                 BWRect rect)
    : id_(nextTextboxId()),
      box_(std::make_unique<BWTextbox>(*this, font, background, selectionColor, std::move(text), rect))
{
}

BWTextboxHandle::~BWTextboxHandle() = default;

// ---- Construction.

BWTextbox::BWTextbox(const BWTextboxHandle& owner, const BWFont* font, BWColor background, BWColor selectionColor,
                     BWString text, BWRect rect)
    : owner_(owner), font_(font), background_(background), selectionColor_(selectionColor), rect_(rect),
      text_(std::move(text))
{
    if (!font_) {
        std::fputs("Initializing BWTextbox with a NULL font value.", stderr);
    }
    const int32_t lineHeight = font_ ? font_->textHeight(BWString()) : 0;
    inset_ = (rect_.h - lineHeight) / 2;
    // The page leaves printable keys to the box while it is up (one box at a time).
    platformSetTyping(true);
}

BWTextbox::~BWTextbox()
{
    // The pointer may have been over the box when it went.
    platformSetCursor(PlatformCursor::Arrow);
    platformSetTyping(false);
}

int32_t BWTextbox::length() const
{
    return static_cast<int32_t>(text_.length());
}

void BWTextbox::focus()
{
    focused_ = true;
    selectAll();
}

void BWTextbox::selectAll()
{
    anchor_ = 0;
    caret_ = length();
}

// ---- Measuring.

int32_t BWTextbox::indexFromX(int32_t x) const
{
    int32_t left = x - (rect_.x + inset_);
    int32_t index = 0;
    const char* text = text_.chars();
    for (int32_t i = 0; text && text[i] != '\0' && left >= 0; ++i) {
        const int32_t width = font_->charWidth(text[i]) + font_->spacing();
        index = left >= width / 2 ? i + 1 : i;
        left -= width;
    }
    return index;
}

int32_t BWTextbox::boundaryX(int32_t index) const
{
    int32_t x = rect_.x + inset_;
    const char* text = text_.chars();
    for (int32_t i = 0; font_ && text && i < index && text[i] != '\0'; ++i) {
        x += font_->charWidth(text[i]) + font_->spacing();
    }
    return x;
}

// ---- Changing the text.

void BWTextbox::replaceText(int32_t from, int32_t count, const char* insert)
{
    std::string text = text_.chars() ? text_.chars() : "";
    text.replace(static_cast<size_t>(from), static_cast<size_t>(count), insert);
    // Assigned, not formatted: the player's text is never a format. An emptied text stays an
    // empty string rather than becoming null.
    text_ = text.c_str();
}

bool BWTextbox::deleteSelection()
{
    if (anchor_ == caret_) {
        return false;
    }
    const int32_t from = std::min(anchor_, caret_);
    replaceText(from, std::max(anchor_, caret_) - from, "");
    anchor_ = from;
    caret_ = from;
    return true;
}

void BWTextbox::deleteForward()
{
    if (anchor_ == caret_ && anchor_ < length()) {
        replaceText(anchor_, 1, "");
    }
}

bool BWTextbox::insertChar(char character)
{
    if (!font_ || font_->charWidth(character) <= 0) {
        return false;
    }
    if (!askInsertChar(owner_.id(), character)) {
        return false;
    }
    // The selection goes even when the character then does not fit: typing over it in a full
    // box still clears it.
    deleteSelection();
    if (font_->textWidth(text_) + font_->charWidth(character) + inset_ + 1 > rect_.w) {
        return false;
    }
    const char insert[2] = {character, '\0'};
    replaceText(anchor_, 0, insert);
    ++anchor_;
    caret_ = anchor_;
    return true;
}

void BWTextbox::onChar(char character)
{
    if (!enabled_ || !focused_) {
        passChar(character);
        return;
    }
    // Characters typed with a system key held are shortcuts, not text.
    if (isKeyHeld(keyApple) || isKeyHeld(keyWindows)) {
        return;
    }
    if (!insertChar(character)) {
        beep();
    }
}

// ---- Keys.

void BWTextbox::stepLeft(bool extend)
{
    if (extend) {
        // Steps over the anchor rather than landing on it, so the selection never empties.
        caret_ = std::max(caret_ - 1 == anchor_ ? caret_ - 2 : caret_ - 1, 0);
    } else if (anchor_ == caret_) {
        anchor_ = caret_ = std::max(anchor_ - 1, 0);
    } else {
        anchor_ = caret_ = std::min(anchor_, caret_);
    }
}

void BWTextbox::stepRight(bool extend)
{
    if (extend) {
        caret_ = std::min(caret_ + 1 == anchor_ ? caret_ + 2 : caret_ + 1, length());
    } else if (anchor_ == caret_) {
        anchor_ = caret_ = std::min(anchor_ + 1, length());
    } else {
        anchor_ = caret_ = std::max(anchor_, caret_);
    }
}

bool BWTextbox::editKey(int32_t keyCode)
{
    const bool shift = isKeyHeld(keyShift);
    const bool command = isKeyHeld(keyControl) || isKeyHeld(keyApple);
    switch (keyCode) {
    case keyBackspace:
        if (!deleteSelection() && anchor_ > 0) {
            --anchor_;
            --caret_;
            deleteForward();
        }
        return true;
    case keyDelete:
        if (!deleteSelection()) {
            deleteForward();
        }
        return true;
    case keyTab:
        focused_ = false;
        return false;
    case keyHome:
        anchor_ = caret_ = 0;
        return true;
    case keyEnd:
        anchor_ = caret_ = length();
        return true;
    case keyUp:
        caret_ = 0;
        anchor_ = shift ? anchor_ : caret_;
        return true;
    case keyDown:
        caret_ = length();
        anchor_ = shift ? anchor_ : caret_;
        return true;
    case keyLeft:
        stepLeft(shift);
        return true;
    case keyRight:
        stepRight(shift);
        return true;
    case keyA:
        if (command) selectAll();
        return command;
    case keyC:
        if (command) copySelection();
        return command;
    case keyX:
        if (command) {
            copySelection();
            deleteSelection();
        }
        return command;
    case keyV:
        if (command) paste();
        return command;
    default:
        return false;
    }
}

void BWTextbox::onKeyDown(int32_t keyCode)
{
    keyHeld_ = true;
    if (enabled_ && focused_) {
        if (!editKey(keyCode)) {
            passKeyDown(keyCode);
        }
    } else if (enabled_ && keyCode == keyTab) {
        focus();
    } else {
        passKeyDown(keyCode);
    }
    repeatTime_ = static_cast<uint32_t>(milliseconds());
}

void BWTextbox::onKeyUp(int32_t keyCode)
{
    keyHeld_ = false;
    repeatTime_ = 0;
    passKeyUp(keyCode);
}

void BWTextbox::onTick()
{
    if (!keyHeld_ || repeatTime_ == 0 || !focused_ || !enabled_) {
        return;
    }
    // Unsigned: the difference stays right when the 32-bit tick count wraps.
    if (static_cast<uint32_t>(milliseconds()) - repeatTime_ <= kRepeatDelayMs) {
        return;
    }
    const int32_t* held = std::find_if(std::begin(kRepeatedKeys), std::end(kRepeatedKeys),
                                       [this](int32_t key) { return isKeyHeld(key); });
    // Each repeat is counted from when it fell due, not from the tick that made it, so the
    // rate does not depend on the frame rate. onKeyDown restarts repeatTime_, hence the copy.
    const uint32_t now = static_cast<uint32_t>(milliseconds());
    uint32_t dueFrom = repeatTime_;
    for (int made = 0; now - dueFrom > kRepeatDelayMs; ++made) {
        if (made == kRepeatCatchUpLimit) {
            dueFrom = now - kRepeatDelayMs;
            break;
        }
        if (held != std::end(kRepeatedKeys)) {
            onKeyDown(*held);
        }
        dueFrom += kRepeatDelayMs - kRepeatStepBackMs;
    }
    repeatTime_ = dueFrom;
}

// ---- Clipboard.

void BWTextbox::copySelection() const
{
    if (text_.isEmpty() || anchor_ == caret_) {
        return;
    }
    const int32_t from = std::min(anchor_, caret_);
    const std::string selected(text_.chars() + from, static_cast<size_t>(std::max(anchor_, caret_) - from));
    platformSetClipboardText(selected.c_str());
}

void BWTextbox::paste()
{
    // Line breaks and other control bytes are left out; the first character that is refused
    // (it does not fit, or a layer says no) ends the paste with one beep.
    for (char character : platformClipboardText()) {
        if (!isPrintable(character)) {
            continue;
        }
        if (!insertChar(character)) {
            beep();
            return;
        }
    }
}

// ---- Pointer.

void BWTextbox::onMouseDown(int32_t x, int32_t y, int32_t button)
{
    lastPointer_.set(x, y);
    if (!enabled_ || !rect_.contains(x, y)) {
        dragging_ = false;
        focused_ = false;
        passMouseDown(x, y, button);
        return;
    }
    dragging_ = true;
    focused_ = true;
    if (font_ && !text_.isEmpty()) {
        anchor_ = caret_ = indexFromX(x);
    }
    if (frameRate() == 0) {
        present();
    }
}

void BWTextbox::onMouseMove(int32_t x, int32_t y)
{
    lastPointer_.set(x, y);
    if (!enabled_ || (!dragging_ && !rect_.contains(x, y))) {
        platformSetCursor(PlatformCursor::Arrow);
        passMouseMove(x, y);
        return;
    }
    platformSetCursor(PlatformCursor::IBeam);
    if (dragging_ && focused_ && font_ && !text_.isEmpty()) {
        caret_ = indexFromX(x);
    }
    if (dragging_ && frameRate() == 0) {
        present();
    }
}

void BWTextbox::onMouseUp(int32_t x, int32_t y, int32_t button)
{
    lastPointer_.set(x, y);
    dragging_ = false;
    passMouseUp(x, y, button);
}

void BWTextbox::onMouseDoubleClick(int32_t x, int32_t y, int32_t button)
{
    lastPointer_.set(x, y);
    dragging_ = false;
    if (!enabled_ || !rect_.contains(x, y)) {
        focused_ = false;
        passMouseDoubleClick(x, y, button);
        return;
    }
    focus();
    if (frameRate() == 0) {
        present();
    }
}

void BWTextbox::onCommand(int32_t id) { passCommand(id); }

void BWTextbox::onMouseWheel(int32_t x, int32_t y, int32_t z, int32_t direction)
{
    passMouseWheel(x, y, z, direction);
}

bool BWTextbox::canInsertChar(int32_t textboxId, char character)
{
    return passInsertChar(textboxId, character);
}

// ---- Drawing.

void BWTextbox::draw() const
{
    fillRect(background_, rect_);
    if (font_) {
        font_->draw(rect_.x + inset_, rect_.y + inset_, text_);
    }
    if (focused_ && enabled_ && font_ && !text_.isEmpty()) {
        const int32_t low = std::min(anchor_, caret_);
        const int32_t high = std::max(anchor_, caret_);
        if (low == high) {
            // One pixel wide, dark for half of every second and light for the other half.
            const BWColor colour = milliseconds() % 1000 < 500 ? kCaretDark : kCaretLight;
            fillRect(colour, BWRect(boundaryX(low), rect_.y + inset_, 1, rect_.h - 2 * inset_ - 2));
        } else {
            // A selection from the first character reaches the box's left edge.
            int32_t left = boundaryX(low);
            if (left == rect_.x + inset_ || left < rect_.x) {
                left = rect_.x;
            }
            const int32_t right = std::min(boundaryX(high), rect_.right());
            fillRect(selectionColor_, BWRect(left, rect_.y, right - left, rect_.h));
        }
    }
    if (!enabled_) {
        fillRect(kDisabledWash, rect_);
    }
}
