// sdl_window.cpp: the window, its GL context, full screen, the pointer and the conversion of
// SDL events into window messages.
#include "platform/platform.h"
#include "platform/virtual_keys.h"

#include <SDL.h>
#ifdef _WIN32
#include <windows.h>
#endif
#include <SDL_opengl.h>
#include <SDL_syswm.h>
#if defined(SDL_VIDEO_DRIVER_X11) && defined(PELLIX_HAVE_X11)
#include <X11/Xlib.h>
#endif
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include <algorithm>
#include <climits>
#include <csignal>
#include <cmath>
#include <cstdlib>
#include <deque>

namespace {

// Everything the window side keeps between calls.
struct WindowState {
    SDL_Window* window = nullptr;
    SDL_GLContext glContext = nullptr;
    std::string lastError;
    // Whether the latest key press was an auto-repeat: its characters count as repeated too.
    bool keyRepeating = false;
    // While the left Alt key is down, typed characters are shortcuts, not text (the right one
    // is AltGr on many layouts and types "@", "€" ...).
    bool leftAltHeld = false;
    // Characters of a text event beyond the first wait here, one message each.
    std::deque<PlatformMessage> pendingMessages;
    PlatformMessageSource messageSource = nullptr;
    void* messageSourceUser = nullptr;
    SDL_Cursor* systemCursors[2] = {nullptr, nullptr};
    int fullscreenSwitches = 0;
    // The window's own client size (not maximised, not full screen) and whether it is
    // maximised apart from full screen: what leaving full screen gives back, and what a next
    // start reopens.
    int windowWidth = 0;
    int windowHeight = 0;
    // Set by the termination signals' handler, so only ever written as a whole sig_atomic_t.
    volatile std::sig_atomic_t terminationRequested = 0;
    bool windowMaximised = false;
};
WindowState state;

// SIGTERM (logout, kill), SIGINT (Ctrl+C) and SIGHUP (the terminal closed) end the program as
// a normal shutdown. The handler only raises a flag that the next wait for a message turns
// into a Terminate message: nothing else is safe inside a signal handler.
void requestTermination(int)
{
    state.terminationRequested = 1;
}

// A signal the starter ignores stays ignored (nohup, a shell's background job).
void catchUnlessIgnored(int signal)
{
    if (std::signal(signal, requestTermination) == SIG_IGN) {
        std::signal(signal, SIG_IGN);
    }
}

void catchTerminationSignals()
{
    static bool caught = false;
    if (caught) {
        return;
    }
    // SDL would turn SIGINT and SIGTERM into the same quit event, but not SIGHUP.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    catchUnlessIgnored(SIGTERM);
    catchUnlessIgnored(SIGINT);
#ifdef SIGHUP
    catchUnlessIgnored(SIGHUP);
#endif
    caught = true;
}

bool takeTerminationRequest()
{
    if (!state.terminationRequested) {
        return false;
    }
    state.terminationRequested = 0;
    return true;
}

bool offscreenDriver()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && SDL_strcmp(driver, "offscreen") == 0;
}

void fail(const char* what)
{
    state.lastError = std::string(what) + ": " + SDL_GetError();
}

#ifdef _WIN32
// On Windows the window class is the application's own: named after it, redrawn whole when
// resized, and showing the executable's icon resource 101 in the caption and the task bar.
// Each window keeps a device context of its own: SDL probes OpenGL with a hidden window of
// the same class, and a context shared by the class would keep that window's pixel format.
void registerWindowClass(const char* applicationName)
{
    static bool registered = false;
    if (registered) {
        return;
    }
    SDL_SetHint(SDL_HINT_WINDOWS_INTRESOURCE_ICON, "101");
    SDL_SetHint(SDL_HINT_WINDOWS_INTRESOURCE_ICON_SMALL, "101");
    registered = SDL_RegisterApp(applicationName, CS_VREDRAW | CS_HREDRAW | CS_OWNDC, nullptr) == 0;
}
#endif

