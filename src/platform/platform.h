// platform.h: the operating-system services the framework stands on (window, GL context,
// messages, clock, audio device, clipboard, cursors, notices), behind plain C++ types.
//
// This is the only interface to SDL and the system; everything above it sees window messages
// with the values the framework expects (virtual keys with an extended flag, button numbers,
// wheel deltas) and a millisecond clock that counts from program start. Test runs can swap the
// clock for a manual one and the system's message queue for a scripted source (see the end).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

// ---- Clock.

// Milliseconds since the program started (64-bit: no wrap, no loss of precision with uptime).
// Under the manual clock this is the virtual time.
uint64_t platformMilliseconds();
// Sleeps at least that long; under the manual clock it advances virtual time at once.
void platformSleepMilliseconds(uint32_t ms);

// Milliseconds of the system's high-resolution counter, which on Linux and Windows counts from
// the machine's start (in the browser, of the wall clock): varies from run to run, so it seeds
// random numbers.
uint32_t platformUptimeMilliseconds();

// ---- Calendar.

struct PlatformLocalTime {
    int32_t year = 0;
    int32_t month = 0;   // 1-12
    int32_t day = 0;     // 1-31
    int32_t hour = 0;    // 0-23
    int32_t minute = 0;  // 0-59
    int32_t second = 0;  // 0-59
    int32_t weekday = 0; // 0 Sunday to 6 Saturday
};
PlatformLocalTime platformLocalTime();

// ---- Audio device: interleaved stereo signed 16-bit at 44100 Hz.

// Fills `frames` stereo frames (2 * frames samples) and answers whether anything is still
// playing; called on the audio thread. Once it answers no (and no beep sounds), the device is
// paused and the callback rests until platformResumeAudio.
using PlatformAudioCallback = bool (*)(void* user, int16_t* samples, int frames);
// Opens the one device (or takes over the one a beep opened); false when no device opens.
bool platformOpenAudio(PlatformAudioCallback callback, void* user);
void platformCloseAudio();
// Keeps the callback from running while the caller changes what it reads.
void platformLockAudio();
void platformUnlockAudio();
// Something was started: a paused device plays again from its next buffer.
void platformResumeAudio();
// Whether the open device rests, paused through a silence; false when none is open.
bool platformAudioResting();

// ---- Notices.

// A short tone. Every call is counted; under the manual clock it is counted but not played.
void platformBeep();
int platformBeepCount();
// A modal notice with an empty caption, returning when dismissed. Under the manual clock it
// is counted but not shown (a scripted run has nobody to dismiss it).
void platformMessageBox(const char* text);
int platformMessageBoxCount();

// ---- Clipboard, shell, files.

std::string platformClipboardText();
bool platformSetClipboardText(const char* text);
bool platformOpenUrl(const char* url);
// The folder of the running executable, ending in a folder separator, or "" when the system
// does not tell.
std::string platformExecutableFolder();
// The running program's file name (a full path on some systems), or "" when unknown.
std::string platformProgramName();
// Changes the process's current directory; false when it does not exist.
bool platformChangeDirectory(const char* path);
// The user's languages, most wanted first, as the system spells them ("de_DE.UTF-8", "pt-BR"):
// LANGUAGE's list, then the first of LC_ALL, LC_MESSAGES and LANG that is set (Linux and the
// page, whose script sets LANGUAGE); the preferred UI languages on Windows.
std::vector<std::string> platformPreferredLanguages();
bool platformDirectoryExists(const char* path);

// ---- A program that can be ended without notice.

// True where the program can be ended at any moment with no chance to finish (a browser page is
// reloaded, closed or discarded in the background): what it keeps is then written as it
// changes. Tests switch it on to play that part.
bool platformEndsWithoutNotice();
void platformSetEndsWithoutNotice(bool endsWithoutNotice);
// The files the page writes by itself the moment it may be ended (hidden, frozen or left), with
// the bytes given last, or removes (removal): a page's program cannot be called then, as it
// is suspended in the middle of its loop. Elsewhere they are only kept, for tests to read.
void platformKeepOnEnding(const std::string& path, const uint8_t* bytes, size_t size, bool removal);
// What was given for the path; false when nothing was.
bool platformKeptOnEnding(const std::string& path, std::vector<uint8_t>& bytes, bool& removal);

