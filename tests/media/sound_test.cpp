// sound_test.cpp: voice chains, ids, volumes and positions of BWSound, heard through the
// mixer that a test pulls frames from in place of the audio device.
#include "media/mixer.h"
#include "media/sound.h"
#include "media/sound_device.h"
#include "test_files.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

int opens = 0;
int closes = 0;
bool deviceAvailable = true;

SoundDevice testDevice()
{
    SoundDevice device;
    device.open = [](SoundDeviceCallback, void*) {
        ++opens;
        return deviceAvailable;
    };
    device.close = [] { ++closes; };
    device.lock = [] {};
    device.unlock = [] {};
    return device;
}

// Pulls the next frames from the mixer, as the device would; returns the left channel.
std::vector<int16_t> mixFrames(int frames)
{
    std::vector<int16_t> samples(size_t(frames) * 2);
    mixSounds(samples.data(), frames);
    std::vector<int16_t> left;
    for (int i = 0; i < frames; ++i) {
        left.push_back(samples[size_t(i) * 2]);
    }
    return left;
}

class Sound : public ::testing::Test {
protected:
    void SetUp() override
    {
        opens = closes = 0;
        deviceAvailable = true;
        setSoundDevice(testDevice());
    }

    void TearDown() override
    {
        enableSound();
        setMasterVolume(1.0f);
    }

    // A stereo 16-bit 44100 Hz file of the given length holding one constant level.
    BWString toneFile(const char* name, float seconds, int16_t level = 10000)
    {
        WavFile wav;
        wav.data = constantFrames(int(44100 * seconds), level);
        writeBytes(dir.path(name), wavBytes(wav));
        return BWString("%s", dir.path(name).c_str());
    }

    TempDir dir;
};

TEST_F(Sound, BusyVoicesGrowTheChainAndIdleOnesAreReused)
{
    BWSound sound(toneFile("second.wav", 1.0f));
    int32_t first = sound.play();
    mixFrames(1470);
    int32_t second = sound.play();
    mixFrames(1470);
    int32_t third = sound.play();
    EXPECT_NE(first, 0);
    EXPECT_NE(second, first);
    EXPECT_NE(third, second);
    EXPECT_NE(third, first);
    EXPECT_TRUE(sound.isPlaying(first));
    EXPECT_TRUE(sound.isPlaying(second));
    EXPECT_TRUE(sound.isPlaying(third));
    EXPECT_EQ(mixFrames(1).front(), 3 * 10000);  // three voices sound together

    mixFrames(2 * 44100);
    EXPECT_FALSE(sound.isPlaying());
    EXPECT_EQ(sound.play(), first);  // rewound from its end
    EXPECT_FLOAT_EQ(sound.position(first), 0.0f);
    EXPECT_EQ(sound.play(), second);
}

TEST_F(Sound, SwitchedOffSoundStartsNothing)
{
    BWSound sound(toneFile("beep.wav", 0.1f));
    int32_t id = sound.play();
    disableSound();
    EXPECT_FALSE(isSoundEnabled());
    EXPECT_FALSE(sound.isPlaying(id));
    EXPECT_EQ(sound.play(), 0);
    EXPECT_EQ(mixFrames(4).front(), 0);
    enableSound();
    EXPECT_EQ(sound.play(), id);
    EXPECT_EQ(mixFrames(1).front(), 10000);
}

TEST_F(Sound, VolumesBecomeDecibelsAndScaleTheMix)
{
    BWSound sound(toneFile("loud.wav", 1.0f, 30000));
    int32_t first = sound.play();
    int32_t second = sound.play();
    sound.setVolume(0.5f);
    EXPECT_EQ(sound.bufferVolume(first), -5000);
    EXPECT_EQ(sound.bufferVolume(second), -5000);
    EXPECT_NEAR(mixFrames(1).front(), 2 * 30000 * linearGain(-5000), 1.0);

    setMasterVolume(0.5f);
    EXPECT_EQ(sound.bufferVolume(first), -7500);
    EXPECT_EQ(sound.bufferVolume(second), -7500);
    EXPECT_FLOAT_EQ(sound.volume(), 0.5f);
    EXPECT_NEAR(mixFrames(1).front(), 2 * 30000 * linearGain(-7500), 1.0);

    sound.setVolume(7.0f);
    EXPECT_FLOAT_EQ(sound.volume(), 1.0f);
    EXPECT_EQ(sound.bufferVolume(first), -5000);
}

TEST_F(Sound, VoiceVolumeLastsUntilThatVoiceStartsAgain)
{
    BWSound sound(toneFile("click.wav", 0.05f));
    int32_t first = sound.play();
    int32_t second = sound.play();
    sound.setVolume(0.2f, second);
    EXPECT_FLOAT_EQ(sound.volume(second), 0.2f);
    EXPECT_FLOAT_EQ(sound.volume(first), 1.0f);
    EXPECT_FLOAT_EQ(sound.volume(), 1.0f);
    EXPECT_EQ(sound.bufferVolume(second), -8000);

    sound.stop(second);
    EXPECT_TRUE(sound.isPlaying(first));
    EXPECT_EQ(sound.play(), second);  // the first voice is still busy
    EXPECT_FLOAT_EQ(sound.volume(second), 1.0f);
    EXPECT_EQ(sound.bufferVolume(second), 0);
}

