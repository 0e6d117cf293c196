// main.cpp: the program entry: finds the art, seeds the random numbers, runs the game.
#include "base/random.h"
#include "frame/clock.h"
#include "frame/resources.h"
#include "game/game.h"
#include "game/profile.h"
#include "media/art_language.h"
#include "platform/platform.h"

int main()
{
    // A second copy would lose best times: the first one's record wins, untouched.
    if (!Profile::claimForThisProcess()) {
        messageBox(BWString("Pellix is already running."));
        return 0;
    }
    enterResourcesDirectory(platformExecutableFolder().c_str(), PELLIX_DATA_DIRECTORY);
    // The pictures with words in the first language the system prefers that the art has.
    setArtLanguage(chooseArtLanguage(platformPreferredLanguages(), platformDirectoryExists));
    // The system's counter differs from run to run; the frame's own clock counts from program
    // start and would give nearly the same puzzles every time.
    seedRandom(platformUptimeMilliseconds());
    // Constructing the game runs it; destroying it releases the art and saves the profile. A
    // termination signal ends its run loops like an accepted quit, so it saves then too.
    Game game;
    return 0;
}
