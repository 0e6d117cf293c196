// main.cpp: the program entry: finds the art, seeds the random numbers, runs the window.
#include "base/geometry.h"
#include "base/random.h"
#include "frame/app.h"
#include "frame/loop.h"
#include "frame/resources.h"
#include "platform/platform.h"
#include "ui/layer.h"

namespace {

// Paints the window until the game's own screens take its place: a plain background with the
// outline of the nine-by-nine board.
class StartLayer : public BWLayer {
public:
    void onDraw() override
    {
        fillRect(BWColor(0xff20304au), screenRect());
        const int32_t cell = 56;
        const int32_t left = (screenWidth() - 9 * cell) / 2;
        const int32_t top = (screenHeight() - 9 * cell) / 2;
        fillRect(BWColor(0xfff4f1e8u), BWRect(left, top, 9 * cell, 9 * cell));
        for (int32_t line = 0; line <= 9; ++line) {
            const int32_t thickness = line % 3 == 0 ? 3 : 1;
            const int32_t offset = line * cell - thickness / 2;
            fillRect(BWColor(0xff20304au), BWRect(left + offset, top, thickness, 9 * cell));
            fillRect(BWColor(0xff20304au), BWRect(left, top + offset, 9 * cell, thickness));
        }
    }
};

} // namespace

int main()
{
    enterResourcesDirectory(platformExecutablePath().c_str(), PELLIX_DATA_DIRECTORY);
    // Milliseconds since the machine started differ from run to run; the frame's own clock
    // counts from program start and would give nearly the same puzzles every time.
    seedRandom(platformUptimeMilliseconds());
    StartLayer startLayer;
    createWindow(BWString("Pellix"), 800, 600, 32, 15);
    run();
    shutdown();
    return 0;
}