TEST_F(Sound, SeekPastTheEndThenPlayStartsFromTheBeginning)
{
    BWSound sound(toneFile("one.wav", 1.0f));
    sound.seek(99.0f);
    EXPECT_FLOAT_EQ(sound.position(), 1.0f);
    int32_t id = sound.play();
    EXPECT_FLOAT_EQ(sound.position(id), 0.0f);
    mixFrames(22050);
    EXPECT_FLOAT_EQ(sound.position(id), 0.5f);

    sound.pause(id);
    EXPECT_FALSE(sound.isPlaying());
    EXPECT_FLOAT_EQ(sound.position(), 0.5f);
    sound.seek(0.25f);
    EXPECT_FLOAT_EQ(sound.position(), 0.25f);
    sound.stop();
    EXPECT_FLOAT_EQ(sound.position(), 0.0f);
}

TEST_F(Sound, DurationIsDataBytesOverBytesPerSecond)
{
    BWSound half(toneFile("half.wav", 0.5f));
    EXPECT_FLOAT_EQ(half.duration(), 0.5f);
    half.play();
    mixFrames(44100 / 4);
    EXPECT_FLOAT_EQ(half.position(), 0.25f);

    WavFile slow;  // 8-bit mono at 11025 Hz: converted, yet timed in the file's own bytes
    slow.channels = 1;
    slow.bitsPerSample = 8;
    slow.sampleRate = 11025;
    slow.data.assign(11025, 200);
    writeBytes(dir.path("slow.wav"), wavBytes(slow));
    BWSound converted(BWString("%s", dir.path("slow.wav").c_str()));
    EXPECT_FLOAT_EQ(converted.duration(), 1.0f);
    converted.play();
    mixFrames(44100 / 2);
    EXPECT_NEAR(converted.position(), 0.5f, 1.0 / 11025);
}

TEST_F(Sound, UnplayableFilesGiveSilentSounds)
{
    WavFile compressed;
    compressed.formatTag = 2;
    compressed.data = constantFrames(4410, 1000);
    writeBytes(dir.path("adpcm.wav"), wavBytes(compressed));
    for (BWString name : {BWString("%s", dir.path("adpcm.wav").c_str()),
                          BWString("%s", dir.path("missing.wav").c_str()), BWString(""),
                          BWString()}) {
        BWSound sound;
        EXPECT_FALSE(sound.load(name));
        EXPECT_EQ(sound.play(), 0);
        EXPECT_FALSE(sound.isPlaying());
        EXPECT_EQ(sound.duration(), 0.0f);
        EXPECT_EQ(sound.position(), 0.0f);
    }
    BWSound none;
    EXPECT_EQ(none.play(), 0);
    EXPECT_EQ(none.volume(), 0.0f);
    none.seek(1.0f);
    none.setVolume(0.5f);
}

TEST_F(Sound, DeviceOpensWithTheFirstSoundAndClosesWithTheLast)
{
    {
        BWSound first(toneFile("a.wav", 0.1f));
        EXPECT_TRUE(isSoundDeviceOpen());
        BWSound second(toneFile("b.wav", 0.1f));
        EXPECT_EQ(opens, 1);
        EXPECT_TRUE(second.load(toneFile("c.wav", 0.2f)));  // replacing keeps the device
        EXPECT_FLOAT_EQ(second.duration(), 0.2f);
        EXPECT_EQ(closes, 0);
    }
    EXPECT_EQ(closes, 1);
    EXPECT_FALSE(isSoundDeviceOpen());
    BWSound again(toneFile("d.wav", 0.1f));
    EXPECT_EQ(opens, 2);
}

TEST_F(Sound, WithoutADeviceEverySoundIsSilent)
{
    deviceAvailable = false;
    BWSound sound;
    EXPECT_FALSE(sound.load(toneFile("quiet.wav", 0.1f)));
    EXPECT_FALSE(isSoundDeviceOpen());
    EXPECT_EQ(sound.play(), 0);
    EXPECT_EQ(sound.duration(), 0.0f);
    EXPECT_EQ(closes, 0);
}

} // namespace

namespace {

// The platform's device under SDL's dummy driver: opened by the first sound, closed by the
// last, and the sound plays on it.
TEST(SoundOnPlatformDevice, OpensWithTheFirstSoundAndClosesWithTheLast)
{
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    setSoundDevice(platformSoundDevice());
    TempDir dir;
    WavFile wav;
    wav.data = constantFrames(4410, 500);
    writeBytes(dir.path("tick.wav"), wavBytes(wav));
    {
        BWSound sound;
        ASSERT_TRUE(sound.load(BWString("%s", dir.path("tick.wav").c_str())));
        EXPECT_TRUE(isSoundDeviceOpen());
        EXPECT_NE(sound.play(), 0);
        sound.setVolume(0.5f);
        EXPECT_FLOAT_EQ(sound.duration(), 0.1f);
    }
    EXPECT_FALSE(isSoundDeviceOpen());
}

} // namespace
