// sdl_services.cpp: the clock, calendar, audio device, beep, notices, clipboard and files.
#include "platform/platform.h"

#include <SDL.h>
#include <sys/stat.h>
#include <unistd.h>
#ifdef _WIN32
#include <windows.h>
#endif

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <ctime>

namespace {

// ---- Clock: program start is the first use of this file, at static initialisation.

const std::chrono::steady_clock::time_point programStart = std::chrono::steady_clock::now();

// ---- Audio: one device, shared by the caller's mixer and the beep.

constexpr int kSampleRate = 44100;
constexpr int kBeepFrames = kSampleRate / 8;
constexpr double kBeepHertz = 880.0;
constexpr double kPi = 3.14159265358979323846;

// Everything the services keep between calls.
struct ServicesState {
    // Under the manual clock time stands still at manualNow until a test moves it.
    bool manualClock = false;
    uint64_t manualNow = 0;
    SDL_AudioDeviceID audioDevice = 0;
    PlatformAudioCallback audioCallback = nullptr;
    void* audioUser = nullptr;
    // No device opened once: the rest of the run stays silent rather than ask again.
    bool audioUnavailable = false;
    // The window is away (sdlSetAudioAway), and the device was closed for it.
    bool audioAway = false;
    bool reopenWhenBack = false;
    int beepFramesLeft = 0;
    int beepCount = 0;
    int messageBoxCount = 0;
};
ServicesState state;

// Adds what is left of the beep on top of the mixed samples: a sine with a short fade out so
// the end does not click.
void mixBeep(int16_t* samples, int frames)
{
    for (int frame = 0; frame < frames && state.beepFramesLeft > 0; ++frame, --state.beepFramesLeft) {
        double played = static_cast<double>(kBeepFrames - state.beepFramesLeft);
        double fade = std::min(1.0, state.beepFramesLeft / (kSampleRate * 0.02));
        double level = std::sin(2.0 * kPi * kBeepHertz * played / kSampleRate) * 6000.0 * fade;
        for (int channel = 0; channel < 2; ++channel) {
            int mixed = samples[frame * 2 + channel] + static_cast<int>(level);
            samples[frame * 2 + channel] = static_cast<int16_t>(std::clamp(mixed, -32768, 32767));
        }
    }
}

// Runs with the device's lock held, which is recursive: the pause takes it again.
void fillAudio(void*, Uint8* stream, int length)
{
    auto* samples = reinterpret_cast<int16_t*>(stream);
    int frames = length / static_cast<int>(2 * sizeof(int16_t));
    bool playing = false;
    if (state.audioCallback) {
        playing = state.audioCallback(state.audioUser, samples, frames);
    } else {
        SDL_memset(stream, 0, static_cast<size_t>(length));
    }
    mixBeep(samples, frames);
    // Nothing more to play: the callback rests until something starts. This buffer still goes
    // out whole, so a sound's end is heard to the last frame.
    if (!playing && state.beepFramesLeft == 0) {
        SDL_PauseAudioDevice(state.audioDevice, 1);
    }
}

bool ensureAudioDevice()
{
    if (state.audioDevice != 0) {
        return true;
    }
    if (state.audioUnavailable) {
        return false;
    }
    // Opening a device the driver has not found makes its library report the failure at length
    // on the standard error stream (ALSA: eight lines), so a driver that finds no output device
    // at all is not asked to open one. A driver that cannot count its devices (-1) is asked.
    state.audioUnavailable = true;
    if (!SDL_WasInit(SDL_INIT_AUDIO)) {
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) {
            return false;
        }
        // Counted once, when the driver starts: a count may make the driver search again.
        if (SDL_GetNumAudioDevices(0) == 0) {
            // Stops the driver's watch for new devices too, which would slow the program's exit.
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
    }
    SDL_AudioSpec wanted{};
    wanted.freq = kSampleRate;
    wanted.format = AUDIO_S16SYS;
    wanted.channels = 2;
    wanted.samples = 1024;
    wanted.callback = fillAudio;
    SDL_AudioSpec obtained{};
    // No changes allowed: SDL converts to whatever the hardware wants.
    state.audioDevice = SDL_OpenAudioDevice(nullptr, 0, &wanted, &obtained, 0);
    if (state.audioDevice == 0) {
        return false;
    }
    state.audioUnavailable = false;
    SDL_PauseAudioDevice(state.audioDevice, 0);
    return true;
}

} // namespace

