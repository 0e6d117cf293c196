// setting_store_win32.cpp: the per-user store on Windows: one binary registry value per
// record under HKEY_CURRENT_USER\Software\<maker>\Settings\.
#include "storage/setting_store.h"

#include "base/bw_string.h"

#include <windows.h>

#include <cstring>
#include <vector>

namespace {

BWString settingsKeyPath(const char* maker)
{
    return BWString("Software\\%s\\Settings\\", maker);
}

// Reading and deleting open an existing key only: a missing one is never created.
HKEY openSettingsKey(const char* maker)
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, settingsKeyPath(maker).chars(), 0, KEY_ALL_ACCESS, &key) != ERROR_SUCCESS)
        return nullptr;
    return key;
}

} // namespace

bool storeReadValue(const char* maker, const char* value, void* buffer, std::size_t bufferSize)
{
    if (bufferSize > MAXDWORD)
        return false;
    HKEY key = openSettingsKey(maker);
    if (key == nullptr)
        return false;
    // Windows leaves the buffer undefined when the value does not fit, so the value arrives in a
    // copy first: one that is too long leaves the caller's buffer as it was. The spare byte keeps
    // the copy's address non-null even for an empty buffer, where a null one would ask for the
    // value's size instead of its bytes.
    std::vector<BYTE> copy(bufferSize + 1);
    DWORD size = static_cast<DWORD>(bufferSize);
    const bool read = RegQueryValueExA(key, value, nullptr, nullptr, copy.data(), &size) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (read && size <= bufferSize)
        std::memcpy(buffer, copy.data(), size);
    return read && size <= bufferSize;
}

bool storeWriteValue(const char* maker, const char* value, const void* bytes, std::size_t byteCount)
{
    if (byteCount > MAXDWORD)
        return false;
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, settingsKeyPath(maker).chars(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    const bool stored = RegSetValueExA(key, value, 0, REG_BINARY, static_cast<const BYTE*>(bytes),
                                       static_cast<DWORD>(byteCount)) == ERROR_SUCCESS;
    // The value reaches the disk now rather than whenever Windows next writes the hive.
    if (stored)
        RegFlushKey(key);
    RegCloseKey(key);
    return stored;
}

bool storeDeleteValue(const char* maker, const char* value)
{
    HKEY key = openSettingsKey(maker);
    if (key == nullptr)
        return false;
    const bool deleted = RegDeleteValueA(key, value) == ERROR_SUCCESS;
    RegCloseKey(key);
    return deleted;
}

bool storeDeleteFile(const char* path)
{
    return DeleteFileA(path) != 0;
}
