// resources.h: finding the folder of art and sounds that every asset is opened from by name.
#pragma once

// Makes "Resources" the current directory, trying in turn the one under the current
// directory, the one beside the executable, and installedDirectory itself (the installed
// data folder). A game started from another folder still finds its art. False when none
// exists; the directory is then left as it was and the game runs without art.
// executableFolder ends in a folder separator (a file path inside the folder does as well).
bool enterResourcesDirectory(const char* executableFolder, const char* installedDirectory);
