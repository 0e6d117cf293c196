// image_dialog.cpp: the modal image dialog and the functions that run one.
#include "ui/image_dialog.h"

#include "frame/clock.h"
#include "frame/keys.h"
#include "frame/loop.h"
#include "media/image.h"
#include "ui/button.h"
#include "ui/textbox.h"

namespace {

// Held as long as a real click's press, so the pressed picture shows.
constexpr float kSimulatedPressSeconds = 0.25f;

struct DialogOutcome {
    int32_t result = 0;
    BWString text;
};

DialogOutcome runImageDialog(const BWString& backgroundFile, const BWString& messageFile, BWButton* button1,
                             BWButton* button2, BWButton* button3, BWTextboxHandle* textbox)
{
    BWImage background(backgroundFile);
    BWImage message(messageFile);
    BWImageDialog dialog(&background, &message, button1, button2, button3, textbox);
    DialogOutcome outcome;
    outcome.result = dialog.result();
    if (textbox) {
        outcome.text = textbox->text();
    }
    return outcome;
}

BWString textOrEmpty(BWString text)
{
    if (!text.chars()) {
        text = "";
    }
    return text;
}

} // namespace

BWImageDialog::BWImageDialog(const BWImage* background, const BWImage* message, BWButton* button1,
                             BWButton* button2, BWButton* button3, BWTextboxHandle* textbox)
    : background_(background), message_(message), buttons_{button1, button2, button3}, textbox_(textbox)
{
    for (BWButton* button : buttons_) {
        if (button) {
            button->bringToTop();
        }
    }
    if (textbox_) {
        textbox_->bringToTop();
        textbox_->focus();
    }
    run();
}

void BWImageDialog::onCommand(int32_t id)
{
    for (int32_t number = 1; number <= 3; ++number) {
        const BWButton* button = buttons_[number - 1];
        if (button && button->id() == id) {
            result_ = number;
            exitLoop();
            return;
        }
    }
}

void BWImageDialog::onDraw()
{
    if (background_) {
        background_->draw();
    }
    for (const BWButton* button : buttons_) {
        if (button) {
            button->draw();
        }
    }
    if (textbox_) {
        textbox_->draw();
    }
    if (message_) {
        message_->draw();
    }
}

void BWImageDialog::onKeyDown(int32_t keyCode)
{
    const BWButton* target = nullptr;
    if (keyCode == keyEscape) {
        target = buttons_[1] ? buttons_[1] : buttons_[0];
    } else if (keyCode == keyEnter || keyCode == keyKeypadEnter) {
        target = buttons_[0];
    }
    if (target) {
        clickButton(*target);
    }
}

void BWImageDialog::clickButton(const BWButton& button)
{
    const BWRect rect = button.rect();
    sendMouseDown(rect.x, rect.y, 1);
    present();
    waitSeconds(kSimulatedPressSeconds);
    sendMouseUp(rect.x, rect.y, 1);
}

int32_t runDialog(BWString background, BWString message, BWButton* button1)
{
    return runImageDialog(background, message, button1, nullptr, nullptr, nullptr).result;
}

int32_t runDialog(BWString background, BWString message, BWButton* button1, BWButton* button2)
{
    return runImageDialog(background, message, button1, button2, nullptr, nullptr).result;
}

int32_t runDialog(BWString background, BWString message, BWButton* button1, BWButton* button2,
                  BWButton* button3)
{
    return runImageDialog(background, message, button1, button2, button3, nullptr).result;
}

BWString runTextDialog(BWString background, BWString message, BWButton* button1, BWTextboxHandle* textbox)
{
    return textOrEmpty(runImageDialog(background, message, button1, nullptr, nullptr, textbox).text);
}

BWString runTextDialog(BWString background, BWString message, BWButton* button1, BWButton* button2,
                       BWTextboxHandle* textbox)
{
    return textOrEmpty(runImageDialog(background, message, button1, button2, nullptr, textbox).text);
}