// SDL's drivers that draw where nobody sees: the tests ask for them by SDL_VIDEODRIVER, and a
// player without a display must hear so rather than run invisibly.
bool drawsNowhere(const char* driver)
{
    return SDL_strcmp(driver, "offscreen") == 0 || SDL_strcmp(driver, "dummy") == 0 ||
           SDL_strcmp(driver, "evdev") == 0;
}

// Wayland's library complains on the standard error stream when it has no runtime folder to
// find the display's socket in; without one (and without an absolute socket path) there is no
// Wayland display to try.
bool waylandReachable()
{
    const char* runtime = SDL_getenv("XDG_RUNTIME_DIR");
    const char* display = SDL_getenv("WAYLAND_DISPLAY");
    return (runtime && *runtime) || (display && display[0] == '/');
}

// The driver SDL_VIDEODRIVER names, or else the first of SDL's drivers that shows a window.
bool startVisibleVideoDriver()
{
    const char* named = SDL_getenv("SDL_VIDEODRIVER");
    if (named && *named) {
        if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
            fail("cannot start the video system");
            return false;
        }
        return true;
    }
    std::string firstFailure;
    for (int index = 0; index < SDL_GetNumVideoDrivers(); ++index) {
        const char* driver = SDL_GetVideoDriver(index);
        if (drawsNowhere(driver) || (SDL_strcmp(driver, "wayland") == 0 && !waylandReachable())) {
            continue;
        }
        SDL_SetHint(SDL_HINT_VIDEODRIVER, driver);
        const bool started = SDL_InitSubSystem(SDL_INIT_VIDEO) == 0;
        SDL_ResetHint(SDL_HINT_VIDEODRIVER);
        if (started) {
            return true;
        }
        if (firstFailure.empty()) {
            firstFailure = SDL_GetError();
        }
    }
    const char* display = SDL_getenv("DISPLAY");
    const char* wayland = SDL_getenv("WAYLAND_DISPLAY");
    if (!(display && *display) && !(wayland && *wayland)) {
        firstFailure = "no display to show the window on (neither DISPLAY nor WAYLAND_DISPLAY is set)";
    }
    state.lastError = "cannot start the video system: " + firstFailure;
    return false;
}

bool startVideo(const char* applicationName)
{
    if (SDL_WasInit(SDL_INIT_VIDEO)) {
        return true;
    }
#ifdef _WIN32
    registerWindowClass(applicationName);
#else
    (void)applicationName;
#endif
    // Only the close button and termination requests end the program, each once; full screen
    // is left by the frame itself when the window loses activation.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
#ifdef _WIN32
    // Real pixels on a scaled desktop: the frame sizes the window and scales the picture itself.
    SDL_SetHint(SDL_HINT_WINDOWS_DPI_AWARENESS, "permonitorv2");
#endif
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    catchTerminationSignals();
    if (!startVisibleVideoDriver()) {
        return false;
    }
    // Held for the life of the program: SDL would otherwise unload the GL driver with every
    // window, and a second window would load it all over again.
    SDL_GL_LoadLibrary(nullptr);
    static bool quitRegistered = false;
    if (!quitRegistered) {
        // Closes the display connection in order before the libraries' own exit handlers run.
        std::atexit(SDL_Quit);
        quitRegistered = true;
    }
    return true;
}

// SDL reports the pointer in window units; where those are points (high-DPI screens) the
// drawable has more pixels. This converts a position from one to the other.
void convertPosition(int32_t& x, int32_t& y, bool windowToDrawable)
{
    int window[2] = {};
    int drawable[2] = {};
    SDL_GetWindowSize(state.window, &window[0], &window[1]);
    SDL_GL_GetDrawableSize(state.window, &drawable[0], &drawable[1]);
    const int* from = windowToDrawable ? window : drawable;
    const int* to = windowToDrawable ? drawable : window;
    if (from[0] > 0 && from[1] > 0) {
        x = static_cast<int32_t>(int64_t{x} * to[0] / from[0]);
        y = static_cast<int32_t>(int64_t{y} * to[1] / from[1]);
    }
}

