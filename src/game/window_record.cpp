// window_record.cpp: the window's placement as a checked record in the per-user store.
#include "game/window_record.h"

#include "base/little_endian.h"
#include "game/maker.h"
#include "storage/storage.h"

namespace {

constexpr const char* kValueName = "PellixWindow";
constexpr uint8_t kVersion = 1;
constexpr int32_t kLargestSide = 16384;

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
    putLittleEndian(bytes.data() + 4, static_cast<uint32_t>(placement.width));
    putLittleEndian(bytes.data() + 8, static_cast<uint32_t>(placement.height));
    putLittleEndian(bytes.data() + 12, checksumOf(bytes));
    return bytes;
}

bool decodeWindowRecord(const WindowRecordBytes& bytes, WindowPlacement& placement)
{
    const int32_t width = static_cast<int32_t>(littleEndianAt(bytes.data() + 4));
    const int32_t height = static_cast<int32_t>(littleEndianAt(bytes.data() + 8));
    if (bytes[0] != 'P' || bytes[1] != 'W' || bytes[2] != kVersion || bytes[3] > 1 ||
        littleEndianAt(bytes.data() + 12) != checksumOf(bytes) || !plausibleSide(width) || !plausibleSide(height)) {
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
