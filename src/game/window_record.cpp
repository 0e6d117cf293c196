// window_record.cpp: the window's placement as a checked record in the per-user store.
#include "game/window_record.h"

#include "storage/storage.h"

namespace {

constexpr const char* kMaker = "Brimworks";  // the maker the profile is stored under
constexpr const char* kValueName = "PellixWindow";
constexpr uint8_t kVersion = 1;
constexpr int32_t kLargestSide = 16384;

void putWord(WindowRecordBytes& bytes, std::size_t at, uint32_t value)
{
    for (std::size_t i = 0; i < 4; ++i) {
        bytes[at + i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

uint32_t wordAt(const WindowRecordBytes& bytes, std::size_t at)
{
    uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        value |= uint32_t{bytes[at + i]} << (8 * i);
    }
    return value;
}

// FNV-1a over everything before the checksum.
uint32_t checksumOf(const WindowRecordBytes& bytes)
{
    uint32_t hash = 2166136261u;
    for (std::size_t i = 0; i < 12; ++i) {
        hash = (hash ^ bytes[i]) * 16777619u;
    }
    return hash;
}

bool plausibleSide(int32_t side)
{
    return side >= 1 && side <= kLargestSide;
}

} // namespace

WindowRecordBytes encodeWindowRecord(const WindowPlacement& placement)
{
    WindowRecordBytes bytes{};
    bytes[0] = 'P';
    bytes[1] = 'W';
    bytes[2] = kVersion;
    bytes[3] = placement.maximised ? 1 : 0;
    putWord(bytes, 4, static_cast<uint32_t>(placement.width));
    putWord(bytes, 8, static_cast<uint32_t>(placement.height));
    putWord(bytes, 12, checksumOf(bytes));
    return bytes;
}

bool decodeWindowRecord(const WindowRecordBytes& bytes, WindowPlacement& placement)
{
    const int32_t width = static_cast<int32_t>(wordAt(bytes, 4));
    const int32_t height = static_cast<int32_t>(wordAt(bytes, 8));
    if (bytes[0] != 'P' || bytes[1] != 'W' || bytes[2] != kVersion || bytes[3] > 1 ||
        wordAt(bytes, 12) != checksumOf(bytes) || !plausibleSide(width) || !plausibleSide(height)) {
        return false;
    }
    placement = WindowPlacement{width, height, bytes[3] == 1};
    return true;
}

WindowPlacement loadWindowPlacement()
{
    // A stored value shorter than the record leaves zeros behind, which never check out.
    WindowRecordBytes bytes{};
    WindowPlacement placement;
    if (!readSetting(kMaker, kValueName, bytes.data(), bytes.size()) || !decodeWindowRecord(bytes, placement)) {
        return WindowPlacement{};
    }
    return placement;
}

bool saveWindowPlacement(const WindowPlacement& placement)
{
    if (!plausibleSide(placement.width) || !plausibleSide(placement.height)) {
        return false;
    }
    const WindowRecordBytes bytes = encodeWindowRecord(placement);
    return writeSetting(kMaker, kValueName, bytes.data(), bytes.size());
}