void toDrawable(int32_t& x, int32_t& y)
{
    convertPosition(x, y, true);
}

void toWindowUnits(int32_t& x, int32_t& y)
{
    convertPosition(x, y, false);
}

int32_t buttonNumber(Uint8 sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: return 1;
    case SDL_BUTTON_RIGHT: return 2;
    case SDL_BUTTON_MIDDLE: return 3;
    case SDL_BUTTON_X1: return 4;
    case SDL_BUTTON_X2: return 5;
    default: return 0;
    }
}

bool fullscreenNow()
{
    return state.window && (SDL_GetWindowFlags(state.window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
}

// The window's size on the X server itself. Without a window manager a full-screen request is
// never carried out, yet SDL reports the desktop's size for the window that kept its own; the
// picture must be fitted to what is really there.
bool serverWindowSize(int& width, int& height)
{
#if defined(SDL_VIDEO_DRIVER_X11) && defined(PELLIX_HAVE_X11)
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    XWindowAttributes attributes;
    if (SDL_GetWindowWMInfo(state.window, &info) && info.subsystem == SDL_SYSWM_X11 &&
        XGetWindowAttributes(info.info.x11.display, info.info.x11.window, &attributes)) {
        width = attributes.width;
        height = attributes.height;
        return true;
    }
#else
    (void)width;
    (void)height;
#endif
    return false;
}

void rememberWindowSize()
{
    if (state.window && !fullscreenNow()) {
        state.windowMaximised = (SDL_GetWindowFlags(state.window) & SDL_WINDOW_MAXIMIZED) != 0;
        if (!state.windowMaximised) {
            SDL_GetWindowSize(state.window, &state.windowWidth, &state.windowHeight);
        }
    }
}

bool convertWindowEvent(const SDL_WindowEvent& event, PlatformMessage& message)
{
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE: message.kind = PlatformMessageKind::Close; return true;
    case SDL_WINDOWEVENT_MOVED: message.kind = PlatformMessageKind::Move; return true;
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        rememberWindowSize();
        message.kind = PlatformMessageKind::Size;
        return true;
    case SDL_WINDOWEVENT_EXPOSED: message.kind = PlatformMessageKind::Paint; return true;
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN: message.kind = PlatformMessageKind::Minimise; return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
        state.leftAltHeld = false; // its release goes to the window that took the focus
        message.kind = PlatformMessageKind::Activate;
        message.active = event.event == SDL_WINDOWEVENT_FOCUS_GAINED;
        return true;
    default: return false;
    }
}

bool convertKey(const SDL_KeyboardEvent& event, PlatformMessage& message)
{
    platformKeyVirtualKey(event.keysym.scancode, event.keysym.sym, message.virtualKey, message.extended);
#ifdef __APPLE__
    // Command is the Mac's Control for select-all and the clipboard: it reaches the frame as Ctrl.
    if (event.keysym.scancode == SDL_SCANCODE_LGUI || event.keysym.scancode == SDL_SCANCODE_RGUI) {
        message.virtualKey = vkControl;
        message.extended = event.keysym.scancode == SDL_SCANCODE_RGUI;
    }
#endif
    message.kind = event.type == SDL_KEYDOWN ? PlatformMessageKind::KeyDown : PlatformMessageKind::KeyUp;
    message.repeat = event.repeat != 0;
    if (event.keysym.scancode == SDL_SCANCODE_LALT) {
        state.leftAltHeld = event.type == SDL_KEYDOWN;
    }
    if (event.type == SDL_KEYDOWN) {
        state.keyRepeating = message.repeat;
    }
    return true;
}

// SDL stamps events with its own millisecond count; the message carries the platform's.
uint64_t eventTime(uint32_t timestamp)
{
    const uint64_t now = platformMilliseconds();
    const uint32_t age = SDL_GetTicks() - timestamp;
    return age < now ? now - age : 0;
}

// One message per byte of the typed text; the frame keeps the printable ones.
bool convertText(const SDL_TextInputEvent& event, PlatformMessage& message)
{
    if (state.leftAltHeld) {
        return false;
    }
    for (const char* byte = event.text; *byte; ++byte) {
        PlatformMessage typed;
        typed.kind = PlatformMessageKind::Char;
        typed.character = static_cast<uint8_t>(*byte);
        typed.repeat = state.keyRepeating;
        typed.time = eventTime(event.timestamp);
        state.pendingMessages.push_back(typed);
    }
    if (state.pendingMessages.empty()) {
        return false;
    }
    message = state.pendingMessages.front();
    state.pendingMessages.pop_front();
    return true;
}

bool convertMouse(const SDL_Event& event, PlatformMessage& message)
{
    switch (event.type) {
    case SDL_MOUSEMOTION:
        message.kind = PlatformMessageKind::MouseMove;
        message.x = event.motion.x;
        message.y = event.motion.y;
        break;
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        message.kind = event.type == SDL_MOUSEBUTTONDOWN ? PlatformMessageKind::MouseDown
                                                         : PlatformMessageKind::MouseUp;
        message.x = event.button.x;
        message.y = event.button.y;
        message.button = buttonNumber(event.button.button);
        break;
    default: // SDL_MOUSEWHEEL; a sideways turn has no window message here
        if (event.wheel.y == 0) {
            return false;
        }
        message.kind = PlatformMessageKind::MouseWheel;
        message.x = event.wheel.mouseX;
        message.y = event.wheel.mouseY;
        message.wheelDelta = event.wheel.y * 120;
        if (event.wheel.direction == SDL_MOUSEWHEEL_FLIPPED) {
            message.wheelDelta = -message.wheelDelta;
        }
        break;
    }
    toDrawable(message.x, message.y);
    return true;
}

bool convertMessage(const SDL_Event& event, PlatformMessage& message)
{
    switch (event.type) {
    // With SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE off this is never the close button: it is the
    // system's own quit request (Cmd+Q on macOS, the session ending).
    case SDL_QUIT: message.kind = PlatformMessageKind::Terminate; return true;
    case SDL_WINDOWEVENT: return convertWindowEvent(event.window, message);
    case SDL_DISPLAYEVENT: message.kind = PlatformMessageKind::DisplayChange; return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP: return convertKey(event.key, message);
    case SDL_TEXTINPUT: return convertText(event.text, message);
    case SDL_MOUSEMOTION:
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
    case SDL_MOUSEWHEEL: return convertMouse(event, message);
    default: return false;
    }
}

bool convertEvent(const SDL_Event& event, PlatformMessage& message)
{
    message = PlatformMessage{};
    message.time = eventTime(event.common.timestamp);
    return convertMessage(event, message);
}

} // namespace

