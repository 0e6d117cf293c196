// storage.cpp: the settings operations over the per-user store, and the whole-file helpers.
#include "storage/storage.h"

#include "storage/setting_store.h"

#include <cstdio>

namespace {

const char* nameOrNull(const BWString& name)
{
    return name.chars() != nullptr ? name.chars() : "NULL";
}

} // namespace

bool readSetting(BWString maker, BWString value, void* buffer, std::size_t bufferSize)
{
    if (buffer == nullptr)
        return false;
    return storeReadValue(nameOrNull(maker), nameOrNull(value), buffer, bufferSize);
}

bool readWholeSetting(BWString maker, BWString value, std::vector<std::uint8_t>& bytes, std::size_t maxSize)
{
    bytes.clear();
    std::size_t size = 0;
    if (!storeValueSize(nameOrNull(maker), nameOrNull(value), size) || size > maxSize)
        return false;
    bytes.resize(size);
    if (!storeReadValue(nameOrNull(maker), nameOrNull(value), bytes.data(), size)) {
        bytes.clear();
        return false;
    }
    return true;
}

bool writeSetting(BWString maker, BWString value, const void* bytes, std::size_t byteCount)
{
    if (bytes == nullptr && byteCount > 0)
        return false;
    return storeWriteValue(nameOrNull(maker), nameOrNull(value), bytes, byteCount);
}

bool deleteSetting(BWString maker, BWString value)
{
    return storeDeleteValue(nameOrNull(maker), nameOrNull(value));
}

void keepSettingOnEnding(BWString maker, BWString value, const void* bytes, std::size_t byteCount)
{
    storeKeepOnEnding(nameOrNull(maker), nameOrNull(value), bytes, byteCount, false);
}

void deleteSettingOnEnding(BWString maker, BWString value)
{
    storeKeepOnEnding(nameOrNull(maker), nameOrNull(value), nullptr, 0, true);
}

bool holdSettingLock(BWString maker, BWString value)
{
    return storeHoldLock(nameOrNull(maker), nameOrNull(value));
}

void reportFailedSave(const std::string& place, const std::string& reason)
{
    std::fprintf(stderr, "cannot save %s: %s\n", place.c_str(), reason.c_str());
}

bool readFile(BWString fileName, void* buffer, std::size_t byteCount)
{
    if (fileName.chars() == nullptr || (buffer == nullptr && byteCount > 0))
        return false;
    std::FILE* file = std::fopen(fileName.chars(), "rb");
    if (file == nullptr)
        return false;
    bool read = std::fseek(file, 0, SEEK_END) == 0;
    const long size = read ? std::ftell(file) : -1;
    read = size >= 0 && static_cast<unsigned long>(size) >= byteCount && std::fseek(file, 0, SEEK_SET) == 0
        && (byteCount == 0 || std::fread(buffer, 1, byteCount, file) == byteCount);
    std::fclose(file);
    return read;
}

bool writeFile(BWString fileName, const void* bytes, std::size_t byteCount)
{
    if (fileName.chars() == nullptr || (bytes == nullptr && byteCount > 0))
        return false;
    std::FILE* file = std::fopen(fileName.chars(), "wb");
    if (file == nullptr)
        return false;
    const bool written = byteCount == 0 || std::fwrite(bytes, 1, byteCount, file) == byteCount;
    // The bytes may still sit in the stream's buffer; a full disk only shows when closing.
    const bool closed = std::fclose(file) == 0;
    return written && closed;
}

bool deleteFile(BWString fileName)
{
    return fileName.chars() != nullptr && storeDeleteFile(fileName.chars());
}
