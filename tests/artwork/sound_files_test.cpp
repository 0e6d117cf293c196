// sound_files_test.cpp: the six effects are 16-bit mono PCM at 44.1 kHz, short, with headroom and
// without clicks at their ends.
#include "resources.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

const char* const shortSounds[] = {"sound_check.wav", "sound_number.wav", "sound_place.wav",
                                   "sound_test.wav", "sound_done.wav"};

int peakOf(const std::vector<int16_t>& samples)
{
    int peak = 0;
    for (int16_t sample : samples) peak = std::max(peak, std::abs(int(sample)));
    return peak;
}

void expectWellFormed(const char* name, const WavClip& sound)
{
    const WavFormat& format = sound.format;
    EXPECT_EQ(format.formatTag, 1) << name;
    EXPECT_EQ(format.channels, 1) << name;
    EXPECT_EQ(format.samplesPerSecond, 44100u) << name;
    EXPECT_EQ(format.bitsPerSample, 16) << name;
    EXPECT_EQ(format.blockAlign, 2) << name;
    EXPECT_EQ(format.bytesPerSecond, 88200u) << name;
    std::vector<int16_t> samples = samplesOf(sound);
    // -3 dBFS is 0.708 of full scale.
    EXPECT_LE(peakOf(samples), 23197) << name;
    EXPECT_GE(peakOf(samples), 8000) << name << " is too quiet to hear";
    ASSERT_FALSE(samples.empty()) << name;
    EXPECT_LT(std::abs(samples.front()), 200) << name << " starts with a click";
    EXPECT_LT(std::abs(samples.back()), 200) << name << " ends with a click";
    EXPECT_FALSE(toDeviceFrames(sound).empty()) << name << " gives the device nothing to play";
}

}  // namespace

TEST(SoundFiles, ShortEffectsAreWellFormedAndUnderHalfASecond)
{
    for (const char* name : shortSounds) {
        WavClip sound;
        ASSERT_TRUE(readSound(name, sound)) << name;
        expectWellFormed(name, sound);
        EXPECT_GT(secondsOf(sound), 0.03) << name;
        EXPECT_LT(secondsOf(sound), 0.5) << name;
    }
}

TEST(SoundFiles, FinishingFanfareLastsAboutASecondAndAHalf)
{
    WavClip sound;
    ASSERT_TRUE(readSound("sound_finish.wav", sound));
    expectWellFormed("sound_finish.wav", sound);
    EXPECT_NEAR(secondsOf(sound), 1.5, 0.2);
}

TEST(SoundFiles, FormatBlockIsTheEighteenByteForm)
{
    // A loader that reads an 18-byte format block must find exactly that many bytes.
    std::vector<uint8_t> bytes = readResource("sound_place.wav");
    ASSERT_GE(bytes.size(), 44u);
    EXPECT_EQ(std::string(bytes.begin() + 12, bytes.begin() + 16), "fmt ");
    EXPECT_EQ(bytes[16], 18);
    EXPECT_EQ(bytes[17] | bytes[18] | bytes[19], 0);
}
