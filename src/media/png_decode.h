// png_decode.h: reading a PNG file into the framework's decoded pixel block.
#pragma once

#include "base/bw_string.h"

#include <cstdint>
#include <memory>

// Decodes the PNG file into width * height pixels of 4 bytes each, in alpha, red, green,
// blue order, top row first, rows without gaps. Every colour type and bit depth comes out
// this way: palettes and grey are expanded to RGB, tRNS becomes alpha, 16-bit channels are
// cut to 8 and images without alpha get 0xFF. The out values are set to 0 first and to the
// size on success. A missing file, a file that is not a PNG, a picture wider or higher than
// 16384 pixels or of more than 2^26 pixels, or any decoding error gives null, with everything
// allocated on the way freed.
std::unique_ptr<uint8_t[]> decodePng(const BWString& fileName, int32_t* width = nullptr,
                                     int32_t* height = nullptr);
