// sound_device.h: the audio device the sounds play on, and the mixing it pulls frames from.
#pragma once

#include <cstdint>

// Fills the frames; answers whether anything is still playing.
using SoundDeviceCallback = bool (*)(void* user, int16_t* samples, int frames);

// How the sounds reach an audio device: opened with the first sound, closed with the last.
// open gives false when no device can be opened; every sound is silent then. lock and unlock
// keep the device's callback out while voices change. A device may rest while its callback
// answers that nothing plays; resume (called, under the lock, whenever a voice starts) wakes it
// for the next buffer. The default is the platform's device.
struct SoundDevice {
    bool (*open)(SoundDeviceCallback callback, void* user) = nullptr;
    void (*close)() = nullptr;
    void (*lock)() = nullptr;
    void (*unlock)() = nullptr;
    void (*resume)() = nullptr;
};

// The platform's audio device: stereo signed 16-bit frames at 44100 Hz.
SoundDevice platformSoundDevice();

// Replaces the device for the sounds created after this call while no sound exists; tests
// install one whose frames they pull themselves with mixSounds. Ignored while sounds exist.
void setSoundDevice(const SoundDevice& device);

// Whether the device is open now (it is exactly while at least one sound exists and the
// first of them could open it).
bool isSoundDeviceOpen();

// Mixes the next `frames` stereo frames of every playing voice of every sound into samples
// and moves the voices on: the device callback, and the clock of tests without a device.
// Answers whether a voice is still playing afterwards.
bool mixSounds(int16_t* samples, int frames);
