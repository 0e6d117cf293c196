// window_record.h: the window's size and maximised state, kept between runs in a small record
// of its own beside the profile (value "PellixWindow"; the profile record never changes).
#pragma once

#include "frame/app.h"

#include <array>
#include <cstdint>

// 16 bytes: "PW", version 1, the maximised flag (0 or 1), the client width and height in window
// units (little-endian 32-bit, 1 to 16384 each), and a checksum of the first 12 bytes.
constexpr std::size_t kWindowRecordSize = 16;
using WindowRecordBytes = std::array<uint8_t, kWindowRecordSize>;

WindowRecordBytes encodeWindowRecord(const WindowPlacement& placement);
// False for bytes that are not a whole, undamaged record of this version.
bool decodeWindowRecord(const WindowRecordBytes& bytes, WindowPlacement& placement);

// The stored placement; all zero (the window's own default) when there is none or it is damaged.
WindowPlacement loadWindowPlacement();
// Stores the placement; a placement without a size (no window) is not stored.
bool saveWindowPlacement(const WindowPlacement& placement);
