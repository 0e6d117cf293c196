// setting_store_posix.h: the file store's paths and its two-step atomic save (Linux and macOS).
#pragma once

#include <cstddef>
#include <string>

// Each value is one file: <config home>/<maker>/Settings/<value>, where the config home is
// XDG_CONFIG_HOME when it is an absolute path and ~/.config otherwise. Tests point
// XDG_CONFIG_HOME at a temporary folder. Empty when no home folder is known, or when a name
// is not one plain path component (empty, ".", "..", or holding a '/'), so that no name can
// reach outside the maker's settings.
std::string settingFilePath(const char* maker, const char* value);

// A save is split in two steps so that one cut off between them can be reproduced:
// first the bytes go into a new temporary file beside target and are flushed to the disk
// (the temporary's path, empty on failure) ...
std::string writeTemporaryBeside(const std::string& target, const void* bytes, std::size_t byteCount);
// ... then the temporary replaces target in one rename. On failure the temporary is removed
// and target stays as it was.
bool replaceWithTemporary(const std::string& temporary, const std::string& target);
