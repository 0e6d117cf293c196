// game_assets.h: every picture, font and sound the game's own screens use, loaded once.
#pragma once

#include "base/geometry.h"
#include "media/font.h"
#include "media/image.h"
#include "media/sound.h"

#include <array>

// Where the pointer is and whether a button is down, as the game keeps it in every state.
struct PointerState {
    bool mouseHeld = false;
    BWPoint mousePos;
    BWPoint pressPos;
};

// An image button: normal, pressed and highlighted images, and its area, which is the normal
// image's own size at the button's top-left corner.
struct GameButton {
    BWImage normal;
    BWImage down;
    BWImage highlight;
    BWRect area;
};

// The pressed image while the button is held with both the press and the pointer inside it,
// else the highlighted image while the pointer is inside, else the normal image.
const BWImage& buttonImage(const GameButton& button, const PointerState& pointer);
void drawButton(const GameButton& button, const PointerState& pointer);

// Members in the order of loading; they are released in the reverse order.
struct GameAssets {
    BWImage menuBackground;
    GameButton play;
    GameButton help;
    GameButton settings;
    GameButton quitMenu;
    GameButton quitGame;
    GameButton pause;
    GameButton undo;
    BWImage undoVoid; // the undo button while nothing can be undone
    GameButton reset;

    BWImage background;
    BWImage overlay;
    std::array<BWImage, 9> zones; // cell backgrounds of zones 1 to 9; zone 1 sets the cell size
    BWImage select;
    BWImage check;
    BWImage sideNumbers;
    BWImage sideNumbersSmall;
    BWImage sideSelect;
    BWImage lineHorz;
    BWImage lineVert;
    BWImage done;
    BWImage loading;

    BWFont mainFont;
    BWFont givenFont;
    BWFont playerFont;
    BWFont conflictFont;
    BWFont pencilFont;
    BWFont pencilConflictFont;

    BWSound checkSound;
    BWSound numberSound;
    BWSound placeSound;
    BWSound pencilSound;
    BWSound finishSound;
    BWSound doneSound;
};

// Loads every file by name from the current directory, in the order of the members, and
// places each button's area right after its images. A missing file leaves its handle empty.
void loadAssets(GameAssets& assets);
