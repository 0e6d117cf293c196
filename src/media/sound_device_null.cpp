// sound_device_null.cpp: stands in for the platform's device until one is linked: none opens.
#include "media/sound_device.h"

SoundDevice platformSoundDevice()
{
    return SoundDevice();
}
