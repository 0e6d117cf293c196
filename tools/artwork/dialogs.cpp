// dialogs.cpp: the dimmed dialog backdrop with its card, the message pictures and the settings panel.
#include "artwork.h"
#include "catalogue.h"
#include "game/screen_layout.h"
#include "palette.h"
#include "pieces.h"
#include "typeface.h"

#include <cmath>
#include <string>
#include <vector>

namespace {


enum class Badge { Pause, Reset, Exit, Clear, Again, Name, Resume };

const TextStyle kTitleStyle{Face::Bold, 22, palette::ink()};
const TextStyle kMessageStyle{Face::Regular, 15, palette::inkSoft()};

void paintDialogBackground(Canvas& canvas)
{
    cairo_t* cr = canvas.cr();
    setColour(cr, rgb(0x1e1a14, 0.42));
    cairo_paint(cr);
    Box card{double(kDialogCard.x), double(kDialogCard.y), double(kDialogCard.w), double(kDialogCard.h)};
    softShadow(cr, card, 18, 24, 10, 0.45);
    paintCard(cr, card, 18);
}

void paintBadgeSymbol(cairo_t* cr, Badge badge, double cx, double cy);

// The round badge that crowns each dialog, its symbol telling the dialogs apart at a glance.
void paintBadge(Canvas& canvas, Badge badge)
{
    cairo_t* cr = canvas.cr();
    double cx = kScreenWidth / 2.0;
    double cy = kDialogCard.y + 2.0;
    Colour fill = badge == Badge::Clear || badge == Badge::Reset ? rgb(0xd9574b)
                  : badge == Badge::Again ? palette::doneGreen() : palette::accent();
    softShadow(cr, {cx - 24, cy - 24, 48, 48}, 24, 6, 3, 0.3);
    cairo_arc(cr, cx, cy, 24, 0, 2 * M_PI);
    setColour(cr, rgb(0xfffdf9));
    cairo_fill(cr);
    cairo_arc(cr, cx, cy, 20.5, 0, 2 * M_PI);
    setColour(cr, fill);
    cairo_fill(cr);
    paintBadgeSymbol(cr, badge, cx, cy);
}

void paintBadgeSymbol(cairo_t* cr, Badge badge, double cx, double cy)
{
    Colour white = rgb(0xffffff);
    setColour(cr, white);
    cairo_set_line_width(cr, 2.6);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (badge) {
    case Badge::Pause:
        fillRounded(cr, {cx - 7, cy - 8, 5, 16}, 1.5, white);
        fillRounded(cr, {cx + 2, cy - 8, 5, 16}, 1.5, white);
        break;
    case Badge::Reset:
        cairo_arc(cr, cx, cy + 1, 8, -0.3 * M_PI, 1.5 * M_PI);
        cairo_stroke(cr);
        cairo_move_to(cr, cx + 1.5, cy - 11.5);
        cairo_line_to(cr, cx + 6, cy - 7.5);
        cairo_line_to(cr, cx + 1.5, cy - 3.5);
        cairo_stroke(cr);
        break;
    case Badge::Exit:
        cairo_move_to(cr, cx - 1, cy - 9);
        cairo_line_to(cr, cx - 9, cy - 9);
        cairo_line_to(cr, cx - 9, cy + 9);
        cairo_line_to(cr, cx - 1, cy + 9);
        cairo_stroke(cr);
        cairo_move_to(cr, cx - 3, cy);
        cairo_line_to(cr, cx + 10, cy);
        cairo_move_to(cr, cx + 5.5, cy - 4.5);
        cairo_line_to(cr, cx + 10, cy);
        cairo_line_to(cr, cx + 5.5, cy + 4.5);
        cairo_stroke(cr);
        break;
    case Badge::Clear:
        cairo_move_to(cr, cx - 9, cy - 6);
        cairo_line_to(cr, cx + 9, cy - 6);
        cairo_stroke(cr);
        cairo_move_to(cr, cx - 3, cy - 9.5);
        cairo_line_to(cr, cx + 3, cy - 9.5);
        cairo_stroke(cr);
        cairo_move_to(cr, cx - 6.5, cy - 3);
        cairo_line_to(cr, cx - 5.5, cy + 9.5);
        cairo_line_to(cr, cx + 5.5, cy + 9.5);
        cairo_line_to(cr, cx + 6.5, cy - 3);
        cairo_stroke(cr);
        break;
    case Badge::Again:
        paintTick(cr, {cx - 13, cy - 13, 26, 26}, 3, white);
        break;
    case Badge::Resume:
        // The play sign, nudged right so that it looks centred in the round badge.
        cairo_move_to(cr, cx - 5.5, cy - 9.5);
        cairo_line_to(cr, cx + 9.5, cy);
        cairo_line_to(cr, cx - 5.5, cy + 9.5);
        cairo_close_path(cr);
        cairo_fill_preserve(cr);
        cairo_stroke(cr);
        break;
    case Badge::Name:
        for (int i = 0; i < 10; i++) {
            double angle = -M_PI / 2 + i * M_PI / 5;
            double radius = i % 2 == 0 ? 11.5 : 4.8;
            cairo_line_to(cr, cx + radius * std::cos(angle), cy + 1 + radius * std::sin(angle));
        }
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    }
}

// A message picture: transparent everywhere except its badge, title and text, which lie on the
// card above the button row, so the buttons drawn beneath stay visible.
void paintMessage(Canvas& canvas, Badge badge, Text title, const std::vector<Text>& lines)
{
    paintBadge(canvas, badge);
    const double room = kDialogCard.w - 48;
    drawText(canvas, kTitleStyle, kScreenWidth / 2.0, 258, translate(title), Align::Centre, {room});
    double baseline = 290;
    for (Text line : lines) {
        drawText(canvas, kMessageStyle, kScreenWidth / 2.0, baseline, translate(line), Align::Centre, {room});
        baseline += 22;
    }
}

void paintNameMessage(Canvas& canvas)
{
    paintMessage(canvas, Badge::Name, text("new best time dialog title, one line of 480 px", "A new best time!"),
                 {text("dialog line above the name field, one line of 480 px", "Enter your name for the table:")});
    // A frame around the text box; the box itself paints its white field inside it.
    Box field{kNameBox.x - 3.0, kNameBox.y - 3.0, kNameBox.w + 6.0, kNameBox.h + 6.0};
    strokeRounded(canvas.cr(), inset(field, 0.75), 4, 1.5, palette::accent());
    strokeRounded(canvas.cr(), inset(field, -1.5), 6, 3, withAlpha(palette::accent(), 0.18));
}

void paintSettings(Canvas& canvas)
{
    cairo_t* cr = canvas.cr();
    // The options start close under the card's top edge, so this dialog carries no badge.
    drawText(canvas, {Face::Bold, 20, palette::ink()}, kScreenWidth / 2.0, 230,
             translate(text("settings dialog title, one line of 480 px", "Settings")), Align::Centre,
             {kDialogCard.w - 48.0});
    // Each column ends at the divider right of it.
    const double leftRoom = 346 - kSettingsLeftColumn;
    const double rightRoom = 476 - kSettingsRightColumn;
    const double clearRoom = kDialogCard.x + kDialogCard.w - 16.0 - kClearButton.x;
    drawCaption(canvas, kSettingsLeftColumn, 256, translate(text("settings caption in capitals, 148 px", "DISPLAY")),
                Align::Left, leftRoom);
    drawCaption(canvas, kSettingsRightColumn, 256, translate(text("settings caption in capitals, 97 px", "SOUND")),
                Align::Left, rightRoom);
    drawCaption(canvas, kClearButton.x, 256, translate(text("settings caption in capitals, 143 px", "BEST TIMES")),
                Align::Left, clearRoom);
    const TextStyle option{Face::Regular, 15, palette::ink()};
    const Text left[2] = {text("settings option beside its check box, 110 px", "Full screen"),
                          text("settings option beside its check box, 110 px", "Window")};
    const Text right[2] = {text("settings option: sound on, 59 px", "On"),
                           text("settings option: sound off, 59 px", "Off")};
    const double optionLeft = kCheckSize + 10;
    for (int row = 0; row < 2; row++) {
        paintCheckSlot(cr, kSettingsLeftColumn, kSettingsRows[row]);
        paintCheckSlot(cr, kSettingsRightColumn, kSettingsRows[row]);
        drawText(canvas, option, kSettingsLeftColumn + optionLeft, kSettingsRows[row] + 19.5, translate(left[row]),
                 Align::Left, {leftRoom - optionLeft});
        drawText(canvas, option, kSettingsRightColumn + optionLeft, kSettingsRows[row] + 19.5, translate(right[row]),
                 Align::Left, {rightRoom - optionLeft});
    }
    drawText(canvas, {Face::Regular, 12, palette::inkFaint()}, kClearButton.x + kDialogButtonWidth / 2.0, 340,
             translate(text("settings note under the Clear button, 143 px", "All nine tables")), Align::Centre,
             {clearRoom});
    setColour(cr, palette::hairline());
    cairo_rectangle(cr, 354, 250, 1, 90);
    cairo_rectangle(cr, 484, 250, 1, 90);
    cairo_fill(cr);
}

}  // namespace

