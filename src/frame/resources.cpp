// resources.cpp: the search for the Resources folder.
#include "frame/resources.h"

#include "platform/platform.h"

#include <string>

namespace {

#ifdef _WIN32
// Windows paths may separate their folders with either slash.
constexpr const char* folderSeparators = "/\\";
#else
constexpr const char* folderSeparators = "/";
#endif

} // namespace

bool enterResourcesDirectory(const char* executableFolder, const char* installedDirectory)
{
    if (platformChangeDirectory("Resources")) {
        return true;
    }
    std::string beside = executableFolder ? executableFolder : "";
    size_t slash = beside.find_last_of(folderSeparators);
    if (slash != std::string::npos) {
        beside.resize(slash + 1);
        beside += "Resources";
        if (platformChangeDirectory(beside.c_str())) {
            return true;
        }
    }
    return installedDirectory && *installedDirectory && platformChangeDirectory(installedDirectory);
}
