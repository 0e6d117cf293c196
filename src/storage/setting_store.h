// setting_store.h: what the settings operations need of the system's per-user store.
#pragma once

#include <cstddef>

// One implementation is built per platform (setting_store_file.cpp on Linux and macOS,
// setting_store_registry.cpp on Windows).
// Names arrive non-null; each call reports only success or failure, with the meaning of the
// matching operation in storage.h.
bool storeReadValue(const char* maker, const char* value, void* buffer, std::size_t bufferSize);
bool storeWriteValue(const char* maker, const char* value, const void* bytes, std::size_t byteCount);
bool storeDeleteValue(const char* maker, const char* value);
// The stored value's length in bytes; false when there is none.
bool storeValueSize(const char* maker, const char* value, std::size_t& size);
