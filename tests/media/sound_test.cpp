// sound_test.cpp: voices, ids, volumes and positions of BWSound, heard through the mixer.
#include "media/mixer.h"
#include "media/sound.h"
#include "media/sound_device.h"
#include "platform/platform.h"
#include "test_files.h"

#include <gtest/gtest.h>

namespace {

int opens = 0;
int closes = 0;
int resumes = 0;
bool deviceAvailable = true;

// Pulls the next frames as the device would; returns the left sample of the last frame.
int16_t mixFrames(int frames)
{
    std::vector<int16_t> samples(size_t(frames) * 2);
    mixSounds(samples.data(), frames);
    return samples[samples.size() - 2];
}

class Sound : public ::testing::Test {
protected:
    void SetUp() override
    {
        opens = closes = resumes = 0;
        deviceAvailable = true;
        SoundDevice device;
        device.open = [](SoundDeviceCallback, void*) { return ++opens, deviceAvailable; };
        device.close = [] { ++closes; };
        device.lock = device.unlock = [] {};
        device.resume = [] { ++resumes; };
        setSoundDevice(device);
    }
    void TearDown() override
    {
        enableSound();
        setMasterVolume(1.0f);
    }

    // A stereo 16-bit 44100 Hz file of one constant level.
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
    EXPECT_TRUE(sound.isPlaying(first) && sound.isPlaying(second) && sound.isPlaying(third));
    EXPECT_EQ(mixFrames(1), 3 * 10000);  // the voices add up

    mixFrames(2 * 44100);
    EXPECT_FALSE(sound.isPlaying());
    EXPECT_EQ(sound.play(), first);  // rewound from its end
    EXPECT_EQ(sound.position(first), 0.0f);
    EXPECT_EQ(sound.play(), second);

