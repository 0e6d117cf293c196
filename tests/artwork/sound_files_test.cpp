// sound_files_test.cpp: the six effects: 16-bit mono PCM, of their length, with headroom, no clicks.
#include "resources.h"

#include "game/asset_files.h"

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

int peakOf(const std::vector<int16_t>& samples)
{
    int peak = 0;
    for (int16_t sample : samples) peak = std::max(peak, std::abs(int(sample)));
    return peak;
}

}  // namespace

TEST(SoundFiles, EveryEffectIsWellFormedQuietEnoughAndOfItsLength)
{
    // The effects are short; the finishing fanfare lasts about a second and a half.
    const struct {
        const char* name;
        double shortest;
        double longest;
    } sounds[] = {{kCheckSound, 0.03, 0.5},  {kNumberSound, 0.03, 0.5}, {kPlaceSound, 0.03, 0.5},
                  {kPencilSound, 0.03, 0.5}, {kDoneSound, 0.03, 0.5},   {kFinishSound, 1.3, 1.7}};
    for (const auto& [name, shortest, longest] : sounds) {
        SCOPED_TRACE(name);
        WavClip sound;
        ASSERT_TRUE(readSound(name, sound));
        const WavFormat& format = sound.format;
        EXPECT_EQ(format.formatTag, 1);
        EXPECT_EQ(format.channels, 1);
        EXPECT_EQ(format.samplesPerSecond, 44100u);
        EXPECT_EQ(format.bitsPerSample, 16);
        EXPECT_EQ(format.blockAlign, 2);
        EXPECT_EQ(format.bytesPerSecond, 88200u);
        std::vector<int16_t> samples = samplesOf(sound);
        // -3 dBFS is 0.708 of full scale.
        EXPECT_LE(peakOf(samples), 23197);
        EXPECT_GE(peakOf(samples), 8000) << "too quiet to hear";
        ASSERT_FALSE(samples.empty());
        EXPECT_LT(std::abs(samples.front()), 200) << "starts with a click";
        EXPECT_LT(std::abs(samples.back()), 200) << "ends with a click";
        EXPECT_FALSE(toDeviceFrames(sound).empty()) << "gives the device nothing to play";
        EXPECT_GT(secondsOf(sound), shortest);
        EXPECT_LT(secondsOf(sound), longest);
    }
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