bool platformCreateWindow(const char* title, int32_t width, int32_t height)
{
    state.lastError.clear();
    if (state.window || !startVideo(title)) {
        if (state.window) {
            state.lastError = "the window exists already";
        }
        return false;
    }
#ifndef __EMSCRIPTEN__
    // The browser's WebGL has no profiles (its GL 1.1 calls are emulated) and refuses the request.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
#endif
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
    state.window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                              SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE |
                                  SDL_WINDOW_ALLOW_HIGHDPI);
    if (!state.window) {
        fail("cannot create the window");
        return false;
    }
#ifdef __GLIBC__
    // Mesa's software renderer takes megabytes from the heap for each frame it draws and frees
    // them when the frame is done; glibc would give them back to the system every time, and the
    // next frame would fault every page in again, a third of what a board's frame costs. Freed
    // heap is kept up to this much instead: no more than one frame's own peak.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
    state.glContext = SDL_GL_CreateContext(state.window);
    if (!state.glContext) {
        fail("cannot create the OpenGL context");
        SDL_DestroyWindow(state.window);
        state.window = nullptr;
        return false;
    }
    SDL_GL_MakeCurrent(state.window, state.glContext);
    // The run loop paces the frames; a swap must not wait for the display as well.
    SDL_GL_SetSwapInterval(0);
    SDL_StartTextInput();
    state.windowWidth = width;
    state.windowHeight = height;
    state.windowMaximised = false;
    return true;
}