    disableSound();
    EXPECT_FALSE(sound.isPlaying());
    EXPECT_EQ(sound.play(), 0);
    EXPECT_EQ(mixFrames(4), 0);
    enableSound();
    EXPECT_EQ(sound.play(), first);
}

TEST_F(Sound, VolumesBecomeDecibelsAndScaleTheMix)
{
    BWSound sound(toneFile("loud.wav", 1.0f, 30000));
    int32_t first = sound.play();
    int32_t second = sound.play();
    sound.setVolume(0.5f);
    EXPECT_EQ(sound.bufferVolume(first), -5000);
    EXPECT_EQ(sound.bufferVolume(second), -5000);
    EXPECT_NEAR(mixFrames(1), 2 * 30000 * 0.0031623, 1.0);
    setMasterVolume(0.5f);
    EXPECT_EQ(sound.bufferVolume(second), -7500);
    EXPECT_NEAR(mixFrames(1), 2 * 30000 * 0.00017783, 1.0);
    setMasterVolume(1.0f);

    // A voice's own level holds until that voice is started again.
    sound.setVolume(0.2f, second);
    EXPECT_FLOAT_EQ(sound.volume(second), 0.2f);
    EXPECT_FLOAT_EQ(sound.volume(), 0.5f);
    EXPECT_EQ(sound.bufferVolume(second), -8000);
    sound.stop(second);
    EXPECT_EQ(sound.play(), second);  // the first voice is still busy
    EXPECT_FLOAT_EQ(sound.volume(second), 0.5f);
    sound.setVolume(7.0f);
    EXPECT_EQ(sound.bufferVolume(first), 0);
}

TEST_F(Sound, SeekPastTheEndThenPlayStartsFromTheBeginning)
{
    BWSound half(toneFile("half.wav", 0.5f));
    EXPECT_FLOAT_EQ(half.duration(), 0.5f);
    half.seek(99.0f);
    EXPECT_FLOAT_EQ(half.position(), 0.5f);
    int32_t id = half.play();
    EXPECT_EQ(half.position(id), 0.0f);  // from the beginning
    mixFrames(44100 / 4);
    EXPECT_FLOAT_EQ(half.position(id), 0.25f);
    half.pause(id);
    EXPECT_FALSE(half.isPlaying());
    EXPECT_FLOAT_EQ(half.position(), 0.25f);
    half.stop();
    EXPECT_EQ(half.position(), 0.0f);
}

TEST_F(Sound, UnplayableFilesAndMissingDevicesGiveSilentSounds)
{
    WavFile compressed;
    compressed.formatTag = 2;
    compressed.data = constantFrames(4410, 1000);
    writeBytes(dir.path("adpcm.wav"), wavBytes(compressed));
    for (BWString name : {BWString("%s", dir.path("adpcm.wav").c_str()), BWString(""),
                          BWString("%s", dir.path("missing.wav").c_str())}) {
        BWSound sound;
        EXPECT_FALSE(sound.load(name));
        EXPECT_EQ(sound.play(), 0);
        EXPECT_EQ(sound.duration() + sound.position(), 0.0f);
    }
    EXPECT_EQ(BWSound().play(), 0);
    EXPECT_EQ(opens, 3);  // each time the first sound
    EXPECT_EQ(closes, 3);

    {
        BWSound first(toneFile("a.wav", 0.1f));
        BWSound second(toneFile("b.wav", 0.1f));
        EXPECT_TRUE(second.load(toneFile("c.wav", 0.2f)));  // replacing keeps the device
        EXPECT_EQ(opens, 4);
        EXPECT_EQ(closes, 3);
    }
    EXPECT_EQ(closes, 4);
    EXPECT_FALSE(isSoundDeviceOpen());

    deviceAvailable = false;
    BWSound quiet(toneFile("quiet.wav", 0.1f));
    EXPECT_EQ(quiet.play(), 0);
    EXPECT_EQ(quiet.duration(), 0.0f);
}

// A device rests once its callback answers that nothing plays; the next sound wakes it and is
// heard from the first frame of the next buffer, at its full level, however long it rested.
TEST_F(Sound, ASoundAfterASilenceStartsWithTheNextBuffer)
{
    BWSound sound(toneFile("tick.wav", 0.1f, 8000));
    std::vector<int16_t> buffer(1024 * 2);
    EXPECT_FALSE(mixSounds(buffer.data(), 1024)) << "nothing plays: the device may rest";
    EXPECT_NE(sound.play(), 0);
    EXPECT_EQ(resumes, 1) << "a start wakes the device";
    EXPECT_TRUE(mixSounds(buffer.data(), 1024));
    EXPECT_EQ(buffer[0], 8000) << "from the buffer's first frame";
    bool playing = true;
    for (int buffers = 0; playing && buffers < 10; ++buffers) {
        playing = mixSounds(buffer.data(), 1024);
    }
    EXPECT_FALSE(playing) << "the sound's end lets the device rest";
    EXPECT_FALSE(sound.isPlaying());

    // A rested device pulls nothing, however long the silence; a new start is its next buffer.
    EXPECT_NE(sound.play(), 0);
    EXPECT_EQ(resumes, 2);
    EXPECT_TRUE(mixSounds(buffer.data(), 1024));
    EXPECT_EQ(buffer[0], 8000);
    EXPECT_EQ(buffer[1], 8000);

    disableSound();
    EXPECT_EQ(sound.play(), 0);
    EXPECT_EQ(resumes, 2) << "nothing started, nothing woken";
}

TEST(SoundOnPlatformDevice, OpensWithTheFirstSoundAndClosesWithTheLast)
{
    setenv("SDL_AUDIODRIVER", "dummy", 1);  // a device that always opens
    setSoundDevice(platformSoundDevice());
    TempDir dir;
    WavFile wav;
    wav.data = constantFrames(4410, 500);
    writeBytes(dir.path("tick.wav"), wavBytes(wav));
    {
        BWSound sound(BWString("%s", dir.path("tick.wav").c_str()));
        EXPECT_TRUE(isSoundDeviceOpen());
        EXPECT_NE(sound.play(), 0);
        EXPECT_FLOAT_EQ(sound.duration(), 0.1f);
        EXPECT_FALSE(platformAudioResting()) << "playing";
        // The device's own thread plays the tenth of a second, then rests (a bound, not a timing).
        for (int waited = 0; waited < 5000 && sound.isPlaying(); waited += 10) {
            platformSleepMilliseconds(10);
        }
        for (int waited = 0; waited < 5000 && !platformAudioResting(); waited += 10) {
            platformSleepMilliseconds(10);
        }
        EXPECT_TRUE(platformAudioResting()) << "silent";
        EXPECT_NE(sound.play(), 0);
        EXPECT_FALSE(platformAudioResting()) << "woken by the next sound";
    }
    EXPECT_FALSE(isSoundDeviceOpen());
}

} // namespace
