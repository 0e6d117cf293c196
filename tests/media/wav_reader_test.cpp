// wav_reader_test.cpp: RIFF/WAVE chunks, the PCM-only rule and conversion to device frames.
#include "media/wav_reader.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

bool parses(const std::vector<uint8_t>& bytes, WavClip& clip)
{
    return parseWav(bytes.data(), bytes.size(), clip);
}

TEST(WavReader, PlainAndExtendedFormatChunksBothRead)
{
    WavFile wav;
    wav.data = constantFrames(10, 1000);
    WavClip clip;
    ASSERT_TRUE(parses(wavBytes(wav), clip));
    EXPECT_EQ(clip.format.channels, 2);
    EXPECT_EQ(clip.format.bytesPerSecond, 44100u * 4);
    EXPECT_EQ(clip.data, wav.data);

    wav.fmtBytes = 18;  // WAVEFORMATEX with its size word
    EXPECT_TRUE(parses(wavBytes(wav), clip));
    wav.fmtBytes = 41;  // odd: the chunk is padded to an even length
    EXPECT_TRUE(parses(wavBytes(wav), clip));
    EXPECT_EQ(clip.data, wav.data);
}

TEST(WavReader, OtherChunksBeforeTheDataAreSkipped)
{
    WavFile wav;
    wav.between = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    wav.data = constantFrames(4, -5);
    WavClip clip;
    ASSERT_TRUE(parses(wavBytes(wav), clip));
    EXPECT_EQ(clip.data, wav.data);
}

TEST(WavReader, EveryFaultLeavesNothingToPlay)
{
    WavFile good;
    good.data = constantFrames(100, 300);
    std::vector<std::pair<const char*, std::vector<uint8_t>>> faults;

    WavFile compressed = good;
    compressed.formatTag = 2;  // ADPCM
    faults.push_back({"compressed", wavBytes(compressed)});
    WavFile shortFormat = good;
    shortFormat.fmtBytes = 14;
    faults.push_back({"short fmt", wavBytes(shortFormat)});
    WavFile oddDepth = good;
    oddDepth.bitsPerSample = 12;
    faults.push_back({"12-bit", wavBytes(oddDepth)});
    WavFile noChannels = good;
    noChannels.channels = 0;
    faults.push_back({"no channels", wavBytes(noChannels)});
    WavFile noRate = good;
    noRate.sampleRate = 0;  // bytes per second 0: no duration can be computed
    faults.push_back({"rate 0", wavBytes(noRate)});

    std::vector<uint8_t> bytes = wavBytes(good);
    faults.push_back({"truncated data", {bytes.begin(), bytes.end() - 10}});
    faults.push_back({"header only", {bytes.begin(), bytes.begin() + 12}});
    std::vector<uint8_t> notWave = bytes;
    notWave[8] = 'A';
    faults.push_back({"not WAVE", notWave});
    std::vector<uint8_t> noData = bytes;
    noData[36] = 'D';
    faults.push_back({"no data chunk", noData});
    std::vector<uint8_t> noFormat = bytes;
    noFormat[12] = 'F';
    faults.push_back({"no fmt chunk", noFormat});

    for (const auto& [name, fault] : faults) {
        SCOPED_TRACE(name);
        WavClip clip;
        EXPECT_FALSE(parses(fault, clip));
        EXPECT_TRUE(clip.data.empty());
    }
    WavClip clip;
    EXPECT_FALSE(readWavFile("/nonexistent/sound.wav", clip));
}

TEST(WavConversion, DeviceFramesAreStereoSixteenBitAt44100)
{
    WavFile mono8;
    mono8.channels = 1;
    mono8.bitsPerSample = 8;
    mono8.sampleRate = 22050;
    mono8.data = {128, 255, 0};  // silence, near full scale, full negative
    WavClip clip;
    ASSERT_TRUE(parses(wavBytes(mono8), clip));
    std::vector<int16_t> frames = toDeviceFrames(clip);
    ASSERT_EQ(frames.size(), 6u * 2);  // twice the frames, two channels each
    EXPECT_EQ(frames[0], 0);
    EXPECT_EQ(frames[1], 0);
    EXPECT_EQ(frames[4], 127 * 256);  // source frame 1 lands on device frame 2
    EXPECT_EQ(frames[5], 127 * 256);
    EXPECT_EQ(frames[2], 127 * 128);  // halfway between frames 0 and 1
    EXPECT_EQ(frames[8], -128 * 256);

    WavFile stereo;
    stereo.data = {0x34, 0x12, 0xcc, 0xed};  // left 0x1234, right -0x1234
    ASSERT_TRUE(parses(wavBytes(stereo), clip));
    EXPECT_EQ(toDeviceFrames(clip), (std::vector<int16_t>{0x1234, -0x1234}));
}

} // namespace