void platformDestroyWindow()
{
    if (state.glContext) {
        SDL_GL_MakeCurrent(state.window, nullptr);
        SDL_GL_DeleteContext(state.glContext);
        state.glContext = nullptr;
    }
    if (state.window) {
        SDL_DestroyWindow(state.window);
        state.window = nullptr;
    }
    for (SDL_Cursor*& cursor : state.systemCursors) {
        if (cursor) {
            SDL_FreeCursor(cursor);
            cursor = nullptr;
        }
    }
    state.pendingMessages.clear();
    state.keyRepeating = false;
    state.leftAltHeld = false;
}

bool platformHasWindow()
{
    return state.window != nullptr;
}

bool platformHasGLContext()
{
    return state.glContext != nullptr;
}

const char* platformLastError()
{
    return state.lastError.c_str();
}

void platformShowWindow()
{
    if (state.window) {
        SDL_ShowWindow(state.window);
    }
}

void platformHideWindow()
{
    if (state.window) {
        SDL_HideWindow(state.window);
    }
}

void platformMinimiseWindow()
{
    if (state.window) {
        SDL_MinimizeWindow(state.window);
    }
}

bool platformWindowVisible()
{
    // On X11 minimising unmaps the window and SDL then clears its shown flag.
    return state.window && (SDL_GetWindowFlags(state.window) & (SDL_WINDOW_SHOWN | SDL_WINDOW_MINIMIZED)) != 0;
}

bool platformWindowOnScreen()
{
    return state.window && (SDL_GetWindowFlags(state.window) & (SDL_WINDOW_SHOWN | SDL_WINDOW_MINIMIZED)) == SDL_WINDOW_SHOWN;
}

void platformMoveWindow(int32_t x, int32_t y)
{
    if (state.window) {
        SDL_SetWindowPosition(state.window, x, y);
    }
}

PlatformRect platformWindowBorders()
{
    PlatformRect borders;
    int top = 0, left = 0, bottom = 0, right = 0;
    if (state.window && SDL_GetWindowBordersSize(state.window, &top, &left, &bottom, &right) == 0) {
        borders = PlatformRect{left, top, right, bottom};
    }
    return borders;
}

PlatformRect platformWorkArea()
{
    SDL_Rect area{0, 0, 0, 0};
    int display = state.window ? SDL_GetWindowDisplayIndex(state.window) : 0;
    if (SDL_WasInit(SDL_INIT_VIDEO) && SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &area) != 0) {
        area = SDL_Rect{0, 0, 0, 0};
    }
    return PlatformRect{area.x, area.y, area.w, area.h};
}

void platformWindowSize(int32_t& width, int32_t& height)
{
    rememberWindowSize();
    width = state.window ? state.windowWidth : 0;
    height = state.window ? state.windowHeight : 0;
}

void platformSetWindowSize(int32_t width, int32_t height)
{
    if (state.window) {
        SDL_SetWindowSize(state.window, width, height);
        rememberWindowSize();
    }
}

void platformSetMinimumWindowSize(int32_t width, int32_t height)
{
    if (state.window) {
        SDL_SetWindowMinimumSize(state.window, width, height);
    }
}

void platformMaximiseWindow()
{
    if (state.window) {
        SDL_MaximizeWindow(state.window);
    }
}

bool platformWindowMaximised()
{
    rememberWindowSize();
    return state.window && state.windowMaximised;
}

float platformDesktopScale()
{
#ifdef __APPLE__
    return 1.0f; // window units are points there: the system scales by itself
#else
    // In steps of a half, and never below 1: reported densities are rough, and a window a
    // little too small is better than a blurry one or one larger than the screen.
    float dpi = 0.0f;
    if (!SDL_WasInit(SDL_INIT_VIDEO) || SDL_GetDisplayDPI(0, nullptr, &dpi, nullptr) != 0 || dpi <= 0.0f) {
        return 1.0f;
    }
    return std::max(1.0f, std::floor(dpi / 96.0f * 2.0f) / 2.0f);
#endif
}

