// test_files.h: real PNG, WAV and ".fnt" files written into a temporary directory for tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// A fresh directory under the system's temporary directory, removed with everything in it.
class TempDir {
public:
    TempDir();
    ~TempDir();
    std::string path(const std::string& name) const { return root_ + "/" + name; }

private:
    std::string root_;
};

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);
std::vector<uint8_t> readBytes(const std::string& path);

// A PNG as libpng writes it; rows are packed as the colour type and depth store them.
struct PngPicture {
    int width = 0;
    int height = 0;
    int colourType = 0;
    int bitDepth = 8;
    bool interlaced = false;
    std::vector<uint8_t> palette;  // red, green, blue triples
    std::vector<uint8_t> transparency;
    std::vector<uint8_t> rows;
};
void writePng(const std::string& path, const PngPicture& picture);
// An 8-bit RGBA PNG of packed ARGB pixels, top row first.
void writeArgbPng(const std::string& path, int width, int height,
                  const std::vector<uint32_t>& argb);

// A RIFF/WAVE file: a "fmt " chunk of fmtBytes bytes (fewer than 16 cut it short, more are
// zero-filled), the chunks in `between`, then the "data" chunk.
struct WavFile {
    uint16_t formatTag = 1;
    uint16_t channels = 2;
    uint32_t sampleRate = 44100;
    uint16_t bitsPerSample = 16;
    uint32_t fmtBytes = 16;
    std::vector<uint8_t> between;
    std::vector<uint8_t> data;
};
std::vector<uint8_t> wavBytes(const WavFile& wav);
// Stereo 16-bit frames holding one level on both channels.
std::vector<uint8_t> constantFrames(int frames, int16_t level);

// A ".fnt" file: big-endian header words, the glyph table, ARGB sheet pixels.
struct FntFile {
    int32_t version = 2;
    int32_t sheetWidth = 0;
    int32_t sheetHeight = 0;
    int32_t spacing = 0;
    int32_t spaceWidth = 0;
    int32_t fixedWidth = 0;
    int32_t digitWidth = 0;
    int32_t glyphRight[128] = {};
    int8_t glyphOf[128] = {};
    std::vector<uint32_t> sheet;
};
std::vector<uint8_t> fntBytes(const FntFile& font);
// Glyph g is chars[g], widths[g] wide, filled with colours[g] (white when missing); other
// characters have no glyph.
FntFile fontWithGlyphs(const std::string& chars, const std::vector<int32_t>& widths,
                       int32_t sheetHeight, const std::vector<uint32_t>& colours = {});