void addDialogs(Artwork& art)
{
    paintDialogBackground(art.add("dialog_background.png", kScreenWidth, kScreenHeight));
    paintMessage(art.add("dialog_pause.png", kScreenWidth, kScreenHeight), Badge::Pause,
                 text("pause dialog title, one line of 480 px", "Paused"),
                 {text("pause dialog line, one line of 480 px", "The clock is stopped and the board is hidden."),
                  text("pause dialog line, one line of 480 px", "Press Play to carry on.")});
    paintMessage(art.add("dialog_reset.png", kScreenWidth, kScreenHeight), Badge::Reset,
                 text("reset dialog title, one line of 480 px", "Reset the board?"),
                 {text("reset dialog line; pencil marks are the small candidate digits, one line of 480 px",
                       "Every digit and pencil mark you entered is cleared."),
                  text("reset dialog line, one line of 480 px", "The clock keeps running.")});
    paintMessage(art.add("dialog_exit.png", kScreenWidth, kScreenHeight), Badge::Exit,
                 text("exit dialog title, one line of 480 px", "Leave this game?"),
                 {text("exit dialog line; Yes and No are its buttons, one line of 480 px", "Yes quits Pellix, No returns to the board,"),
                  text("exit dialog line; Menu is its third button, one line of 480 px", "Menu gives up this game for the menu.")});
    paintMessage(art.add("dialog_clear.png", kScreenWidth, kScreenHeight), Badge::Clear,
                 text("clear best times dialog title, one line of 480 px", "Clear the best times?"),
                 {text("clear best times dialog line, one line of 480 px", "All nine tables go back to their defaults."),
                  text("clear best times dialog line, one line of 480 px", "This cannot be undone.")});
    paintMessage(art.add("dialog_again.png", kScreenWidth, kScreenHeight), Badge::Again,
                 text("solved dialog title, one line of 480 px", "Well played!"),
                 {text("solved dialog line, one line of 480 px", "The puzzle is solved."),
                  text("solved dialog line; its buttons are Yes and No, one line of 480 px", "Would you like to play another one?")});
    paintMessage(art.add("dialog_resume.png", kScreenWidth, kScreenHeight), Badge::Resume,
                 text("kept game dialog title, shown at start, one line of 480 px", "Carry on with your unfinished game?"),
                 {text("kept game dialog line, one line of 480 px", "Pellix kept the board you left when it closed."),
                  text("kept game dialog line; Yes and No are its buttons, one line of 480 px",
                       "Yes plays on from where you were, No goes to the menu.")});
    paintNameMessage(art.add("dialog_textbox.png", kScreenWidth, kScreenHeight));
    paintSettings(art.add("dialog_settings.png", kScreenWidth, kScreenHeight));
}
