// mixer.h: volume arithmetic and the pure mixing of playing voices into device frames.
#pragma once

#include <cstdint>

// Buffer volumes are hundredths of a decibel: 0 unattenuated, this value and below silent.
constexpr int32_t kSilentHundredthsOfDecibel = -10000;

// trunc(10000 * master * level) - 10000: linear in decibels, not in amplitude.
int32_t hundredthsOfDecibel(float masterVolume, float level);

// The amplitude factor of a buffer volume, 10^(mB / 2000); 0 for silence.
float linearGain(int32_t hundredthsOfDecibel);

// One voice as the mixer sees it: a block of interleaved stereo 16-bit device frames, the
// next frame to play and its gain. A voice that reaches the end of its block stops there.
struct MixerVoice {
    const int16_t* samples = nullptr;
    uint32_t frames = 0;
    uint32_t cursor = 0;
    bool playing = false;
    float gain = 1.0f;
};

// Adds up to `frames` frames of a playing voice, scaled by its gain, onto the stereo
// accumulator and moves its cursor; idle voices add nothing.
void mixVoice(MixerVoice& voice, float* accumulator, int frames);

// The accumulator rounded and clipped into 16-bit device samples (2 per frame).
void storeMix(const float* accumulator, int16_t* samples, int frames);
