// file_bytes.cpp: reading a whole file in blocks, so that files whose size is unknown
// beforehand (pipes, special files) read as far as they go.
#include "media/file_bytes.h"

#include <cstdio>

std::vector<uint8_t> readFileBytes(const char* fileName)
{
    std::vector<uint8_t> bytes;
    FILE* file = fileName ? std::fopen(fileName, "rb") : nullptr;
    if (!file) {
        return bytes;
    }
    uint8_t block[65536];
    size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, file)) > 0) {
        bytes.insert(bytes.end(), block, block + got);
    }
    if (std::ferror(file)) {
        bytes.clear();
    }
    std::fclose(file);
    return bytes;
}
