// game_over_banner.h: GameOverBanner, the picture that blinks over a solved board.
#pragma once

#include "media/image.h"
#include "ui/layer.h"

// Enters the stack on top when made and runs its own loop for three and a half seconds:
// hidden for the first half second, then shown and hidden in half-second steps, and shown
// steadily from 2.5 seconds on. It takes no input, so nothing beneath hears the player.
class GameOverBanner : public BWLayer {
public:
    GameOverBanner();
    ~GameOverBanner() override;

    // Returns when the banner's time is up, or earlier on a close request.
    void run();

    void onDraw() override;
    void onTick() override;

private:
    float startTime_;
    BWImage image_;
};
