// wav_reader.cpp: walking RIFF chunks and converting PCM samples to device frames.
#include "media/wav_reader.h"

#include "media/file_bytes.h"

#include <cstring>

namespace {

uint32_t littleEndian32(const uint8_t* bytes)
{
    return uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 | uint32_t(bytes[2]) << 16 |
           uint32_t(bytes[3]) << 24;
}

uint16_t littleEndian16(const uint8_t* bytes)
{
    return uint16_t(bytes[0] | bytes[1] << 8);
}

struct Chunk {
    size_t body = 0;    // offset of the chunk's first data byte
    uint32_t size = 0;  // as declared; may run past the end of the file
};

// Looks for the chunk with this id among the chunks from offset to end; chunk bodies are
// padded to an even length. On success offset moves past the chunk found.
bool findChunk(const uint8_t* bytes, size_t& offset, size_t end, const char* id, Chunk& chunk)
{
    while (end >= 8 && offset <= end - 8) {
        uint32_t size = littleEndian32(bytes + offset + 4);
        size_t next = offset + 8 + size_t(size) + (size & 1);
        if (std::memcmp(bytes + offset, id, 4) == 0) {
            chunk.body = offset + 8;
            chunk.size = size;
            offset = next;
            return true;
        }
        offset = next;
    }
    return false;
}

// Every clip is resampled to the device rate when it loads, so a low rate multiplies its size:
// a 30 KB file claiming 1 Hz would ask for 5 GB. No real recording goes below this.
constexpr uint32_t kLowestSampleRate = 4000;

bool isPlayablePcm(const WavFormat& format)
{
    uint32_t bytesPerSample = format.bitsPerSample / 8;
    bool knownDepth = format.bitsPerSample == 8 || format.bitsPerSample == 16 ||
                      format.bitsPerSample == 24 || format.bitsPerSample == 32;
    return format.formatTag == 1 && format.channels > 0 && knownDepth &&
           format.blockAlign == format.channels * bytesPerSample &&
           format.samplesPerSecond >= kLowestSampleRate && format.bytesPerSecond > 0;
}

WavFormat formatFrom(const uint8_t* bytes)
{
    WavFormat format;
    format.formatTag = littleEndian16(bytes + 0);
    format.channels = littleEndian16(bytes + 2);
    format.samplesPerSecond = littleEndian32(bytes + 4);
    format.bytesPerSecond = littleEndian32(bytes + 8);
    format.blockAlign = littleEndian16(bytes + 12);
    format.bitsPerSample = littleEndian16(bytes + 14);
    return format;
}

// One sample of the given depth as signed 16 bits: 8-bit samples are unsigned, the deeper
// ones keep their top 16 bits.
int16_t sample16(const uint8_t* at, uint16_t bits)
{
    switch (bits) {
    case 8:
        return int16_t((at[0] - 128) * 256);
    case 16:
        return int16_t(littleEndian16(at));
    case 24:
        return int16_t(littleEndian16(at + 1));
    default:
        return int16_t(littleEndian16(at + 2));
    }
}

} // namespace

bool parseWav(const uint8_t* bytes, size_t size, WavClip& clip)
{
    clip = WavClip();
    if (!bytes || size < 12 || std::memcmp(bytes, "RIFF", 4) != 0 ||
        std::memcmp(bytes + 8, "WAVE", 4) != 0) {
        return false;
    }
    size_t end = 8 + size_t(littleEndian32(bytes + 4));
    end = end < size ? end : size;
    size_t offset = 12;
    Chunk fmt;
    if (!findChunk(bytes, offset, end, "fmt ", fmt) || fmt.size < 16 || size - fmt.body < 16) {
        return false;
    }
    WavFormat format = formatFrom(bytes + fmt.body);
    Chunk data;
    // A data chunk that claims more than the file holds is a short read: nothing plays.
    if (!isPlayablePcm(format) || !findChunk(bytes, offset, end, "data", data) ||
        size - data.body < data.size) {
        return false;
    }
    clip.format = format;
    clip.data.assign(bytes + data.body, bytes + data.body + data.size);
    return true;
}

bool readWavFile(const char* fileName, WavClip& clip)
{
    std::vector<uint8_t> bytes = readFileBytes(fileName);
    return parseWav(bytes.data(), bytes.size(), clip);
}

std::vector<int16_t> toDeviceFrames(const WavClip& clip)
{
    const WavFormat& format = clip.format;
    std::vector<int16_t> frames;
    if (!isPlayablePcm(format)) {
        return frames;
    }
    size_t sourceFrames = clip.data.size() / format.blockAlign;
    size_t bytesPerSample = format.bitsPerSample / 8;
    size_t rightOffset = format.channels > 1 ? bytesPerSample : 0;
    auto sampleAt = [&](size_t frame, size_t channelOffset) {
        return sample16(clip.data.data() + frame * format.blockAlign + channelOffset,
                        format.bitsPerSample);
    };
    uint64_t deviceFrames = uint64_t(sourceFrames) * kDeviceSampleRate / format.samplesPerSecond;
    frames.resize(size_t(deviceFrames) * 2);
    for (uint64_t out = 0; out < deviceFrames; ++out) {
        // Where this device frame falls in the source, as a whole frame and a fraction.
        uint64_t scaled = out * format.samplesPerSecond;
        size_t first = size_t(scaled / kDeviceSampleRate);
        size_t second = first + 1 < sourceFrames ? first + 1 : first;
        double fraction = double(scaled % kDeviceSampleRate) / kDeviceSampleRate;
        for (size_t channel = 0; channel < 2; ++channel) {
            size_t channelOffset = channel == 0 ? 0 : rightOffset;
            double a = sampleAt(first, channelOffset);
            double b = sampleAt(second, channelOffset);
            frames[size_t(out) * 2 + channel] = int16_t(a + (b - a) * fraction);
        }
    }
    return frames;
}
