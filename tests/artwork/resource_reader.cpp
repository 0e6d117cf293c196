// resource_reader.cpp: direct readers of the generated PNG, ".fnt" and WAV files.
#include "resource_reader.h"

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>

std::string resourcePath(const std::string& name) { return std::string(PELLIX_RESOURCES_DIR) + "/" + name; }

std::vector<uint8_t> readResource(const std::string& name)
{
    std::vector<uint8_t> bytes;
    FILE* file = std::fopen(resourcePath(name).c_str(), "rb");
    if (!file) return bytes;
    uint8_t buffer[65536];
    size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) bytes.insert(bytes.end(), buffer, buffer + count);
    std::fclose(file);
    return bytes;
}

uint32_t Picture::colour(int x, int y) const
{
    const uint8_t* p = &rgba[(size_t(y) * width + x) * 4];
    return uint32_t(p[0]) << 16 | uint32_t(p[1]) << 8 | p[2];
}

int Picture::maxAlpha(int x, int y, int w, int h) const
{
    int most = 0;
    for (int row = std::max(0, y); row < std::min(height, y + h); row++)
        for (int column = std::max(0, x); column < std::min(width, x + w); column++)
            most = std::max<int>(most, alpha(column, row));
    return most;
}

bool readPicture(const std::string& name, Picture& picture)
{
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, resourcePath(name).c_str())) return false;
    image.format = PNG_FORMAT_RGBA;
    picture.width = int(image.width);
    picture.height = int(image.height);
    picture.rgba.assign(PNG_IMAGE_SIZE(image), 0);
    bool ok = png_image_finish_read(&image, nullptr, picture.rgba.data(), 0, nullptr) != 0;
    png_image_free(&image);
    return ok;
}

static int32_t bigEndian(const uint8_t* p) { return int32_t(uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3]); }
static uint32_t little(const uint8_t* p, int size)
{
    uint32_t value = 0;
    for (int i = size - 1; i >= 0; i--) value = value << 8 | p[i];
    return value;
}

int FontHeader::glyphWidth(int code) const
{
    int glyph = glyphOf[code];
    if (glyph < 0) return -1;
    return glyphRight[glyph] - (glyph == 0 ? 0 : glyphRight[glyph - 1]);
}

bool readFont(const std::string& name, FontHeader& font)
{
    std::vector<uint8_t> bytes = readResource(name);
    if (bytes.size() < 676) return false;
    int32_t* words[] = {&font.version, nullptr, &font.sheetWidth, &font.sheetHeight, &font.spacing,
                        &font.spaceWidth, &font.fixedWidth, &font.digitWidth};
    for (int i = 0; i < 8; i++)
        if (words[i]) *words[i] = bigEndian(&bytes[4 + 4 * i]);
    for (int g = 0; g < 128; g++) font.glyphRight[g] = bigEndian(&bytes[36 + 4 * g]);
    std::memcpy(font.glyphOf, &bytes[548], 128);
    size_t pixelBytes = size_t(std::max(0, font.sheetWidth)) * std::max(0, font.sheetHeight) * 4;
    if (bytes.size() < 676 + pixelBytes) return false;
    font.pixels.assign(bytes.begin() + 676, bytes.begin() + 676 + long(pixelBytes));
    return true;
}

bool readSound(const std::string& name, Sound& sound)
{
    std::vector<uint8_t> bytes = readResource(name);
    if (bytes.size() < 12 || std::memcmp(&bytes[0], "RIFF", 4) != 0 || std::memcmp(&bytes[8], "WAVE", 4) != 0) return false;
    bool haveFormat = false;
    for (size_t at = 12; at + 8 <= bytes.size();) {
        uint32_t size = little(&bytes[at + 4], 4);
        const uint8_t* body = &bytes[at + 8];
        if (at + 8 + size > bytes.size()) return false;
        if (std::memcmp(&bytes[at], "fmt ", 4) == 0 && size >= 16) {
            sound.formatTag = uint16_t(little(body, 2));
            sound.channels = uint16_t(little(body + 2, 2));
            sound.sampleRate = little(body + 4, 4);
            sound.bytesPerSecond = little(body + 8, 4);
            sound.blockAlign = uint16_t(little(body + 12, 2));
            sound.bitsPerSample = uint16_t(little(body + 14, 2));
            haveFormat = true;
        } else if (std::memcmp(&bytes[at], "data", 4) == 0 && haveFormat) {
            sound.samples.resize(size / 2);
            for (size_t i = 0; i < sound.samples.size(); i++) sound.samples[i] = int16_t(little(body + 2 * i, 2));
            return true;
        }
        at += 8 + size + (size & 1);
    }
    return false;
}
