// sound.cpp: voice chains, the list of sounds, the switch, the master volume and the device.
#include "media/sound.h"

#include "media/mixer.h"
#include "media/sound_device.h"
#include "media/wav_reader.h"

#include <algorithm>
#include <memory>
#include <vector>

// One voice of a sound. Duplicates share the first voice's samples; only first voices are
// linked into the list of sounds. No samples: a silent voice.
struct SoundVoice {
    std::shared_ptr<const std::vector<int16_t>> samples;
    uint32_t bytesPerSecond = 0;
    float duration = 0.0f;
    SoundVoice* previous = nullptr;
    SoundVoice* next = nullptr;
    std::unique_ptr<SoundVoice> nextVoice;
    int32_t id = 0;
    float volume = 1.0f;
    float baseVolume = 1.0f;
    // Play positions are kept in device frames; these turn them back into the file's bytes.
    uint32_t dataBytes = 0;
    uint32_t blockAlign = 1;
    uint32_t sampleRate = kDeviceSampleRate;
    int32_t bufferVolume = 0;
    MixerVoice mixer;
};

namespace {

struct SoundSystem {
    SoundVoice* sounds = nullptr;  // newest first
    int32_t voiceCounter = 0;
    bool enabled = true;
    float masterVolume = 1.0f;
    bool deviceOpen = false;
    SoundDevice device = platformSoundDevice();
};

SoundSystem& soundSystem()
{
    static SoundSystem state;
    return state;
}

// Keeps the device's callback out of the voices while they change.
class DeviceLock {
public:
    DeviceLock() : locked_(soundSystem().deviceOpen)
    {
        if (locked_) {
            soundSystem().device.lock();
        }
    }
    ~DeviceLock()
    {
        if (locked_) {
            soundSystem().device.unlock();
        }
    }
    DeviceLock(const DeviceLock&) = delete;
    DeviceLock& operator=(const DeviceLock&) = delete;

private:
    bool locked_;
};

bool deviceCallback(void*, int16_t* samples, int frames)
{
    return mixSounds(samples, frames);
}

float clampedLevel(float level)
{
    if (!(level > 0.0f)) {
        return 0.0f;
    }
    return level < 1.0f ? level : 1.0f;
}

void applyVolume(SoundVoice& voice, float level)
{
    voice.volume = level;
    voice.bufferVolume = hundredthsOfDecibel(soundSystem().masterVolume, level);
    voice.mixer.gain = linearGain(voice.bufferVolume);
}

// The play cursor as a byte offset into the file's data chunk.
uint32_t cursorBytes(const SoundVoice& voice)
{
    if (voice.mixer.cursor >= voice.mixer.frames) {
        return voice.dataBytes;
    }
    uint64_t sourceFrame = uint64_t(voice.mixer.cursor) * voice.sampleRate / kDeviceSampleRate;
    return uint32_t(sourceFrame * voice.blockAlign);
}

float positionSeconds(const SoundVoice& voice)
{
    if (voice.bytesPerSecond == 0) {
        return 0.0f;
    }
    return float(cursorBytes(voice)) / float(voice.bytesPerSecond);
}

void setPositionBytes(SoundVoice& voice, uint32_t bytes)
{
    if (bytes >= voice.dataBytes) {
        voice.mixer.cursor = voice.mixer.frames;
        return;
    }
    uint64_t sourceFrame = bytes / voice.blockAlign;
    uint64_t frame = sourceFrame * kDeviceSampleRate / voice.sampleRate;
    voice.mixer.cursor = uint32_t(frame < voice.mixer.frames ? frame : voice.mixer.frames);
}

void stopVoice(SoundVoice& voice, bool rewind)
{
    voice.mixer.playing = false;
    if (rewind) {
        voice.mixer.cursor = 0;
    }
}

bool chainPlaying(const SoundVoice* voice)
{
    for (; voice; voice = voice->nextVoice.get()) {
        if (voice->mixer.playing) {
            return true;
        }
    }
    return false;
}

// Fills a fresh voice from the file; false leaves it silent.
bool loadVoice(SoundVoice& voice, const char* fileName)
{
    WavClip clip;
    if (!fileName || !*fileName || !soundSystem().deviceOpen || !readWavFile(fileName, clip)) {
        return false;
    }
    auto samples = std::make_shared<std::vector<int16_t>>(toDeviceFrames(clip));
    voice.samples = samples;
    voice.mixer.samples = samples->data();
    voice.mixer.frames = uint32_t(samples->size() / 2);
    voice.bytesPerSecond = clip.format.bytesPerSecond;
    voice.dataBytes = uint32_t(clip.data.size());
    voice.duration = float(voice.dataBytes) / float(voice.bytesPerSecond);
    voice.blockAlign = clip.format.blockAlign;
    voice.sampleRate = clip.format.samplesPerSecond;
    applyVolume(voice, voice.baseVolume);
    return true;
}

std::unique_ptr<SoundVoice> duplicateVoice(const SoundVoice& original)
{
    auto voice = std::make_unique<SoundVoice>();
    voice->id = ++soundSystem().voiceCounter;
    voice->samples = original.samples;
    voice->mixer.samples = original.mixer.samples;
    voice->mixer.frames = original.mixer.frames;
    voice->bytesPerSecond = original.bytesPerSecond;
    voice->duration = original.duration;
    voice->dataBytes = original.dataBytes;
    voice->blockAlign = original.blockAlign;
    voice->sampleRate = original.sampleRate;
    voice->baseVolume = original.baseVolume;
    applyVolume(*voice, original.baseVolume);
    return voice;
}

// A new first voice, linked at the head of the list; the first sound opens the device.
SoundVoice* createFirstVoice(const char* fileName)
{
    SoundSystem& state = soundSystem();
    if (!state.sounds && state.device.open) {
        state.deviceOpen = state.device.open(deviceCallback, nullptr);
    }
    auto voice = std::make_unique<SoundVoice>();
    voice->id = ++state.voiceCounter;
    loadVoice(*voice, fileName);
    DeviceLock lock;
    voice->next = state.sounds;
    if (state.sounds) {
        state.sounds->previous = voice.get();
    }
    state.sounds = voice.get();
    return voice.release();
}

// Unlinks the sound and frees its chain; the last sound closes the device.
void destroySound(SoundVoice* first)
{
    SoundSystem& state = soundSystem();
    {
        DeviceLock lock;
        if (first->previous) {
            first->previous->next = first->next;
        } else {
            state.sounds = first->next;
        }
        if (first->next) {
            first->next->previous = first->previous;
        }
        delete first;
    }
    // Closing waits for the callback, so it happens outside the lock.
    if (!state.sounds && state.deviceOpen) {
        state.deviceOpen = false;
        state.device.close();
    }
}

template <typename Visit>
void forEachVoice(SoundVoice* first, int32_t id, Visit visit)
{
    for (SoundVoice* voice = first; voice; voice = voice->nextVoice.get()) {
        if (id == 0 || voice->id == id) {
            visit(*voice);
        }
    }
}

} // namespace