uint64_t platformMilliseconds()
{
    if (state.manualClock) {
        return state.manualNow;
    }
    auto elapsed = std::chrono::steady_clock::now() - programStart;
    return static_cast<uint64_t>(std::chrono::duration_cast<std::chrono::milliseconds>(elapsed).count());
}

void platformSleepMilliseconds(uint32_t ms)
{
    if (state.manualClock) {
        state.manualNow += ms;
        return;
    }
    SDL_Delay(ms);
}

#ifndef __EMSCRIPTEN__
// A desktop's keyboard is always there (the browser's page shows one: sdl_web_page.cpp).
void platformSetTypingWanted(bool) {}
#endif

uint32_t platformUptimeMilliseconds()
{
#ifdef __EMSCRIPTEN__
    // A page's counters start with the page; the wall clock's milliseconds vary from load to load.
    return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::milliseconds>(
                                     std::chrono::system_clock::now().time_since_epoch())
                                     .count());
#else
    // The high-resolution counter runs from a moment of the system's choosing (on Linux and
    // Windows the machine's start), never from this program's.
    const uint64_t frequency = SDL_GetPerformanceFrequency();
    return static_cast<uint32_t>(SDL_GetPerformanceCounter() / (frequency / 1000 ? frequency / 1000 : 1));
#endif
}

void platformUseManualClock(uint64_t startMs)
{
    state.manualClock = true;
    state.manualNow = startMs;
}

void platformUseRealClock()
{
    state.manualClock = false;
}

bool platformClockIsManual()
{
    return state.manualClock;
}

void platformAdvanceClock(uint64_t ms)
{
    state.manualNow += ms;
}

PlatformLocalTime platformLocalTime()
{
    std::time_t now = std::time(nullptr);
    std::tm fields{};
    PlatformLocalTime local;
#ifdef _WIN32
    if (localtime_s(&fields, &now) != 0) {
#else
    if (!localtime_r(&now, &fields)) {
#endif
        return local;
    }
    local.year = fields.tm_year + 1900;
    local.month = fields.tm_mon + 1;
    local.day = fields.tm_mday;
    local.hour = fields.tm_hour;
    local.minute = fields.tm_min;
    local.second = std::min(fields.tm_sec, 59); // a leap second reads as the minute's last
    local.weekday = fields.tm_wday;
    return local;
}

void sdlSetAudioAway(bool away)
{
#ifndef __EMSCRIPTEN__ // a page may be allowed a new audio output only at a touch or a click
    if (away == state.audioAway) {
        return;
    }
    state.audioAway = away;
    if (away && state.audioDevice != 0) {
        SDL_CloseAudioDevice(state.audioDevice);
        state.audioDevice = 0;
        state.beepFramesLeft = 0;
        state.reopenWhenBack = true;
    } else if (!away && state.reopenWhenBack) {
        state.reopenWhenBack = false;
        // The callback was kept: the device opens running and rests once it finds silence.
        ensureAudioDevice();
    }
#else
    (void)away;
#endif
}

bool platformOpenAudio(PlatformAudioCallback callback, void* user)
{
    if (!ensureAudioDevice()) {
        return false;
    }
    SDL_LockAudioDevice(state.audioDevice);
    state.audioCallback = callback;
    state.audioUser = user;
    // The new callback answers for itself whether the device may rest.
    SDL_PauseAudioDevice(state.audioDevice, 0);
    SDL_UnlockAudioDevice(state.audioDevice);
    return true;
}

void platformCloseAudio()
{
    if (state.audioDevice != 0) {
        SDL_CloseAudioDevice(state.audioDevice);
        state.audioDevice = 0;
    }
    state.audioCallback = nullptr;
    state.audioUser = nullptr;
    state.beepFramesLeft = 0;
    state.reopenWhenBack = false;
}

void platformLockAudio()
{
    if (state.audioDevice != 0) {
        SDL_LockAudioDevice(state.audioDevice);
    }
}

void platformUnlockAudio()
{
    if (state.audioDevice != 0) {
        SDL_UnlockAudioDevice(state.audioDevice);
    }
}

void platformResumeAudio()
{
    if (state.audioDevice != 0) {
        SDL_PauseAudioDevice(state.audioDevice, 0);
    }
}

bool platformAudioResting()
{
    return state.audioDevice != 0 && SDL_GetAudioDeviceStatus(state.audioDevice) == SDL_AUDIO_PAUSED;
}

void platformBeep()
{
    ++state.beepCount;
    if (state.manualClock || state.audioAway || !ensureAudioDevice()) {
        return;
    }
    SDL_LockAudioDevice(state.audioDevice);
    state.beepFramesLeft = kBeepFrames;
    SDL_PauseAudioDevice(state.audioDevice, 0);
    SDL_UnlockAudioDevice(state.audioDevice);
}

int platformBeepCount()
{
    return state.beepCount;
}

void platformMessageBox(const char* text)
{
    ++state.messageBoxCount;
    if (state.manualClock) {
        return;
    }
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, "", text, nullptr);
}

