// resources.cpp: the generated files through the game's loaders.
#include "resources.h"

#include "media/file_bytes.h"
#include "media/png_decode.h"

#include <algorithm>

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
