// image_dialog.h: modal dialogs made of pictures: a background, a message, one to three
// buttons and optionally a text box, run in a nested loop until a button is chosen.
#pragma once

#include "base/bw_string.h"
#include "ui/layer.h"

#include <cstdint>

class BWButton;
class BWImage;
class BWTextboxHandle;

// Runs its loop from the constructor and returns once it has ended. It takes no input of its
// own except Enter and Escape, so nothing beneath it hears the player while it is open; the
// buttons' and the text box's layers are brought above it. Enter chooses button 1; Escape
// button 2, or button 1 when there is no second. Everything it is given stays the caller's.
class BWImageDialog : public BWLayer {
public:
    BWImageDialog(const BWImage* background, const BWImage* message, BWButton* button1, BWButton* button2,
                  BWButton* button3, BWTextboxHandle* textbox);

    // 1, 2 or 3 for the button chosen; 0 when the loop was ended otherwise (a close request).
    int32_t result() const { return result_; }

    void onCommand(int32_t id) override;
    // The background, the buttons, the text box, then the message on top.
    void onDraw() override;
    void onKeyDown(int32_t keyCode) override;

private:
    // A click on the button's top-left corner, pause and sound included.
    static void clickButton(const BWButton& button);

    int32_t result_ = 0;
    const BWImage* background_;
    const BWImage* message_;
    BWButton* buttons_[3];
    BWTextboxHandle* textbox_;
};

// The pictures are opened by file name for the time of the dialog; the buttons (and the text
// box) are made by the caller before and destroyed after. The answer is the number of the
// button chosen, 0 when the dialog was closed otherwise.
int32_t runDialog(BWString background, BWString message, BWButton* button1);
int32_t runDialog(BWString background, BWString message, BWButton* button1, BWButton* button2);
int32_t runDialog(BWString background, BWString message, BWButton* button1, BWButton* button2,
                  BWButton* button3);
// The text box's text when the dialog ended, however it ended; empty when it holds none.
BWString runTextDialog(BWString background, BWString message, BWButton* button1, BWTextboxHandle* textbox);
BWString runTextDialog(BWString background, BWString message, BWButton* button1, BWButton* button2,
                       BWTextboxHandle* textbox);
