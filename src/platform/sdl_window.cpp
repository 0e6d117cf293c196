// sdl_window.cpp: the window, its placement on the desktop, full screen and the pointer.
#include "platform/platform.h"
#include "platform/sdl_window_parts.h"

#include <SDL.h>
#ifdef _WIN32
#include <windows.h>
#endif
#if defined(SDL_VIDEO_DRIVER_X11) && defined(PELLIX_HAVE_X11)
#include <X11/Xlib.h>
#include <unistd.h>
#endif

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Everything the window side keeps between calls.
struct WindowState {
    SDL_Window* window = nullptr;
    std::string lastError;
    SDL_Cursor* systemCursors[2] = {nullptr, nullptr};
    int fullscreenSwitches = 0;
    // The window's own client size (not maximised, not full screen) and whether it is
    // maximised apart from full screen: what leaving full screen gives back, and what a next
    // start reopens.
    int windowWidth = 0;
    int windowHeight = 0;
    bool windowMaximised = false;
    // What writes the program's records should the display connection be lost.
    void (*keepOnLostDisplay)(void* user) = nullptr;
    void* keepOnLostDisplayUser = nullptr;
};
WindowState state;

#if defined(SDL_VIDEO_DRIVER_X11) && defined(PELLIX_HAVE_X11)
// Xlib's own handler calls exit, whose handlers (SDL_Quit among them) would wait on the dead
// connection for ever; _exit runs none of them.
int endOnLostDisplay(Display*)
{
    std::fputs("the connection to the display was lost\n", stderr);
    if (state.keepOnLostDisplay) {
        state.keepOnLostDisplay(state.keepOnLostDisplayUser);
    }
    _exit(1);
}
#endif

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
            sdlFail("cannot start the video system");
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
    sdlCatchTerminationSignals();
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

} // namespace

SDL_Window* sdlWindow()
{
    return state.window;
}

void sdlFail(const char* what)
{
    state.lastError = std::string(what) + ": " + SDL_GetError();
}

bool sdlFullscreenNow()
{
    return state.window && (SDL_GetWindowFlags(state.window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
}

void sdlRememberWindowSize()
{
    if (state.window && !sdlFullscreenNow()) {
        state.windowMaximised = (SDL_GetWindowFlags(state.window) & SDL_WINDOW_MAXIMIZED) != 0;
        if (!state.windowMaximised) {
            SDL_GetWindowSize(state.window, &state.windowWidth, &state.windowHeight);
        }
    }
}

bool platformCreateWindow(const char* title, int32_t width, int32_t height)
{
    state.lastError.clear();
    if (state.window || !startVideo(title)) {
        if (state.window) {
            state.lastError = "the window exists already";
        }
        return false;
    }
    sdlRequestGLAttributes();
    state.window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                              SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN | SDL_WINDOW_RESIZABLE |
                                  SDL_WINDOW_ALLOW_HIGHDPI);
    if (!state.window) {
        sdlFail("cannot create the window");
        return false;
    }
#if defined(SDL_VIDEO_DRIVER_X11) && defined(PELLIX_HAVE_X11)
    // For every display Xlib has open, which is none where SDL's driver is not X11.
    XSetIOErrorHandler(endOnLostDisplay);
#endif
    if (!sdlCreateGLContext(state.window)) {
        SDL_DestroyWindow(state.window);
        state.window = nullptr;
        return false;
    }
    SDL_StartTextInput();
    sdlSetAudioAway(false); // a window of an earlier run may have gone away
    state.windowWidth = width;
    state.windowHeight = height;
    state.windowMaximised = false;
    return true;
}

void platformDestroyWindow()
{
    sdlDestroyGLContext(state.window);
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
    sdlResetEventState();
}

void platformSetLostDisplayKeeper(void (*keep)(void* user), void* user)
{
    state.keepOnLostDisplay = keep;
    state.keepOnLostDisplayUser = user;
}

bool platformHasWindow()
{
    return state.window != nullptr;
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
    sdlRememberWindowSize();
    width = state.window ? state.windowWidth : 0;
    height = state.window ? state.windowHeight : 0;
}

void platformSetWindowSize(int32_t width, int32_t height)
{
    if (state.window) {
        SDL_SetWindowSize(state.window, width, height);
        sdlRememberWindowSize();
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
    sdlRememberWindowSize();
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
    sdlRememberWindowSize();
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
    return sdlFullscreenNow();
}

int platformFullscreenSwitchCount()
{
    return state.fullscreenSwitches;
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
    sdlToWindowUnits(x, y);
    SDL_WarpMouseInWindow(state.window, x, y);
}
