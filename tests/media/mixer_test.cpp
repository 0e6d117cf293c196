// mixer_test.cpp: decibel volumes and adding voices into device frames.
#include "media/mixer.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

TEST(MixerVolume, LevelsMapLinearlyInHundredthsOfADecibel)
{
    EXPECT_EQ(hundredthsOfDecibel(1.0f, 1.0f), 0);
    EXPECT_EQ(hundredthsOfDecibel(1.0f, 0.5f), -5000);
    EXPECT_EQ(hundredthsOfDecibel(0.5f, 0.5f), -7500);
    EXPECT_EQ(hundredthsOfDecibel(1.0f, 0.0f), -10000);
    EXPECT_EQ(hundredthsOfDecibel(1.0f, 0.33333f), -6667);  // truncated toward zero
    EXPECT_FLOAT_EQ(linearGain(0), 1.0f);
    EXPECT_FLOAT_EQ(linearGain(-2000), 0.1f);
    EXPECT_FLOAT_EQ(linearGain(-5000), 0.0031622776f);
    EXPECT_EQ(linearGain(-10000), 0.0f);
}

TEST(MixerVoices, VoicesAddUpAndStopAtTheirEnd)
{
    std::vector<int16_t> tone = {1000, -1000, 1000, -1000, 1000, -1000};
    MixerVoice first{tone.data(), 3, 0, true, 1.0f};
    MixerVoice second{tone.data(), 3, 1, true, 0.5f};
    MixerVoice idle{tone.data(), 3, 0, false, 1.0f};
    std::vector<float> accumulator(4 * 2, 0.0f);
    mixVoice(first, accumulator.data(), 4);
    mixVoice(second, accumulator.data(), 4);
    mixVoice(idle, accumulator.data(), 4);
    std::vector<int16_t> out(4 * 2);
    storeMix(accumulator.data(), out.data(), 4);
    EXPECT_EQ(out, (std::vector<int16_t>{1500, -1500, 1500, -1500, 1000, -1000, 0, 0}));
    EXPECT_FALSE(first.playing);
    EXPECT_EQ(first.cursor, 3u);
    EXPECT_FALSE(second.playing);
    EXPECT_EQ(idle.cursor, 0u);
}

TEST(MixerVoices, LoudSumsClipInsteadOfWrapping)
{
    std::vector<int16_t> loud = {30000, -30000};
    MixerVoice a{loud.data(), 1, 0, true, 1.0f};
    MixerVoice b{loud.data(), 1, 0, true, 1.0f};
    float accumulator[2] = {0, 0};
    mixVoice(a, accumulator, 1);
    mixVoice(b, accumulator, 1);
    int16_t out[2];
    storeMix(accumulator, out, 1);
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[1], -32768);
}

} // namespace