// On X11 the display connection can be lost under the program (the session ended, the server
// died); nothing of the window, its GL context or SDL can be called then, and their exit
// handlers would wait on the dead connection for ever. The program says so on the standard
// error stream and ends at once with status 1, after keep(user) has written what its normal
// end would write, touching nothing of the window. A null keep writes nothing.
void platformSetLostDisplayKeeper(void (*keep)(void* user), void* user);

// ---- Window and OpenGL context.

struct PlatformRect {
    int32_t x = 0;
    int32_t y = 0;
    int32_t w = 0;
    int32_t h = 0;
};

// Creates the one window, hidden and resizable, with its client area width x height window
// units, and makes an OpenGL 1.1-capable compatibility context (double buffer, 32-bit colour,
// 16-bit depth) current on it. Where the system counts window units in points (high-DPI
// screens), the drawable has more pixels than that. On failure nothing is left behind and
// platformLastError() names what failed, with the system's own text. Without SDL_VIDEODRIVER
// only drivers that show a window are tried (never the offscreen or dummy ones). From the
// first window on SIGTERM, SIGINT and SIGHUP become Terminate messages instead of ending the
// process.
bool platformCreateWindow(const char* title, int32_t width, int32_t height);
void platformDestroyWindow();
bool platformHasWindow();
bool platformHasGLContext();
const char* platformLastError();

void platformShowWindow();
void platformHideWindow();
void platformMinimiseWindow();
// Shown by the program: a window the player minimised still counts, so that opening a dialog
// does not bring it back.
bool platformWindowVisible();
// Shown and not minimised: what the window draws can be seen.
bool platformWindowOnScreen();
// Positions the client area's top-left corner on the desktop.
void platformMoveWindow(int32_t x, int32_t y);
// The frame's thickness on each side of the client area (zeros when the system does not tell).
PlatformRect platformWindowBorders();
// The desktop area left free by panels, in desktop pixels.
PlatformRect platformWorkArea();
// The client area's size in window units, and the smallest the player may make it.
void platformWindowSize(int32_t& width, int32_t& height);
void platformSetWindowSize(int32_t width, int32_t height);
void platformSetMinimumWindowSize(int32_t width, int32_t height);
void platformMaximiseWindow();
bool platformWindowMaximised();
// How many window units the desktop gives one unit of an ordinary 96-dpi screen: 1, 1.5, 2...
// (1 where the system scales windows by itself).
float platformDesktopScale();
// Desktop-sized full screen without a mode change, or back to the window at the size it had.
void platformSetFullscreen(bool fullscreen);
bool platformIsFullscreen();
// How often the window went into or out of full screen since the program started.
int platformFullscreenSwitchCount();
// The size in pixels of what GL draws into (the desktop's size in full screen), asked of the
// window each time.
void platformDrawableSize(int32_t& width, int32_t& height);
// Shows the frame drawn: swaps the buffers when the window is shown, and otherwise completes
// the drawing so that nothing stays queued.
void platformPresentFrame();
// Whether the drawable still holds the frame after it is shown, so that the next frame may be
// drawn only where it differs: X11 with GLX_MESA_copy_sub_buffer (changed parts are copied to
// the window; a frame drawn whole is swapped, and the picture is kept from the second swap at
// one size on), the off-screen driver's single buffer, the browser's canvas
// (which preserves its drawing buffer). Elsewhere (Windows, Wayland, X11 without the
// extension) a swap leaves the back buffer undefined and every changed frame is drawn whole.
bool platformPresentKeepsPicture();
// Shows only these parts (drawable pixels, y downwards) of the frame drawn, where the drawable
// keeps the picture; the rest of the window is left as it was.
void platformPresentAreas(const PlatformRect* areas, int32_t count);

// ---- Cursor.