void setSoundDevice(const SoundDevice& device)
{
    if (!soundSystem().sounds) {
        soundSystem().device = device;
    }
}

bool isSoundDeviceOpen()
{
    return soundSystem().deviceOpen;
}

// Whether any voice of any sound is playing (under the device's lock, or on its thread).
static bool anyVoicePlaying()
{
    for (SoundVoice* sound = soundSystem().sounds; sound; sound = sound->next) {
        for (SoundVoice* voice = sound; voice; voice = voice->nextVoice.get()) {
            if (voice->mixer.playing) {
                return true;
            }
        }
    }
    return false;
}

bool mixSounds(int16_t* samples, int frames)
{
    // Mixed in slices so that the audio thread needs no allocation.
    constexpr int sliceFrames = 512;
    float accumulator[sliceFrames * 2];
    for (int done = 0; done < frames; done += sliceFrames) {
        int slice = frames - done < sliceFrames ? frames - done : sliceFrames;
        std::fill(accumulator, accumulator + slice * 2, 0.0f);
        bool silent = true;
        for (SoundVoice* sound = soundSystem().sounds; sound; sound = sound->next) {
            for (SoundVoice* voice = sound; voice; voice = voice->nextVoice.get()) {
                silent = silent && !voice->mixer.playing;
                mixVoice(voice->mixer, accumulator, slice);
            }
        }
        // Most of the time nothing plays: silence needs no rounding and clipping.
        if (silent) {
            std::fill(samples + done * 2, samples + (done + slice) * 2, int16_t{0});
        } else {
            storeMix(accumulator, samples + done * 2, slice);
        }
    }
    return anyVoicePlaying();
}