void platformSetFullscreen(bool fullscreen)
{
    if (!state.window || platformIsFullscreen() == fullscreen) {
        return;
    }
    rememberWindowSize();
    SDL_SetWindowFullscreen(state.window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
    if (!fullscreen) {
        // Not every video driver gives the window its own size back by itself.
        SDL_SetWindowSize(state.window, state.windowWidth, state.windowHeight);
        if (state.windowMaximised) {
            SDL_MaximizeWindow(state.window);
        }
    }
    ++state.fullscreenSwitches;
}

bool platformIsFullscreen()
{
    return fullscreenNow();
}

int platformFullscreenSwitchCount()
{
    return state.fullscreenSwitches;
}

void platformDrawableSize(int32_t& width, int32_t& height)
{
    width = 0;
    height = 0;
    if (state.window && !(fullscreenNow() && serverWindowSize(width, height))) {
        SDL_GL_GetDrawableSize(state.window, &width, &height);
    }
}

void platformPresentFrame()
{
    if (!state.window || !state.glContext) {
        return;
    }
    if (platformWindowVisible() && !offscreenDriver()) {
        SDL_GL_SwapWindow(state.window);
        return;
    }
    // Without a swap (a hidden window, or the off-screen driver's pbuffer, where a swap does
    // nothing) the software renderer would keep every frame's commands queued and grow for as
    // long as the window lives; finishing the frame hands them to the rasteriser and frees them.
    glFinish();
}

void platformSetCursor(PlatformCursor cursor)
{
    if (!state.window) {
        return;
    }
    int index = cursor == PlatformCursor::IBeam ? 1 : 0;
    if (!state.systemCursors[index]) {
        state.systemCursors[index] = SDL_CreateSystemCursor(index ? SDL_SYSTEM_CURSOR_IBEAM : SDL_SYSTEM_CURSOR_ARROW);
    }
    if (state.systemCursors[index]) {
        SDL_SetCursor(state.systemCursors[index]);
    }
}

bool platformSetCursorVisible(bool visible)
{
    return SDL_WasInit(SDL_INIT_VIDEO) && SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE) >= 0;
}

bool platformCursorVisible()
{
    return SDL_WasInit(SDL_INIT_VIDEO) && SDL_ShowCursor(SDL_QUERY) == SDL_ENABLE;
}

void platformWarpCursor(int32_t x, int32_t y)
{
    if (!state.window) {
        return;
    }
    toWindowUnits(x, y);
    SDL_WarpMouseInWindow(state.window, x, y);
}

bool platformWaitMessage(PlatformMessage& message, uint32_t timeoutMs)
{
    if (takeTerminationRequest()) {
        message = PlatformMessage{};
        message.kind = PlatformMessageKind::Terminate;
        return true;
    }
    if (state.messageSource) {
        return state.messageSource(state.messageSourceUser, message, timeoutMs);
    }
    if (!state.pendingMessages.empty()) {
        message = state.pendingMessages.front();
        state.pendingMessages.pop_front();
        return true;
    }
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        SDL_Delay(timeoutMs == kPlatformWaitForever ? 1000 : timeoutMs);
        return false;
    }
    SDL_Event event;
    if (timeoutMs != kPlatformWaitForever) {
        return SDL_WaitEventTimeout(&event, static_cast<int>(std::min<uint32_t>(timeoutMs, INT32_MAX))) &&
               convertEvent(event, message);
    }
    // A termination signal only raises a flag, so waiting for ever is done in slices.
    while (!SDL_WaitEventTimeout(&event, 250)) {
        if (state.terminationRequested) {
            return platformWaitMessage(message, 0);
        }
    }
    return convertEvent(event, message);
}

void platformSetMessageSource(PlatformMessageSource source, void* user)
{
    state.messageSource = source;
    state.messageSourceUser = user;
}