enum class PlatformCursor { Arrow, IBeam };
void platformSetCursor(PlatformCursor cursor);
// Makes the pointer visible or invisible; false when the system refused.
bool platformSetCursorVisible(bool visible);
bool platformCursorVisible();
// Places the pointer at a point of the drawable (its pixels, y downwards).
void platformWarpCursor(int32_t x, int32_t y);

// ---- On-screen keyboard.

// Whether a text box takes typing. A device without keys (a phone or tablet in the browser)
// shows its on-screen keyboard while it does, and hides it when it stops; a desktop has its
// keyboard and needs nothing. The page also leaves printable keys to the box while it does.
void platformSetTypingWanted(bool wanted);

// ---- Messages.

enum class PlatformMessageKind {
    None,
    Move,
    Size,
    Paint,
    DisplayChange,
    Activate,   // active: gained (true) or lost (false)
    Close,      // the close button
    Terminate,  // a termination signal or the system's quit request: end now, asking nobody
    Minimise,   // the window was minimised or hidden
    KeyDown,    // virtualKey, extended, repeat
    KeyUp,      // virtualKey, extended
    Char,       // character, repeat (typed while its key auto-repeats)
    MouseMove,  // x, y
    MouseDown,  // x, y, button
    MouseUp,    // x, y, button
    MouseWheel, // x, y, wheelDelta (120 per notch, positive away from the user)
};

// One window message. Positions are pixels of the drawable, y downwards (the frame maps them
// to the picture); buttons are 1 left, 2 right, 3 middle, 4 and 5 the X buttons. A touch screen
// clicks too: a tap is a left click when the finger lifts, a finger held still half a second a
// right click (platform/touch_press.h).
struct PlatformMessage {
    PlatformMessageKind kind = PlatformMessageKind::None;
    int32_t virtualKey = 0;
    bool extended = false;
    bool repeat = false;
    uint8_t character = 0;
    bool active = false;
    int32_t x = 0;
    int32_t y = 0;
    int32_t button = 0;
    int32_t wheelDelta = 0;
    // When the system took it in, on platformMilliseconds()'s clock. That can be long after the
    // player made it: while the program is busy, nothing takes events in.
    uint64_t time = 0;
};

// Waits for no timeout.
constexpr uint32_t kPlatformWaitForever = UINT32_MAX;
// Takes one message, waiting at most timeoutMs for one to arrive; false when none came
// (also for system events that carry no window message). A pending termination request comes
// first, once, as a Terminate message.
bool platformWaitMessage(PlatformMessage& message, uint32_t timeoutMs);

// Takes in everything the window system holds by now, then drops every key press, typed
// character, button press and wheel turn waiting (releases and the rest stay): what the player
// did until this moment was aimed at a screen that is gone. The messages' times cannot tell
// this, as what waited in the window system is stamped only when it is taken in.
void platformDropWaitingPresses();

// The virtual key and extended flag of a key, from its SDL scancode (its position) and keycode
// (what the active layout prints on it): letters follow the layout, every other key its
// position. A key that no PC keyboard message names gets a value of its own from
// vkWithoutValue up (platform/virtual_keys.h).
void platformKeyVirtualKey(int32_t scancode, int32_t keycode, int32_t& virtualKey, bool& extended);
// Scancodes are below this bound.
int32_t platformScancodeLimit();

// ---- Scripted runs (the test harness).

// From now on time moves only by platformAdvanceClock and sleeps; starts at startMs.
void platformUseManualClock(uint64_t startMs);
void platformUseRealClock();
bool platformClockIsManual();
void platformAdvanceClock(uint64_t ms);

// Replaces the system's queue: platformWaitMessage asks the source's next and
// platformDropWaitingPresses its dropWaitingPresses instead. An empty source restores the
// system's queue.
struct PlatformMessageSource {
    bool (*next)(void* user, PlatformMessage& message, uint32_t timeoutMs) = nullptr;
    void (*dropWaitingPresses)(void* user) = nullptr;
    void* user = nullptr;
};
void platformSetMessageSource(const PlatformMessageSource& source);
