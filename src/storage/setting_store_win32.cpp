// setting_store_win32.cpp: the per-user store on Windows: one binary registry value per
// record under HKEY_CURRENT_USER\Software\<maker>\Settings\.
#include "storage/setting_store.h"

#include "base/bw_string.h"

#include <windows.h>

#include <cstring>
#include <string>
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

// The system's own words for an error code, without the line break it ends them with.
std::string systemMessage(DWORD code)
{
    char text[512] = "";
    DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                  text, sizeof text, nullptr);
    while (length > 0 && (text[length - 1] == '\r' || text[length - 1] == '\n'))
        --length;
    return length > 0 ? std::string(text, length) : "error " + std::to_string(code);
}

bool storeWriteValue(const char* maker, const char* value, const void* bytes, std::size_t byteCount)
{
    const std::string place = std::string("HKEY_CURRENT_USER\\") + settingsKeyPath(maker).chars() + value;
    if (byteCount > MAXDWORD) {
        reportFailedSave(place, "the value is too long");
        return false;
    }
    HKEY key = nullptr;
    LSTATUS status = RegCreateKeyExA(HKEY_CURRENT_USER, settingsKeyPath(maker).chars(), 0, nullptr, 0,
                                     KEY_ALL_ACCESS, nullptr, &key, nullptr);
    if (status == ERROR_SUCCESS) {
        status = RegSetValueExA(key, value, 0, REG_BINARY, static_cast<const BYTE*>(bytes),
                                static_cast<DWORD>(byteCount));
        // The value reaches the disk now rather than whenever Windows next writes the hive.
        if (status == ERROR_SUCCESS)
            RegFlushKey(key);
        RegCloseKey(key);
    }
    if (status != ERROR_SUCCESS)
        reportFailedSave(place, systemMessage(static_cast<DWORD>(status)));
    return status == ERROR_SUCCESS;
}

// A desktop program always sees its end.
void storeKeepOnEnding(const char*, const char*, const void*, std::size_t, bool) {}

bool storeDeleteValue(const char* maker, const char* value)
{
    HKEY key = openSettingsKey(maker);
    if (key == nullptr)
        return false;
    const bool deleted = RegDeleteValueA(key, value) == ERROR_SUCCESS;
    RegCloseKey(key);
    return deleted;
}

bool storeValueSize(const char* maker, const char* value, std::size_t& size)
{
    HKEY key = openSettingsKey(maker);
    if (key == nullptr)
        return false;
    DWORD stored = 0;
    const bool asked = RegQueryValueExA(key, value, nullptr, nullptr, nullptr, &stored) == ERROR_SUCCESS;
    RegCloseKey(key);
    if (asked)
        size = stored;
    return asked;
}

bool storeDeleteFile(const char* path)
{
    return DeleteFileA(path) != 0;
}

bool storeHoldLock(const char* maker, const char* value)
{
    // A mutex of the user's session, kept open for the rest of the process; Windows closes it
    // when the process ends.
    const BWString name("Local\\%s.%s", maker, value);
    HANDLE mutex = CreateMutexA(nullptr, FALSE, name.chars());
    if (mutex != nullptr && GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(mutex);
        return false;
    }
    return true;
}
