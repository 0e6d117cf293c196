// resources.cpp: the search for the Resources folder.
#include "frame/resources.h"

#include "platform/platform.h"

#include <string>

bool enterResourcesDirectory(const char* executablePath, const char* installedDirectory)
{
    if (platformChangeDirectory("Resources")) {
        return true;
    }
    std::string beside = executablePath ? executablePath : "";
    size_t slash = beside.rfind('/');
    if (slash != std::string::npos) {
        beside.resize(slash + 1);
        beside += "Resources";
        if (platformChangeDirectory(beside.c_str())) {
            return true;
        }
    }
    return installedDirectory && *installedDirectory && platformChangeDirectory(installedDirectory);
}
