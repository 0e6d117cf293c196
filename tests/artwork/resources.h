// resources.h: the generated files through the game's own loaders, with pixel helpers.
#pragma once

#include "media/font_metrics.h"
#include "media/wav_reader.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The folder the build writes the art into.
std::string resourcePath(const std::string& name);
std::vector<uint8_t> readResource(const std::string& name);

// A decoded picture: alpha, red, green, blue per pixel, top row first.
struct Picture {
    int width = 0;
    int height = 0;
    std::unique_ptr<uint8_t[]> argb;

    int pixelCount() const { return width * height; }
    uint8_t alpha(int x, int y) const { return argb[(size_t(y) * width + x) * 4]; }
    uint32_t colour(int x, int y) const;  // 0xRRGGBB
    // The largest alpha inside the rectangle (x, y, w, h), clipped to the picture.
    int maxAlpha(int x, int y, int w, int h) const;
};

// False for a missing or undecodable file.
bool readPicture(const std::string& name, Picture& picture);
bool readFont(const std::string& name, FontMetrics& font);
bool readSound(const std::string& name, WavClip& sound);

// The colour of a font's fully inked glyph pixels (0xRRGGBB), 0 when the font does not load.
uint32_t fontInk(const std::string& name);

// The linear light (0 to 1) of an sRGB channel value (0 to 255).
double linearLight(int channel);

// The WCAG contrast ratio of two sRGB colours (0xRRGGBB): 1 to 21.
double contrastRatio(uint32_t one, uint32_t other);

// The clip's 16-bit samples (the generated sounds are all 16-bit mono).
std::vector<int16_t> samplesOf(const WavClip& sound);
double secondsOf(const WavClip& sound);
