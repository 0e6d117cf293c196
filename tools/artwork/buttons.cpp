// buttons.cpp: every button in its normal, pressed and highlighted look (and undo's unavailable one).
#include "artwork.h"
#include "catalogue.h"
#include "game/screen_layout.h"
#include "palette.h"
#include "typeface.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

enum class Tone { Primary, Neutral, Warning };
enum class Icon { None, Play, Pause, Undo, Reset, Exit };
enum class State { Normal, Down, Highlight, Unavailable };

struct ButtonFace {
    const char* name;
    Text label;
    int width;
    int height;
    Tone tone;
    Icon icon;
};

struct BodyLook {
    Colour top, bottom, edge, label;
    double shadowBlur, shadowDrop, shadowOpacity;
};

BodyLook bodyLook(Tone tone, State state)
{
    bool primary = tone == Tone::Primary;
    Colour neutralLabel = tone == Tone::Warning ? rgb(0xb8352b) : palette::ink();
    switch (state) {
    case State::Down:
        return primary ? BodyLook{rgb(0x2b51ad), rgb(0x3560c6), rgb(0x23479c), rgb(0xe9efff), 1, 0.5, 0.18}
                       : BodyLook{rgb(0xe4dfd4), rgb(0xede9e1), rgb(0xc9c1b1), neutralLabel, 1, 0.5, 0.14};
    case State::Highlight:
        return primary ? BodyLook{rgb(0x6593f2), rgb(0x4b7be6), rgb(0x3a67d0), rgb(0xffffff), 3, 2.5, 0.30}
                       : BodyLook{rgb(0xffffff), rgb(0xf9f7f2), palette::accent(),
                                  tone == Tone::Warning ? rgb(0xc93b30) : palette::accentDeep(), 3, 2.5, 0.26};
    case State::Unavailable:
        return {rgb(0xefebe4), rgb(0xefebe4), rgb(0xe0dacd), rgb(0xb9b3a7), 0, 0, 0};
    case State::Normal:
        break;
    }
    return primary ? BodyLook{rgb(0x5484ea), rgb(0x3c69d6), rgb(0x3360c8), rgb(0xffffff), 2, 1.5, 0.26}
                   : BodyLook{rgb(0xffffff), rgb(0xf3f0e9), rgb(0xd6cfc1), neutralLabel, 2, 1.5, 0.20};
}

// Small line icons in a 16 x 16 box whose top-left corner is (x, y).
void drawIcon(cairo_t* cr, Icon icon, double x, double y, Colour colour)
{
    setColour(cr, colour);
    cairo_set_line_width(cr, 2.2);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_set_line_join(cr, CAIRO_LINE_JOIN_ROUND);
    switch (icon) {
    case Icon::Play:
        cairo_move_to(cr, x + 4, y + 2);
        cairo_line_to(cr, x + 14, y + 8);
        cairo_line_to(cr, x + 4, y + 14);
        cairo_close_path(cr);
        cairo_fill(cr);
        break;
    case Icon::Pause:
        fillRounded(cr, {x + 3, y + 2, 3.6, 12}, 1.2, colour);
        fillRounded(cr, {x + 9.4, y + 2, 3.6, 12}, 1.2, colour);
        break;
    case Icon::Undo:
        cairo_arc_negative(cr, x + 8.5, y + 9, 5.5, 0.35 * M_PI, -0.95 * M_PI);
        cairo_stroke(cr);
        cairo_move_to(cr, x + 0.8, y + 3.4);
        cairo_line_to(cr, x + 2.9, y + 8.2);
        cairo_line_to(cr, x + 7.6, y + 6.2);
        cairo_stroke(cr);
        break;
    case Icon::Reset:
        cairo_arc(cr, x + 8, y + 8.5, 5.8, -0.35 * M_PI, 1.45 * M_PI);
        cairo_stroke(cr);
        cairo_move_to(cr, x + 9.2, y + 0.6);
        cairo_line_to(cr, x + 13.2, y + 3.4);
        cairo_line_to(cr, x + 9.6, y + 6.6);
        cairo_stroke(cr);
        break;
    case Icon::Exit:
        cairo_move_to(cr, x + 8, y + 2);
        cairo_line_to(cr, x + 2.5, y + 2);
        cairo_line_to(cr, x + 2.5, y + 14);
        cairo_line_to(cr, x + 8, y + 14);
        cairo_stroke(cr);
        cairo_move_to(cr, x + 6.5, y + 8);
        cairo_line_to(cr, x + 15, y + 8);
        cairo_move_to(cr, x + 12, y + 5);
        cairo_line_to(cr, x + 15, y + 8);
        cairo_line_to(cr, x + 12, y + 11);
        cairo_stroke(cr);
        break;
    case Icon::None:
        break;
    }
}