int platformMessageBoxCount()
{
    return state.messageBoxCount;
}

std::string platformClipboardText()
{
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        return "";
    }
    char* text = SDL_GetClipboardText();
    std::string copy = text ? text : "";
    SDL_free(text);
    return copy;
}

bool platformSetClipboardText(const char* text)
{
    return text && SDL_WasInit(SDL_INIT_VIDEO) && SDL_SetClipboardText(text) == 0;
}

bool platformOpenUrl(const char* url)
{
    return url && *url && SDL_OpenURL(url) == 0;
}

std::string platformExecutableFolder()
{
    char* folder = SDL_GetBasePath();
    std::string copy = folder ? folder : "";
    SDL_free(folder);
    return copy;
}

std::string platformProgramName()
{
#ifdef _WIN32
    char path[MAX_PATH];
    DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    // A full buffer means the path was cut short.
    return length == 0 || length >= sizeof path ? "" : std::string(path, length);
#elif defined(__GLIBC__)
    return program_invocation_short_name;
#elif defined(__EMSCRIPTEN__)
    // A page has no program file.
    return "";
#else
    const char* name = getprogname();
    return name ? name : "";
#endif
}

std::vector<std::string> platformPreferredLanguages()
{
    std::vector<std::string> languages;
#ifdef _WIN32
    // SDL asks GetUserPreferredUILanguages.
    if (SDL_Locale* locales = SDL_GetPreferredLocales()) {
        for (const SDL_Locale* locale = locales; locale->language; locale++) {
            languages.push_back(locale->country ? std::string(locale->language) + "_" + locale->country
                                                : std::string(locale->language));
        }
        SDL_free(locales);
    }
#else
    // gettext's order: LANGUAGE's list first, then the variable that sets the messages' locale.
    if (const char* list = std::getenv("LANGUAGE")) {
        std::string rest = list;
        size_t start = 0;
        while (start <= rest.size()) {
            size_t colon = rest.find(':', start);
            std::string entry = rest.substr(start, colon == std::string::npos ? std::string::npos : colon - start);
            if (!entry.empty()) languages.push_back(entry);
            if (colon == std::string::npos) break;
            start = colon + 1;
        }
    }
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value) {
            languages.emplace_back(value);
            break;
        }
    }
#endif
    return languages;
}

bool platformChangeDirectory(const char* path)
{
    return path && chdir(path) == 0;
}

bool platformDirectoryExists(const char* path)
{
    struct stat info {};
    return path && stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}
