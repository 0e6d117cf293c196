// mixer.cpp: decibel arithmetic, adding voices and clipping the sum.
#include "media/mixer.h"

#include <cmath>

int32_t hundredthsOfDecibel(float masterVolume, float level)
{
    return int32_t(std::trunc(10000.0f * masterVolume * level)) - 10000;
}

float linearGain(int32_t hundredthsOfDecibel)
{
    if (hundredthsOfDecibel <= kSilentHundredthsOfDecibel) {
        return 0.0f;
    }
    return float(std::pow(10.0, double(hundredthsOfDecibel) / 2000.0));
}

void mixVoice(MixerVoice& voice, float* accumulator, int frames)
{
    if (!voice.playing) {
        return;
    }
    for (int frame = 0; frame < frames && voice.cursor < voice.frames; ++frame) {
        const int16_t* source = voice.samples + size_t(voice.cursor) * 2;
        accumulator[frame * 2] += float(source[0]) * voice.gain;
        accumulator[frame * 2 + 1] += float(source[1]) * voice.gain;
        ++voice.cursor;
    }
    if (voice.cursor >= voice.frames) {
        voice.playing = false;
    }
}

void storeMix(const float* accumulator, int16_t* samples, int frames)
{
    for (int index = 0; index < frames * 2; ++index) {
        float value = std::nearbyint(accumulator[index]);
        value = value > 32767.0f ? 32767.0f : value < -32768.0f ? -32768.0f : value;
        samples[index] = int16_t(value);
    }
}
