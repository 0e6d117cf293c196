// setting_store.h: what the settings operations need of the system: its per-user store, and
// removing a file.
#pragma once

#include <cstddef>
#include <string>

// One implementation is built per platform (setting_store_posix.cpp on Linux and macOS,
// setting_store_win32.cpp on Windows).
// Names arrive non-null; each call reports only success or failure, with the meaning of the
// matching operation in storage.h.
bool storeReadValue(const char* maker, const char* value, void* buffer, std::size_t bufferSize);
bool storeWriteValue(const char* maker, const char* value, const void* bytes, std::size_t byteCount);
bool storeDeleteValue(const char* maker, const char* value);
// The stored value's length in bytes; false when there is none.
bool storeValueSize(const char* maker, const char* value, std::size_t& size);
bool storeHoldLock(const char* maker, const char* value);

// The one line a failed storeWriteValue leaves on the standard error stream.
void reportFailedSave(const std::string& place, const std::string& reason);

// The value the page writes by itself should it be ended now (platformKeepOnEnding).
void storeKeepOnEnding(const char* maker, const char* value, const void* bytes, std::size_t byteCount, bool removal);

// Removes one file (never a folder); true when it was removed.
bool storeDeleteFile(const char* path);
