// game_dialogs.h: the picture dialogs the game asks its questions with.
#pragma once

#include "base/geometry.h"
#include "ui/button.h"

// Every dialog button of the game is silent and named after its pictures:
// "<name>_button.png", "<name>_down.png" and "<name>_highlight.png".
void loadDialogButton(BWButton& button, const char* name, BWPoint position);

// A yes / no question over "dialog_background.png": 1 for yes, 2 for no, 0 when closed.
int32_t askYesNo(const char* message);
