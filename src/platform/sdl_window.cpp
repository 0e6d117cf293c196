// sdl_window.cpp: the window, its GL context, full screen, the pointer and the conversion of
// SDL events into window messages.
#include "platform/platform.h"

#include <SDL.h>
#ifdef _WIN32
#include <windows.h>
#endif
#include <SDL_opengl.h>

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <deque>

namespace {

SDL_Window* window = nullptr;
SDL_GLContext glContext = nullptr;
std::string lastError;
PlatformRect shownRect;
int32_t pictureWidth = 0;
int32_t pictureHeight = 0;
// Whether the latest key press was an auto-repeat: its characters count as repeated too.
bool keyRepeating = false;
// Characters of a text event beyond the first wait here, one message each.
std::deque<PlatformMessage> pendingMessages;
PlatformMessageSource messageSource = nullptr;
void* messageSourceUser = nullptr;
SDL_Cursor* systemCursors[2] = {nullptr, nullptr};
int fullscreenSwitches = 0;
// The client size the window was made with, which it has whenever it is not full screen.
int windowWidth = 0;
int windowHeight = 0;

bool offscreenDriver()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && SDL_strcmp(driver, "offscreen") == 0;
}

void fail(const char* what)
{
    lastError = std::string(what) + ": " + SDL_GetError();
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
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
        fail("cannot start the video system");
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

// A position on the drawable back in picture pixels, and the other way.
void toPicture(int32_t& x, int32_t& y)
{
    if (shownRect.w <= 0 || shownRect.h <= 0) {
        return;
    }
    x = static_cast<int32_t>((int64_t{x} - shownRect.x) * pictureWidth / shownRect.w);
    y = static_cast<int32_t>((int64_t{y} - shownRect.y) * pictureHeight / shownRect.h);
}

void toDrawable(int32_t& x, int32_t& y)
{
    if (pictureWidth <= 0 || pictureHeight <= 0) {
        return;
    }
    x = static_cast<int32_t>(shownRect.x + int64_t{x} * shownRect.w / pictureWidth);
    y = static_cast<int32_t>(shownRect.y + int64_t{y} * shownRect.h / pictureHeight);
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

bool convertWindowEvent(const SDL_WindowEvent& event, PlatformMessage& message)
{
    switch (event.event) {
    case SDL_WINDOWEVENT_CLOSE: message.kind = PlatformMessageKind::Close; return true;
    case SDL_WINDOWEVENT_MOVED: message.kind = PlatformMessageKind::Move; return true;
    case SDL_WINDOWEVENT_SIZE_CHANGED: message.kind = PlatformMessageKind::Size; return true;
    case SDL_WINDOWEVENT_EXPOSED: message.kind = PlatformMessageKind::Paint; return true;
    case SDL_WINDOWEVENT_FOCUS_GAINED:
    case SDL_WINDOWEVENT_FOCUS_LOST:
        message.kind = PlatformMessageKind::Activate;
        message.active = event.event == SDL_WINDOWEVENT_FOCUS_GAINED;
        return true;
    default: return false;
    }
}

bool convertKey(const SDL_KeyboardEvent& event, PlatformMessage& message)
{
    if (!platformScancodeVirtualKey(event.keysym.scancode, message.virtualKey, message.extended)) {
        return false;
    }
    message.kind = event.type == SDL_KEYDOWN ? PlatformMessageKind::KeyDown : PlatformMessageKind::KeyUp;
    message.repeat = event.repeat != 0;
    if (event.type == SDL_KEYDOWN) {
        keyRepeating = message.repeat;
    }
    return true;
}

// One message per byte of the typed text; the frame keeps the printable ones.
bool convertText(const SDL_TextInputEvent& event, PlatformMessage& message)
{
    for (const char* byte = event.text; *byte; ++byte) {
        PlatformMessage typed;
        typed.kind = PlatformMessageKind::Char;
        typed.character = static_cast<uint8_t>(*byte);
        typed.repeat = keyRepeating;
        pendingMessages.push_back(typed);
    }
    if (pendingMessages.empty()) {
        return false;
    }
    message = pendingMessages.front();
    pendingMessages.pop_front();
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
    toPicture(message.x, message.y);
    return true;
}

bool convertEvent(const SDL_Event& event, PlatformMessage& message)
{
    message = PlatformMessage{};
    switch (event.type) {
    case SDL_QUIT: message.kind = PlatformMessageKind::Close; return true;
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

} // namespace

bool platformCreateWindow(const char* title, int32_t width, int32_t height)
{
    lastError.clear();
    if (window || !startVideo(title)) {
        if (window) {
            lastError = "the window exists already";
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
    window = SDL_CreateWindow(title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, width, height,
                              SDL_WINDOW_OPENGL | SDL_WINDOW_HIDDEN);
    if (!window) {
        fail("cannot create the window");
        return false;
    }
    glContext = SDL_GL_CreateContext(window);
    if (!glContext) {
        fail("cannot create the OpenGL context");
        SDL_DestroyWindow(window);
        window = nullptr;
        return false;
    }
    SDL_GL_MakeCurrent(window, glContext);
    // The run loop paces the frames; a swap must not wait for the display as well.
    SDL_GL_SetSwapInterval(0);
    SDL_StartTextInput();
    windowWidth = width;
    windowHeight = height;
    shownRect = PlatformRect{0, 0, width, height};
    pictureWidth = width;
    pictureHeight = height;
    return true;
}

void platformDestroyWindow()
{
    if (glContext) {
        SDL_GL_MakeCurrent(window, nullptr);
        SDL_GL_DeleteContext(glContext);
        glContext = nullptr;
    }
    if (window) {
        SDL_DestroyWindow(window);
        window = nullptr;
    }
    for (SDL_Cursor*& cursor : systemCursors) {
        if (cursor) {
            SDL_FreeCursor(cursor);
            cursor = nullptr;
        }
    }
    pendingMessages.clear();
    shownRect = PlatformRect{};
    pictureWidth = 0;
    pictureHeight = 0;
    keyRepeating = false;
}

bool platformHasWindow()
{
    return window != nullptr;
}

bool platformHasGLContext()
{
    return glContext != nullptr;
}

const char* platformLastError()
{
    return lastError.c_str();
}

void platformShowWindow()
{
    if (window) {
        SDL_ShowWindow(window);
    }
}

void platformHideWindow()
{
    if (window) {
        SDL_HideWindow(window);
    }
}

void platformMinimiseWindow()
{
    if (window) {
        SDL_MinimizeWindow(window);
    }
}

bool platformWindowVisible()
{
    return window && (SDL_GetWindowFlags(window) & SDL_WINDOW_SHOWN) != 0;
}

void platformMoveWindow(int32_t x, int32_t y)
{
    if (window) {
        SDL_SetWindowPosition(window, x, y);
    }
}

PlatformRect platformWindowBorders()
{
    PlatformRect borders;
    int top = 0, left = 0, bottom = 0, right = 0;
    if (window && SDL_GetWindowBordersSize(window, &top, &left, &bottom, &right) == 0) {
        borders = PlatformRect{left, top, right, bottom};
    }
    return borders;
}

PlatformRect platformWorkArea()
{
    SDL_Rect area{0, 0, 0, 0};
    int display = window ? SDL_GetWindowDisplayIndex(window) : 0;
    if (SDL_WasInit(SDL_INIT_VIDEO) && SDL_GetDisplayUsableBounds(display < 0 ? 0 : display, &area) != 0) {
        area = SDL_Rect{0, 0, 0, 0};
    }
    return PlatformRect{area.x, area.y, area.w, area.h};
}

void platformSetFullscreen(bool fullscreen)
{
    if (window && platformIsFullscreen() != fullscreen) {
        SDL_SetWindowFullscreen(window, fullscreen ? SDL_WINDOW_FULLSCREEN_DESKTOP : 0);
        if (!fullscreen) {
            // Not every video driver gives the window its own size back by itself.
            SDL_SetWindowSize(window, windowWidth, windowHeight);
        }
        ++fullscreenSwitches;
    }
}

bool platformIsFullscreen()
{
    return window && (SDL_GetWindowFlags(window) & SDL_WINDOW_FULLSCREEN_DESKTOP) == SDL_WINDOW_FULLSCREEN_DESKTOP;
}

int platformFullscreenSwitchCount()
{
    return fullscreenSwitches;
}

void platformDrawableSize(int32_t& width, int32_t& height)
{
    width = 0;
    height = 0;
    if (window) {
        SDL_GL_GetDrawableSize(window, &width, &height);
    }
}

void platformSetPresentation(PlatformRect shown, int32_t width, int32_t height)
{
    shownRect = shown;
    pictureWidth = width;
    pictureHeight = height;
}

void platformPresentFrame()
{
    if (!window || !glContext) {
        return;
    }
    if (platformWindowVisible() && !offscreenDriver()) {
        SDL_GL_SwapWindow(window);
        return;
    }
    // Without a swap (a hidden window, or the off-screen driver's pbuffer, where a swap does
    // nothing) the software renderer would keep every frame's commands queued and grow for as
    // long as the window lives; finishing the frame hands them to the rasteriser and frees them.
    glFinish();
}

void platformSetCursor(PlatformCursor cursor)
{
    if (!window) {
        return;
    }
    int index = cursor == PlatformCursor::IBeam ? 1 : 0;
    if (!systemCursors[index]) {
        systemCursors[index] = SDL_CreateSystemCursor(index ? SDL_SYSTEM_CURSOR_IBEAM : SDL_SYSTEM_CURSOR_ARROW);
    }
    if (systemCursors[index]) {
        SDL_SetCursor(systemCursors[index]);
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
    if (!window) {
        return;
    }
    toDrawable(x, y);
    SDL_WarpMouseInWindow(window, x, y);
}

bool platformWaitMessage(PlatformMessage& message, uint32_t timeoutMs)
{
    if (messageSource) {
        return messageSource(messageSourceUser, message, timeoutMs);
    }
    if (!pendingMessages.empty()) {
        message = pendingMessages.front();
        pendingMessages.pop_front();
        return true;
    }
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        SDL_Delay(timeoutMs == platformWaitForever ? 1000 : timeoutMs);
        return false;
    }
    SDL_Event event;
    if (timeoutMs != platformWaitForever) {
        return SDL_WaitEventTimeout(&event, static_cast<int>(std::min<uint32_t>(timeoutMs, INT32_MAX))) &&
               convertEvent(event, message);
    }
    // SDL turns a termination signal into a close request only when it next looks at its
    // queue, so waiting for ever is done in slices.
    while (!SDL_WaitEventTimeout(&event, 250)) {
    }
    return convertEvent(event, message);
}

void platformSetMessageSource(PlatformMessageSource source, void* user)
{
    messageSource = source;
    messageSourceUser = user;
}
