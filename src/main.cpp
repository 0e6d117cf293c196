// main.cpp: the program entry: finds the art, seeds the random numbers, runs the game.
#include "base/random.h"
#include "frame/resources.h"
#include "game/game.h"
#include "platform/platform.h"

int main()
{
    enterResourcesDirectory(platformExecutablePath().c_str(), PELLIX_DATA_DIRECTORY);
    // Milliseconds since the machine started differ from run to run; the frame's own clock
    // counts from program start and would give nearly the same puzzles every time.
    seedRandom(platformUptimeMilliseconds());
    // Constructing the game runs it; destroying it releases the art and saves the profile.
    Game game;
    return 0;
}
