// wav_reader_test.cpp: RIFF/WAVE chunks, the PCM-only rule and conversion to device frames.
#include "media/wav_reader.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

bool parses(const std::vector<uint8_t>& bytes, WavClip& clip)
{
    return parseWav(bytes.data(), bytes.size(), clip);
}

TEST(WavReader, FormatChunksOfSixteenBytesAndMoreBothRead)
{
    WavFile wav;
    wav.data = constantFrames(10, 1000);
    wav.between = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};  // skipped, padded
    for (uint32_t fmtBytes : {16u, 18u, 41u}) {
        wav.fmtBytes = fmtBytes;
        WavClip clip;
        ASSERT_TRUE(parses(wavBytes(wav), clip)) << fmtBytes;
        EXPECT_EQ(clip.format.bytesPerSecond, 44100u * 4);
        EXPECT_EQ(clip.data, wav.data);
    }
}

TEST(WavReader, EveryFaultLeavesNothingToPlay)
{
    WavFile good;
    good.data = constantFrames(100, 300);
    std::vector<std::vector<uint8_t>> faults;
    for (auto damage : {+[](WavFile& w) { w.formatTag = 2; },  // ADPCM
                        +[](WavFile& w) { w.fmtBytes = 14; },
                        +[](WavFile& w) { w.bitsPerSample = 12; },
                        +[](WavFile& w) { w.channels = 0; },
                        +[](WavFile& w) { w.sampleRate = 0; },     // no bytes per second
                        +[](WavFile& w) { w.sampleRate = 3999; }}) {  // too slow to resample
        WavFile bad = good;
        damage(bad);
        faults.push_back(wavBytes(bad));
    }
    std::vector<uint8_t> bytes = wavBytes(good);
    faults.push_back({bytes.begin(), bytes.end() - 10});  // data shorter than its chunk says
    faults.push_back({bytes.begin(), bytes.begin() + 12});
    for (size_t at : {8, 12, 36}) {  // "WAVE", "fmt ", "data" misspelt
        faults.push_back(bytes);
        faults.back()[at] ^= 0x20;
    }
    for (size_t i = 0; i < faults.size(); ++i) {
        WavClip clip;
        EXPECT_FALSE(parses(faults[i], clip)) << i;
        EXPECT_TRUE(clip.data.empty()) << i;
    }
}

TEST(WavConversion, DeviceFramesAreStereoSixteenBitAt44100)
{
    WavFile mono8;
    mono8.channels = 1;
    mono8.bitsPerSample = 8;
    mono8.sampleRate = 22050;
    mono8.data = {128, 255, 0};
    WavClip clip;
    ASSERT_TRUE(parses(wavBytes(mono8), clip));
    // Twice the frames, both channels, halfway values between the source frames.
    EXPECT_EQ(toDeviceFrames(clip),
              (std::vector<int16_t>{0, 0, 16256, 16256, 32512, 32512, -128, -128, -32768, -32768,
                                    -32768, -32768}));
    WavFile stereo;
    stereo.data = {0x34, 0x12, 0xcc, 0xed};
    ASSERT_TRUE(parses(wavBytes(stereo), clip));
    EXPECT_EQ(toDeviceFrames(clip), (std::vector<int16_t>{0x1234, -0x1234}));
}

} // namespace
