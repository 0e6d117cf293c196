// resource_reader.h: small direct readers of the generated files (PNG pixels, ".fnt" header, WAV
// header) so the checks can look at the art before the game's own loaders take over.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// The folder the build writes the art into.
std::string resourcePath(const std::string& name);
std::vector<uint8_t> readResource(const std::string& name);

struct Picture {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgba;  // straight alpha, top row first

    uint8_t alpha(int x, int y) const { return rgba[(size_t(y) * width + x) * 4 + 3]; }
    uint32_t colour(int x, int y) const;  // 0xRRGGBB
    // The largest alpha inside the rectangle (x, y, w, h), clipped to the picture.
    int maxAlpha(int x, int y, int w, int h) const;
};

// False for a missing or undecodable file.
bool readPicture(const std::string& name, Picture& picture);

struct FontHeader {
    int32_t version = 0;
    int32_t sheetWidth = 0;
    int32_t sheetHeight = 0;
    int32_t spacing = 0;
    int32_t spaceWidth = 0;
    int32_t fixedWidth = 0;
    int32_t digitWidth = 0;
    int32_t glyphRight[128] = {};
    int8_t glyphOf[128] = {};
    std::vector<uint8_t> pixels;  // alpha, red, green, blue per pixel

    int glyphWidth(int code) const;
    int lineHeight() const { return sheetHeight + spacing; }
};

// False when the file is shorter than its header or its pixel block.
bool readFont(const std::string& name, FontHeader& font);

struct Sound {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t sampleRate = 0;
    uint32_t bytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
    std::vector<int16_t> samples;

    double seconds() const { return sampleRate ? double(samples.size()) / sampleRate : 0.0; }
};

// False unless the file is RIFF/WAVE with a "fmt " chunk and a "data" chunk.
bool readSound(const std::string& name, Sound& sound);
