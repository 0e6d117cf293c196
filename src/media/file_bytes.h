// file_bytes.h: a whole file read into memory, for the loaders that parse bytes.
#pragma once

#include <cstdint>
#include <vector>

// Every byte of the file, or an empty block for a null name, a missing or unreadable file.
std::vector<uint8_t> readFileBytes(const char* fileName);
