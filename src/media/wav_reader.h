// wav_reader.h: PCM samples out of RIFF/WAVE files, and their conversion to the one format
// the audio device plays.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// The "fmt " chunk's first 16 bytes, the part every PCM file has.
struct WavFormat {
    uint16_t formatTag = 0;
    uint16_t channels = 0;
    uint32_t samplesPerSecond = 0;
    uint32_t bytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bitsPerSample = 0;
};

struct WavClip {
    WavFormat format;
    std::vector<uint8_t> data;  // the "data" chunk as stored
};

// Reads a RIFF file of form "WAVE": its "fmt " chunk (16 bytes or longer) and the "data" chunk
// that follows it. False, with the clip left empty, for anything that cannot be played:
// not RIFF/WAVE, a missing or short chunk, a format other than PCM (tag 1), or a PCM header
// whose sizes disagree (channels, 8/16/24/32 bits, frame size, a byte rate of 0), or a sample
// rate under 4000 Hz (resampled to the device rate, a small file would fill gigabytes).
bool parseWav(const uint8_t* bytes, size_t size, WavClip& clip);
bool readWavFile(const char* fileName, WavClip& clip);

// The device plays interleaved stereo signed 16-bit frames at this rate.
constexpr uint32_t kDeviceSampleRate = 44100;

// The clip as device frames: mono is doubled, channels after the second are dropped, other
// depths are scaled to 16 bits and other rates are resampled linearly.
std::vector<int16_t> toDeviceFrames(const WavClip& clip);