BWSound::BWSound(const BWString& fileName)
{
    load(fileName);
}

BWSound::~BWSound()
{
    if (first_) {
        destroySound(first_);
    }
}

bool BWSound::load(const BWString& fileName)
{
    SoundVoice* old = first_;
    first_ = createFirstVoice(fileName.chars());
    if (old) {
        destroySound(old);
    }
    return first_->samples != nullptr;
}

int32_t BWSound::play()
{
    DeviceLock lock;
    for (SoundVoice* voice = first_; voice; voice = voice->nextVoice.get()) {
        if (!soundSystem().enabled || !voice->samples) {
            return 0;
        }
        if (!chainPlaying(voice)) {
            if (positionSeconds(*voice) >= voice->duration) {
                setPositionBytes(*voice, 0);
            }
            if (voice->volume != voice->baseVolume) {
                applyVolume(*voice, voice->baseVolume);
            }
            voice->mixer.playing = true;
            // A device resting through the silence plays this from its next buffer.
            if (soundSystem().deviceOpen && soundSystem().device.resume) {
                soundSystem().device.resume();
            }
            return voice->id;
        }
        if (!voice->nextVoice) {
            voice->nextVoice = duplicateVoice(*voice);
        }
    }
    return 0;
}

void BWSound::stop(int32_t id)
{
    DeviceLock lock;
    forEachVoice(first_, id, [](SoundVoice& voice) { stopVoice(voice, true); });
}

void BWSound::pause(int32_t id)
{
    DeviceLock lock;
    forEachVoice(first_, id, [](SoundVoice& voice) { stopVoice(voice, false); });
}

bool BWSound::isPlaying(int32_t id) const
{
    DeviceLock lock;
    if (id == 0) {
        return chainPlaying(first_);
    }
    SoundVoice* voice = voiceWithId(id);
    return voice && voice->mixer.playing;
}

float BWSound::duration() const
{
    return first_ ? first_->duration : 0.0f;
}

float BWSound::position(int32_t id) const
{
    DeviceLock lock;
    SoundVoice* voice = id == 0 ? first_ : voiceWithId(id);
    return voice ? positionSeconds(*voice) : 0.0f;
}

void BWSound::seek(float seconds, int32_t id)
{
    DeviceLock lock;
    forEachVoice(first_, id, [seconds](SoundVoice& voice) {
        float at = seconds < voice.duration ? seconds : voice.duration;
        at = at > 0.0f ? at : 0.0f;
        setPositionBytes(voice, uint32_t(float(voice.bytesPerSecond) * at));
    });
}

float BWSound::volume(int32_t id) const
{
    if (id == 0) {
        return first_ ? first_->baseVolume : 0.0f;
    }
    SoundVoice* voice = voiceWithId(id);
    return voice ? voice->volume : 0.0f;
}

void BWSound::setVolume(float level, int32_t id)
{
    DeviceLock lock;
    level = clampedLevel(level);
    forEachVoice(first_, id, [level, id](SoundVoice& voice) {
        if (id == 0) {
            voice.baseVolume = level;
        }
        applyVolume(voice, level);
    });
}

int32_t BWSound::bufferVolume(int32_t id) const
{
    SoundVoice* voice = id == 0 ? first_ : voiceWithId(id);
    return voice ? voice->bufferVolume : kSilentHundredthsOfDecibel;
}

SoundVoice* BWSound::voiceWithId(int32_t id) const
{
    for (SoundVoice* voice = first_; voice; voice = voice->nextVoice.get()) {
        if (voice->id == id) {
            return voice;
        }
    }
    return nullptr;
}

void enableSound()
{
    soundSystem().enabled = true;
}

void disableSound()
{
    DeviceLock lock;
    for (SoundVoice* sound = soundSystem().sounds; sound; sound = sound->next) {
        forEachVoice(sound, 0, [](SoundVoice& voice) { stopVoice(voice, true); });
    }
    soundSystem().enabled = false;
}

bool isSoundEnabled()
{
    return soundSystem().enabled;
}

float masterVolume()
{
    return soundSystem().masterVolume;
}

void setMasterVolume(float level)
{
    DeviceLock lock;
    soundSystem().masterVolume = clampedLevel(level);
    for (SoundVoice* sound = soundSystem().sounds; sound; sound = sound->next) {
        forEachVoice(sound, 0, [](SoundVoice& voice) { applyVolume(voice, voice.baseVolume); });
    }
}
