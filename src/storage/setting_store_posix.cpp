// setting_store_posix.cpp: the per-user store as one file per value under ~/.config.
#include "storage/setting_store.h"
#include "storage/setting_store_posix.h"

#include "platform/platform.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// The maker's folders hold the player's records and nothing for other users.
constexpr mode_t kFolderMode = 0700;

bool isPlainComponent(const char* name)
{
    return name[0] != '\0' && std::strcmp(name, ".") != 0 && std::strcmp(name, "..") != 0
        && std::strchr(name, '/') == nullptr;
}

std::string configHome()
{
    const char* xdg = std::getenv("XDG_CONFIG_HOME");
    if (xdg != nullptr && xdg[0] == '/')
        return xdg;
    const char* home = std::getenv("HOME");
    if (home == nullptr || home[0] != '/') {
        const passwd* user = getpwuid(getuid());
        home = user != nullptr ? user->pw_dir : nullptr;
    }
    if (home == nullptr || home[0] != '/')
        return {};
    return std::string(home) + "/.config";
}

std::string folderOf(const std::string& path)
{
    return path.substr(0, path.rfind('/'));
}

// Creates every missing folder of an absolute path; true when the whole path is a folder.
bool makeFolders(const std::string& path)
{
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string part = path.substr(0, slash);
        if (mkdir(part.c_str(), kFolderMode) != 0 && errno != EEXIST)
            return false;
        if (slash == std::string::npos)
            break;
    }
    struct stat info {};
    return stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

// Moves all count bytes through transfer(offset, left), which answers as read and write do,
// trying again after an interruption.
template <typename Transfer>
bool transferFully(std::size_t count, Transfer transfer)
{
    for (std::size_t offset = 0; offset < count;) {
        const ssize_t done = transfer(offset, count - offset);
        if (done < 0 && errno == EINTR)
            continue;
        if (done <= 0)
            return false;
        offset += static_cast<std::size_t>(done);
    }
    return true;
}

bool writeFully(int fd, const void* bytes, std::size_t count)
{
    return transferFully(count, [&](std::size_t offset, std::size_t left) {
        return write(fd, static_cast<const char*>(bytes) + offset, left);
    });
}

bool readFully(int fd, void* buffer, std::size_t count)
{
    return transferFully(count, [&](std::size_t offset, std::size_t left) {
        return read(fd, static_cast<char*>(buffer) + offset, left);
    });
}

// A crash after rename could otherwise lose the new directory entry.
void flushFolder(const std::string& folder)
{
    const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    fsync(fd);
    close(fd);
}

// A save takes milliseconds, so a temporary of this value older than this was left behind by a
// save that never finished (a crash or a kill between writing and replacing).
constexpr time_t kStaleTemporarySeconds = 60;

// Removes the stale temporaries ".<value>.XXXXXX" beside a value; fresh ones may still belong to
// another copy of the program saving right now.
void removeStaleTemporaries(const std::string& target)
{
    const std::string folder = folderOf(target);
    const std::string prefix = "." + target.substr(folder.size() + 1) + ".";
    DIR* entries = opendir(folder.c_str());
    if (entries == nullptr)
        return;
    const time_t now = std::time(nullptr);
    while (const dirent* entry = readdir(entries)) {
        const std::string name = entry->d_name;
        if (name.size() != prefix.size() + 6 || name.compare(0, prefix.size(), prefix) != 0)
            continue;
        const std::string path = folder + "/" + name;
        struct stat info {};
        if (lstat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode)
            && now - info.st_mtime > kStaleTemporarySeconds)
            unlink(path.c_str());
    }
    closedir(entries);
}

} // namespace

std::string settingFilePath(const char* maker, const char* value)
{
    if (!isPlainComponent(maker) || !isPlainComponent(value))
        return {};
    const std::string home = configHome();
    if (home.empty())
        return {};
    return home + "/" + maker + "/Settings/" + value;
}

std::string writeTemporaryBeside(const std::string& target, const void* bytes, std::size_t byteCount)
{
    const std::size_t slash = target.rfind('/');
    std::string pattern = target.substr(0, slash + 1) + "." + target.substr(slash + 1) + ".XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0)
        return {};
    const bool flushed = writeFully(fd, bytes, byteCount) && fsync(fd) == 0;
    const bool closed = close(fd) == 0;
    if (!flushed || !closed) {
        const int reason = errno;
        unlink(name.data());
        errno = reason;
        return {};
    }
    return name.data();
}

bool replaceWithTemporary(const std::string& temporary, const std::string& target)
{
    if (rename(temporary.c_str(), target.c_str()) != 0) {
        const int reason = errno;
        unlink(temporary.c_str());
        errno = reason;
        return false;
    }
    flushFolder(folderOf(target));
    return true;
}

bool storeReadValue(const char* maker, const char* value, void* buffer, std::size_t bufferSize)
{
    const std::string path = settingFilePath(maker, value);
    if (path.empty())
        return false;
    // Non-blocking, so that a pipe planted under the value's name cannot hang the open.
    const int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    const bool read = fstat(fd, &info) == 0 && S_ISREG(info.st_mode)
        && static_cast<std::size_t>(info.st_size) <= bufferSize
        && readFully(fd, buffer, static_cast<std::size_t>(info.st_size));
    close(fd);
    return read;
}

bool storeWriteValue(const char* maker, const char* value, const void* bytes, std::size_t byteCount)
{
    const std::string path = settingFilePath(maker, value);
    if (path.empty()) {
        reportFailedSave(std::string(maker) + "/" + value, "no settings folder (no home folder is known, or the name is not plain)");
        return false;
    }
    std::string temporary;
    if (!makeFolders(folderOf(path)) || (temporary = writeTemporaryBeside(path, bytes, byteCount)).empty()
        || !replaceWithTemporary(temporary, path)) {
        reportFailedSave(path, std::strerror(errno));
        return false;
    }
    removeStaleTemporaries(path);
    return true;
}

bool storeDeleteValue(const char* maker, const char* value)
{
    const std::string path = settingFilePath(maker, value);
    return !path.empty() && unlink(path.c_str()) == 0;
}

void storeKeepOnEnding(const char* maker, const char* value, const void* bytes, std::size_t byteCount, bool removal)
{
    const std::string path = settingFilePath(maker, value);
    if (!path.empty()) {
        platformKeepOnEnding(path, static_cast<const uint8_t*>(bytes), byteCount, removal);
    }
}

bool storeValueSize(const char* maker, const char* value, std::size_t& size)
{
    const std::string path = settingFilePath(maker, value);
    struct stat info {};
    if (path.empty() || stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode))
        return false;
    size = static_cast<std::size_t>(info.st_size);
    return true;
}

bool storeDeleteFile(const char* path)
{
    return unlink(path) == 0;
}

bool storeHoldLock(const char* maker, const char* value)
{
    const std::string path = settingFilePath(maker, value);
    if (path.empty() || !makeFolders(folderOf(path)))
        return true;
    // Kept open for the rest of the process: closing it, or the process ending, lets go.
    const int fd = open((path + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
    if (fd < 0)
        return true;
    if (flock(fd, LOCK_EX | LOCK_NB) == 0)
        return true;
    const bool heldElsewhere = errno == EWOULDBLOCK;
    close(fd);
    return !heldElsewhere;
}