void paintButton(Canvas& canvas, const ButtonFace& face, State state)
{
    cairo_t* cr = canvas.cr();
    BodyLook look = bodyLook(face.tone, state);
    double press = state == State::Down ? 2 : 0;
    Box body{3, 2 + press, face.width - 6.0, face.height - 7.0};
    double radius = 10;
    if (look.shadowOpacity > 0) softShadow(cr, body, radius, look.shadowBlur, look.shadowDrop, look.shadowOpacity);
    if (state == State::Highlight) {
        // A soft halo of the accent tells the pointer it is over the button.
        strokeRounded(cr, inset(body, -1.5), radius + 1.5, 2.5, withAlpha(palette::accent(), 0.28));
    }
    fillRoundedGradient(cr, body, radius, look.top, look.bottom);
    strokeRounded(cr, inset(body, 0.5), radius - 0.5, face.tone == Tone::Primary ? 1 : 1.2, look.edge);
    if (state != State::Down && state != State::Unavailable) {
        // A light top edge gives the raised shapes their gloss; a pressed one loses it.
        cairo_save(cr);
        roundedRect(cr, inset(body, 1), radius - 1);
        cairo_clip(cr);
        cairo_move_to(cr, body.x + radius, body.y + 1.5);
        cairo_line_to(cr, body.x + body.w - radius, body.y + 1.5);
        setColour(cr, rgb(0xffffff, face.tone == Tone::Primary ? 0.35 : 0.9));
        cairo_set_line_width(cr, 1);
        cairo_stroke(cr);
        cairo_restore(cr);
    }

    TextStyle style{Face::Bold, 15, look.label};
    const std::string label = translate(face.label);
    double iconWidth = face.icon == Icon::None ? 0 : 16 + 8;
    double room = body.w - iconWidth - 16;
    double labelWidth = std::min(room, textAdvance(cr, style, label));
    double left = body.x + (body.w - labelWidth - iconWidth) / 2;
    double baseline = std::round(body.y + body.h / 2 + 5.5);
    if (face.icon != Icon::None) drawIcon(cr, face.icon, std::round(left), baseline - 13, look.label);
    // A label drawn smaller to fit is centred in the room it fills.
    drawText(canvas, style, left + iconWidth + labelWidth / 2, baseline, label, Align::Centre, {room});
}

const ButtonFace kButtonFaces[] = {
    {"play", text("dialog and menu button beside a play sign, about 76 px", "Play"), kDialogButtonWidth, kDialogButtonHeight, Tone::Primary, Icon::Play},
    {"help", text("menu button, about 118 px", "Help"), kMenuButtonWidth, kMenuButtonHeight, Tone::Neutral, Icon::None},
    {"settings", text("menu button, about 118 px", "Settings"), kMenuButtonWidth, kMenuButtonHeight, Tone::Neutral, Icon::None},
    {"exit_menu", text("menu button that quits the game, about 118 px", "Exit"), kMenuButtonWidth, kMenuButtonHeight, Tone::Neutral, Icon::None},
    {"exit_game", text("board button beside an exit sign, leaves the game, about 90 px", "Exit"), kGameButtonWidth, kGameButtonHeight, Tone::Neutral, Icon::Exit},
    {"pause", text("board button beside a pause sign, about 90 px", "Pause"), kGameButtonWidth, kGameButtonHeight, Tone::Neutral, Icon::Pause},
    {"undo", text("board button beside an undo arrow, about 90 px", "Undo"), kGameButtonWidth, kGameButtonHeight, Tone::Neutral, Icon::Undo},
    {"reset", text("board button beside a circular arrow, clears the board, about 90 px", "Reset"), kGameButtonWidth, kGameButtonHeight, Tone::Neutral, Icon::Reset},
    {"yes", text("dialog button, about 100 px", "Yes"), kDialogButtonWidth, kDialogButtonHeight, Tone::Primary, Icon::None},
    {"no", text("dialog button, about 100 px", "No"), kDialogButtonWidth, kDialogButtonHeight, Tone::Neutral, Icon::None},
    {"main", text("dialog button that goes to the main menu, about 100 px", "Menu"), kDialogButtonWidth, kDialogButtonHeight, Tone::Neutral, Icon::None},
    {"done", text("dialog button that closes the settings, about 100 px", "Done"), kDialogButtonWidth, kDialogButtonHeight, Tone::Primary, Icon::None},
    {"clear", text("dialog button that clears the best times, about 100 px", "Clear"), kDialogButtonWidth, kDialogButtonHeight, Tone::Warning, Icon::None},
};

}  // namespace

void addButtons(Artwork& art)
{
    const std::pair<State, const char*> states[] = {
        {State::Normal, "_button"}, {State::Down, "_down"}, {State::Highlight, "_highlight"}};
    for (const ButtonFace& face : kButtonFaces) {
        for (const auto& [state, suffix] : states)
            paintButton(art.add(std::string(face.name) + suffix + ".png", face.width, face.height), face, state);
        if (std::string(face.name) == "undo")
            paintButton(art.add("undo_void.png", face.width, face.height), face, State::Unavailable);
    }
}
