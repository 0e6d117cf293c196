// sound_device_platform.cpp: the sounds' default device is the platform's audio device.
#include "media/sound_device.h"

#include "platform/platform.h"

SoundDevice platformSoundDevice()
{
    static_assert(sizeof(SoundDeviceCallback) == sizeof(PlatformAudioCallback));
    SoundDevice device;
    device.open = [](SoundDeviceCallback callback, void* user) {
        return platformOpenAudio(callback, user);
    };
    device.close = platformCloseAudio;
    device.lock = platformLockAudio;
    device.unlock = platformUnlockAudio;
    device.resume = platformResumeAudio;
    return device;
}
