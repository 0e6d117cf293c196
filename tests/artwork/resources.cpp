// resources.cpp: the generated files through the game's loaders.
#include "resources.h"

#include "media/file_bytes.h"
#include "media/png_decode.h"

#include <algorithm>
#include <cmath>

std::string resourcePath(const std::string& name) { return std::string(PELLIX_RESOURCES_DIR) + "/" + name; }

std::vector<uint8_t> readResource(const std::string& name) { return readFileBytes(resourcePath(name).c_str()); }

uint32_t Picture::colour(int x, int y) const
{
    const uint8_t* p = &argb[(size_t(y) * width + x) * 4];
    return uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
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
    int32_t width = 0;
    int32_t height = 0;
    picture.argb = decodePng(BWString("%s", resourcePath(name).c_str()), &width, &height);
    picture.width = width;
    picture.height = height;
    return picture.argb != nullptr;
}

bool readFont(const std::string& name, FontMetrics& font) { return readFntFile(resourcePath(name).c_str(), font); }

bool readSound(const std::string& name, WavClip& sound) { return readWavFile(resourcePath(name).c_str(), sound); }

std::vector<int16_t> samplesOf(const WavClip& sound)
{
    std::vector<int16_t> samples(sound.data.size() / 2);
    for (size_t i = 0; i < samples.size(); i++)
        samples[i] = int16_t(sound.data[2 * i] | sound.data[2 * i + 1] << 8);
    return samples;
}

double secondsOf(const WavClip& sound)
{
    return sound.format.bytesPerSecond ? double(sound.data.size()) / sound.format.bytesPerSecond : 0.0;
}

uint32_t fontInk(const std::string& name)
{
    FontMetrics font;
    if (!readFont(name, font)) return 0;
    for (size_t i = 0; i + 3 < font.pixels.size(); i += 4)
        if (font.pixels[i] == 255)
            return uint32_t(font.pixels[i + 1]) << 16 | uint32_t(font.pixels[i + 2]) << 8 |
                   font.pixels[i + 3];
    return 0;
}

double linearLight(int channel)
{
    double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

// The relative luminance of an sRGB colour, as WCAG defines it.
static double relativeLuminance(uint32_t rgb)
{
    return 0.2126 * linearLight((rgb >> 16) & 0xff) + 0.7152 * linearLight((rgb >> 8) & 0xff) +
           0.0722 * linearLight(rgb & 0xff);
}

double contrastRatio(uint32_t one, uint32_t other)
{
    double a = relativeLuminance(one);
    double b = relativeLuminance(other);
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}
