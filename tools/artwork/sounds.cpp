// sounds.cpp: the six effects, synthesised from enveloped partials into 16-bit mono PCM WAV files.
#include "artwork.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

constexpr int kSampleRate = 44100;
// Every effect peaks at -3.5 dBFS: loud enough, with headroom when several play at once.
const double kPeakLevel = std::pow(10.0, -3.5 / 20.0);

struct Partial {
    double ratio;      // of the note's frequency
    double amplitude;
};

struct Note {
    double frequency;
    double start;      // seconds
    double length;     // seconds, including the release
    double amplitude;
    double decay;      // exponential decay rate per second
    std::vector<Partial> partials;
};

// A fixed-seed generator for the noise of the clicks, so every run writes the same samples.
struct Noise {
    uint32_t state = 0x2545f491u;
    double next()
    {
        state = state * 1664525u + 1013904223u;
        return static_cast<double>(state >> 8) / 8388608.0 - 1.0;
    }
};

// Attack and release are raised-cosine ramps: no step in the waveform, so no click.
double envelope(double t, double length, double decay)
{
    const double attack = 0.004;
    const double release = std::min(0.03, length * 0.3);
    double gain = std::exp(-decay * t);
    if (t < attack) gain *= 0.5 - 0.5 * std::cos(M_PI * t / attack);
    if (t > length - release) gain *= 0.5 + 0.5 * std::cos(M_PI * (t - (length - release)) / release);
    return t < 0 || t > length ? 0.0 : gain;
}

void addNote(std::vector<double>& samples, const Note& note)
{
    int first = static_cast<int>(note.start * kSampleRate);
    int count = static_cast<int>(note.length * kSampleRate);
    for (int i = 0; i < count && first + i < int(samples.size()); i++) {
        double t = double(i) / kSampleRate;
        double value = 0;
        for (const Partial& partial : note.partials)
            value += partial.amplitude * std::sin(2 * M_PI * note.frequency * partial.ratio * t);
        samples[first + i] += note.amplitude * envelope(t, note.length, note.decay) * value;
    }
}

// A short burst of softened noise: the grain of a pencil or the knock of a wooden piece.
void addNoise(std::vector<double>& samples, double start, double length, double amplitude,
              double smoothing, double decay)
{
    Noise noise;
    double filtered = 0;
    int first = static_cast<int>(start * kSampleRate);
    int count = static_cast<int>(length * kSampleRate);
    for (int i = 0; i < count && first + i < int(samples.size()); i++) {
        filtered += smoothing * (noise.next() - filtered);
        samples[first + i] += amplitude * envelope(double(i) / kSampleRate, length, decay) * filtered;
    }
}

std::vector<uint8_t> encodeWav(std::vector<double> samples)
{
    double peak = 0;
    for (double s : samples) peak = std::max(peak, std::fabs(s));
    double scale = peak > 0 ? kPeakLevel / peak : 0;
    std::vector<uint8_t> bytes;
    auto put = [&](uint32_t value, int size) {
        for (int i = 0; i < size; i++) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
    };
    auto tag = [&](const char* name) {
        for (int i = 0; i < 4; i++) bytes.push_back(static_cast<uint8_t>(name[i]));
    };
    uint32_t dataSize = static_cast<uint32_t>(samples.size() * 2);
    tag("RIFF");
    put(4 + 26 + 8 + dataSize, 4);
    tag("WAVE");
    // The 18-byte form of the format block (a zero extra size at its end).
    tag("fmt ");
    put(18, 4);
    put(1, 2);              // PCM
    put(1, 2);              // mono
    put(kSampleRate, 4);
    put(kSampleRate * 2, 4);  // bytes per second
    put(2, 2);              // block align
    put(16, 2);             // bits per sample
    put(0, 2);
    tag("data");
    put(dataSize, 4);
    for (double s : samples) {
        auto value = static_cast<int16_t>(std::lround(std::clamp(s * scale, -1.0, 1.0) * 32767));
        put(static_cast<uint16_t>(value), 2);
    }
    return bytes;
}

std::vector<double> silence(double seconds) { return std::vector<double>(size_t(seconds * kSampleRate), 0.0); }

const std::vector<Partial> kSine{{1, 1}};
const std::vector<Partial> kBell{{1, 1}, {2.0, 0.32}, {3.01, 0.12}, {4.2, 0.05}};
const std::vector<Partial> kWood{{1, 1}, {2.76, 0.35}, {5.4, 0.12}};

std::vector<double> checkSound()
{
    auto s = silence(0.09);
    addNote(s, {1480, 0, 0.08, 0.8, 55, {{1, 1}, {2, 0.2}}});
    addNoise(s, 0, 0.012, 0.25, 0.5, 200);
    return s;
}

std::vector<double> numberSound()
{
    auto s = silence(0.12);
    addNote(s, {988, 0, 0.11, 0.9, 32, kBell});
    return s;
}

std::vector<double> placeSound()
{
    auto s = silence(0.16);
    addNote(s, {392, 0, 0.15, 1.0, 38, kWood});
    addNoise(s, 0, 0.02, 0.35, 0.25, 150);
    return s;
}

std::vector<double> pencilSound()
{
    auto s = silence(0.1);
    addNoise(s, 0, 0.07, 0.9, 0.55, 45);
    addNote(s, {2350, 0, 0.05, 0.25, 70, kSine});
    return s;
}

std::vector<double> doneSound()
{
    auto s = silence(0.42);
    addNote(s, {784, 0, 0.3, 0.8, 9, kBell});
    addNote(s, {1175, 0.1, 0.31, 0.8, 9, kBell});
    return s;
}

std::vector<double> finishSound()
{
    auto s = silence(1.5);
    const double arpeggio[4] = {523.25, 659.25, 783.99, 1046.5};
    for (int i = 0; i < 4; i++) addNote(s, {arpeggio[i], i * 0.11, 1.5 - i * 0.11, 0.55, 2.8, kBell});
    addNote(s, {261.63, 0.33, 1.17, 0.35, 2.2, kSine});
    return s;
}

}  // namespace

void addSounds(Artwork& art)
{
    art.files.push_back({"sound_check.wav", encodeWav(checkSound())});
    art.files.push_back({"sound_number.wav", encodeWav(numberSound())});
    art.files.push_back({"sound_place.wav", encodeWav(placeSound())});
    art.files.push_back({"sound_test.wav", encodeWav(pencilSound())});
    art.files.push_back({"sound_finish.wav", encodeWav(finishSound())});
    art.files.push_back({"sound_done.wav", encodeWav(doneSound())});
}
