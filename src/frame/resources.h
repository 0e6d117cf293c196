// resources.h: finding the folder of art and sounds that every asset is opened from by name.
#pragma once

// Makes "Resources" the current directory, trying in turn the one under the current
// directory, the one beside the executable, and installedDirectory (the installed data
// folder). A relative installedDirectory is taken from the executable's folder, so an
// installed tree unpacked or moved anywhere ("bin/pellix" beside "share/pellix/Resources")
// runs in place. A game started from another folder still finds its art. False when none
// exists; the directory is then left as it was and the game runs without art.
bool enterResourcesDirectory(const char* executablePath, const char* installedDirectory);
