// sound.h: BWSound, short PCM effects that can sound several times at once, and the
// process-wide sound switch and master volume.
#pragma once

#include "base/bw_string.h"

#include <cstdint>

struct SoundVoice;

// A handle to a chain of voices that share one block of samples. Playing a sound while its
// voices are busy adds a voice; voices stay for reuse until the sound is destroyed. Ids are
// unique in the process and never 0: for commands 0 means every voice, for queries the
// sound as a whole. A default sound, or one whose file could not be played, is silent: every
// operation does nothing and returns 0 or false.
class BWSound {
public:
    BWSound() = default;
    explicit BWSound(const BWString& fileName);
    ~BWSound();
    BWSound(const BWSound&) = delete;
    BWSound& operator=(const BWSound&) = delete;

    // Replaces the voices with one from the WAV file; true when it can play. An empty name
    // gives a silent sound.
    bool load(const BWString& fileName);

    // Starts the first voice after the last busy one (adding one when all are busy) from its
    // start or its position and at the sound's level; returns its id, 0 when nothing starts.
    int32_t play();
    // Stops and rewinds.
    void stop(int32_t id = 0);
    // Stops, keeping the position.
    void pause(int32_t id = 0);
    bool isPlaying(int32_t id = 0) const;
    // Length in seconds: data bytes over the format's bytes per second.
    float duration() const;
    // Seconds played; for id 0 the first voice's.
    float position(int32_t id = 0) const;
    // Moves to the time (held at the end), rounded down to a whole sample frame.
    void seek(float seconds, int32_t id = 0);
    // For 0 the sound's level; else that voice's current level.
    float volume(int32_t id = 0) const;
    // Level 0..1. For 0 the sound's level on every voice; for one voice until it next starts.
    void setVolume(float level, int32_t id = 0);
    // The volume applied to a voice, in hundredths of a decibel; for 0 the first voice's.
    // -10000 (silence) when there is no such voice.
    int32_t bufferVolume(int32_t id) const;

private:
    SoundVoice* voiceWithId(int32_t id) const;

    SoundVoice* first_ = nullptr;
};

void enableSound();
// Stops and rewinds every voice of every sound, then turns the switch off: play gives 0.
void disableSound();
bool isSoundEnabled();
float masterVolume();
// Clamps to 0..1 and re-applies every sound's level to all its voices.
void setMasterVolume(float level);
