// wav_fuzz.cpp: arbitrary bytes through the RIFF/WAVE reader and the conversion to device frames.
#include "media/wav_reader.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    WavClip clip;
    if (!parseWav(data, size, clip)) {
        if (!clip.data.empty() || clip.format.formatTag != 0) std::abort();
        return 0;
    }
    if (clip.format.formatTag != 1 || clip.data.size() > size) std::abort();
    std::vector<int16_t> frames = toDeviceFrames(clip);
    if (frames.size() % 2 != 0) std::abort();
    return 0;
}
