// storage.h: per-user binary records addressed by maker and value name, whole-file helpers,
// and handing a file or an address to the system's default handler.
#pragma once

#include "base/bw_string.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// Every operation opens what it needs, does its one job, closes again and reports only
// success or failure. A null maker or value name stands for the text "NULL".

// True when the stored value fits the buffer and was read into it. A value shorter than the
// buffer fills only its own bytes and leaves the rest of the buffer as it was; a longer one
// fails without touching the buffer. A missing value fails and creates nothing.
bool readSetting(BWString maker, BWString value, void* buffer, std::size_t bufferSize);

// For records whose length varies: the whole stored value in bytes. False, with bytes empty,
// when there is none or it is longer than maxSize.
bool readWholeSetting(BWString maker, BWString value, std::vector<std::uint8_t>& bytes, std::size_t maxSize);

// True when exactly byteCount bytes are stored; creates the maker's settings on first use.
// The old value stays readable until the new one has reached the disk whole. A failure writes
// one line on the standard error stream naming where the value was to go and why it did not.
bool writeSetting(BWString maker, BWString value, const void* bytes, std::size_t byteCount);

// True when the value was removed; the maker's settings themselves stay.
bool deleteSetting(BWString maker, BWString value);

// Where the program can be ended without notice (a browser page, which cannot call the program
// when it is hidden or left), the page itself stores the value with these bytes, or deletes it,
// at that moment; the latest call counts.
void keepSettingOnEnding(BWString maker, BWString value, const void* bytes, std::size_t byteCount);
void deleteSettingOnEnding(BWString maker, BWString value);

// Takes the per-user lock of the value and holds it for the rest of the process, so that one
// process at a time keeps the value: an advisory lock on "<value>.lock" beside the value's file,
// a named mutex on Windows. The system lets go of it when the process ends, however it ends.
// False only when another process holds it; true as well when no lock can be made at all.
bool holdSettingLock(BWString maker, BWString value);

// True when exactly byteCount bytes were read from the start of the file; a shorter file
// fails without reading anything.
bool readFile(BWString fileName, void* buffer, std::size_t byteCount);

// Creates or truncates the file; true when every byte reached it.
bool writeFile(BWString fileName, const void* bytes, std::size_t byteCount);

// True when the file was deleted.
bool deleteFile(BWString fileName);

