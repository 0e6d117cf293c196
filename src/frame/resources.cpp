// resources.cpp: the search for the Resources folder.
#include "frame/resources.h"

#include "platform/platform.h"

#include <string>

namespace {

#ifdef _WIN32
// Windows paths may separate their folders with either slash.
constexpr const char* kFolderSeparators = "/\\";
#else
constexpr const char* kFolderSeparators = "/";
#endif

// The folder of a path, ending in its separator (a folder that already ends in one is itself);
// empty when the path has none.
std::string folderOf(const char* path)
{
    std::string folder = path ? path : "";
    size_t slash = folder.find_last_of(kFolderSeparators);
    folder.resize(slash == std::string::npos ? 0 : slash + 1);
    return folder;
}

bool isAbsolutePath(const std::string& path)
{
#ifdef _WIN32
    if (path.size() >= 2 && path[1] == ':') {
        return true;
    }
#endif
    return !path.empty() && std::string(kFolderSeparators).find(path[0]) != std::string::npos;
}

} // namespace

bool enterResourcesDirectory(const char* programFolder, const char* installedDirectory)
{
    if (platformChangeDirectory("Resources")) {
        return true;
    }
    const std::string folder = folderOf(programFolder);
    if (!folder.empty() && platformChangeDirectory((folder + "Resources").c_str())) {
        return true;
    }
    const std::string installed = installedDirectory ? installedDirectory : "";
    if (installed.empty()) {
        return false;
    }
    if (isAbsolutePath(installed)) {
        return platformChangeDirectory(installed.c_str());
    }
    // Relative to the program's own folder, so that a moved installation still finds its art.
    return !folder.empty() && platformChangeDirectory((folder + installed).c_str());
}
