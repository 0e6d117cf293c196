// textbox.h: BWTextbox, the single-line text entry with selection and clipboard, and the
// BWTextboxHandle that owns one.
//
// Vocabulary: the text is indexed by character boundaries, 0 before the first character to
// the length after the last. The anchor is where a selection starts and the caret its moving
// end; the selection is everything between them, and with the two equal there is none and the
// anchor is the insertion point.
#pragma once

#include "base/bw_string.h"
#include "base/geometry.h"
#include "ui/layer.h"

#include <cstdint>
#include <memory>

class BWFont;
class BWTextboxHandle;

// A layer so that it sees keys and the pointer first when it is on top; what it does not use
// goes to the layer below. The stack's draw pass does not draw it: its owner does, to choose
// its place among its own pictures. Only a focused, enabled box edits, and the text never
// grows wider than the box.
class BWTextbox : public BWLayer {
public:
    // Without a font the box rejects every character and draws only its background; it says
    // so once on the standard error stream.
    BWTextbox(const BWTextboxHandle& owner, const BWFont* font, BWColor background, BWColor selectionColor,
              BWString text, BWRect rect);
    ~BWTextbox() override;

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
    // Repeats a held Backspace, Delete, Left or Right after 700 ms, then about every 70 ms.
    void onTick() override;

    // The background, the text, then the blinking caret or the translucent selection, and a
    // white wash over everything while disabled.
    void draw() const;

    // Focused with the whole text selected.
    void focus();
    void unfocus() { setFocused(false); }
    void setEnabled(bool enabled);

    const BWString& text() const { return text_; }
    BWRect rect() const { return rect_; }
    int32_t anchor() const { return anchor_; }
    int32_t caret() const { return caret_; }
    bool isFocused() const { return focused_; }
    // Focused and enabled: the device's on-screen keyboard shows while this holds.
    bool takesTyping() const { return focused_ && enabled_; }
    bool isEnabled() const { return enabled_; }
    // The margin between the box's left and top edges and the text.
    int32_t inset() const { return inset_; }
    // The window x of a character boundary, as the caret is drawn there.
    int32_t boundaryX(int32_t index) const;

private:
    // Every change of focus goes through here, so that the on-screen keyboard follows it.
    void setFocused(bool focused);
    int32_t length() const;
    // The character boundary nearest to a window x: 0 left of the text, the length right of it.
    int32_t indexFromX(int32_t x) const;
    void selectAll();
    // Inserts as typed; false when the character is refused (the caller beeps).
    bool insertChar(char character);
    // False when there was no selection.
    bool deleteSelection();
    void deleteForward();
    void replaceText(int32_t from, int32_t count, const char* insert);
    // False for keys that go on to the layer below.
    bool editKey(int32_t keyCode);
    void stepLeft(bool extend);
    void stepRight(bool extend);
    void copySelection() const;
    void paste();

    const BWTextboxHandle& owner_;
    const BWFont* font_;
    BWColor background_;
    BWColor selectionColor_;
    BWRect rect_;
    BWString text_;
    bool enabled_ = true;
    bool focused_ = false;
    int32_t inset_ = 0;
    int32_t anchor_ = 0;
    int32_t caret_ = 0;
    BWPoint lastPointer_{-1, -1};
    bool dragging_ = false;
    bool keyHeld_ = false;
    // The millisecond tick of the last key press or repeat step; 0 while no key is held.
    uint32_t repeatTime_ = 0;
};

// Owns one text box and the id it introduces itself with when it asks the layers whether a
// character may go in. Ids count from 1, apart from the buttons' ids.
class BWTextboxHandle {
public:
    // The box enters the stack on top. The font is not owned and must outlive the box.
    BWTextboxHandle(const BWFont* font, BWColor background, BWColor selectionColor, BWString text, BWRect rect);
    ~BWTextboxHandle();
    BWTextboxHandle(const BWTextboxHandle&) = delete;
    BWTextboxHandle& operator=(const BWTextboxHandle&) = delete;

    int32_t id() const { return id_; }
    // A copy of the box's text (null when the box was made with a null text and nothing was
    // typed since).
    BWString text() const { return box_->text(); }
    void focus() { box_->focus(); }
    void unfocus() { box_->unfocus(); }
    void enable() { box_->setEnabled(true); }
    void disable() { box_->setEnabled(false); }
    void bringToTop() { box_->moveInStack(0); }
    void draw() const { box_->draw(); }
    BWTextbox& box() const { return *box_; }

private:
    int32_t id_;
    std::unique_ptr<BWTextbox> box_;
};
