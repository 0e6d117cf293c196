// sdl_gl_context.cpp: the window's OpenGL context, the size of what it draws into, and showing
// each frame drawn.
#include "platform/platform.h"
#include "platform/sdl_window_parts.h"

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

namespace {

#if defined(SDL_VIDEO_DRIVER_X11) && defined(PELLIX_HAVE_X11)
// GLX_MESA_copy_sub_buffer: copies a rectangle (rows upwards) of the back buffer to the
// window and leaves the back buffer as it is. Looked up at run time: libGL is SDL's to load.
using CopySubBuffer = void (*)(Display* display, XID drawable, int x, int y, int width, int height);
using QueryExtensions = const char* (*)(Display* display, int screen);
#endif

// Everything the GL side keeps between calls.
struct GLState {
    SDL_GLContext glContext = nullptr;
#if defined(SDL_VIDEO_DRIVER_X11) && defined(PELLIX_HAVE_X11)
    // Where frames are copied rather than swapped; null where the extension is missing.
    CopySubBuffer copySubBuffer = nullptr;
    Display* display = nullptr;
    XID drawable = 0;
    // Mesa's software renderer takes the window's size for its buffer only at a swap, and keeps
    // the buffer's pixels through a swap: frames drawn whole are swapped, and the picture counts
    // as kept once two swaps in a row found the drawable at the size of the swap before. (The
    // first frame drawn into a buffer just made for a new size can come out with parts
    // missing, seen at 2400 x 1800 under Xvfb; a second whole frame mends them.)
    int swappedWidth = 0;
    int swappedHeight = 0;
    int swapsAtThisSize = 0;
#endif
};
GLState state;

bool offscreenDriver()
{
    const char* driver = SDL_GetCurrentVideoDriver();
    return driver && SDL_strcmp(driver, "offscreen") == 0;
}

// Converts a position between window units and drawable pixels, either way.
void convertPosition(int32_t& x, int32_t& y, bool windowToDrawable)
{
    int window[2] = {};
    int drawable[2] = {};
    SDL_GetWindowSize(sdlWindow(), &window[0], &window[1]);
    SDL_GL_GetDrawableSize(sdlWindow(), &drawable[0], &drawable[1]);
    const int* from = windowToDrawable ? window : drawable;
    const int* to = windowToDrawable ? drawable : window;
    if (from[0] > 0 && from[1] > 0) {
        x = static_cast<int32_t>(int64_t{x} * to[0] / from[0]);
        y = static_cast<int32_t>(int64_t{y} * to[1] / from[1]);
    }
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
    if (SDL_GetWindowWMInfo(sdlWindow(), &info) && info.subsystem == SDL_SYSWM_X11 &&
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

#if defined(SDL_VIDEO_DRIVER_X11) && defined(PELLIX_HAVE_X11)
XErrorHandler earlierErrorHandler = nullptr;

// A copy the X server refused (the renderer's buffer not yet at the window's new size) leaves
// that part of the window as it was until the next frame drawn whole; any other error goes on
// to the handler that was there before.
int ignoreRefusedCopies(Display* display, XErrorEvent* error)
{
    int opcode = 0;
    int event = 0;
    int firstError = 0;
    if (error->error_code == BadValue && XQueryExtension(display, "MIT-SHM", &opcode, &event, &firstError) &&
        error->request_code == opcode) {
        return 0;
    }
    return earlierErrorHandler ? earlierErrorHandler(display, error) : 0;
}
#endif

// Finds GLX_MESA_copy_sub_buffer for the window's context, where the window is an X window.
void findCopySubBuffer(SDL_Window* window)
{
#if defined(SDL_VIDEO_DRIVER_X11) && defined(PELLIX_HAVE_X11)
    state.copySubBuffer = nullptr;
    SDL_SysWMinfo info;
    SDL_VERSION(&info.version);
    if (!SDL_GetWindowWMInfo(window, &info) || info.subsystem != SDL_SYSWM_X11) {
        return;
    }
    auto query = reinterpret_cast<QueryExtensions>(SDL_GL_GetProcAddress("glXQueryExtensionsString"));
    const char* extensions = query ? query(info.info.x11.display, DefaultScreen(info.info.x11.display)) : nullptr;
    // A whole word of the list: no other extension's name merely starts with this one.
    const char* name = "GLX_MESA_copy_sub_buffer";
    const size_t length = SDL_strlen(name);
    for (const char* at = extensions; at && (at = SDL_strstr(at, name)) != nullptr; at += length) {
        if ((at == extensions || at[-1] == ' ') && (at[length] == ' ' || at[length] == '\0')) {
            state.copySubBuffer = reinterpret_cast<CopySubBuffer>(SDL_GL_GetProcAddress("glXCopySubBufferMESA"));
            state.display = info.info.x11.display;
            state.drawable = info.info.x11.window;
            if (!earlierErrorHandler) {
                earlierErrorHandler = XSetErrorHandler(ignoreRefusedCopies);
            }
            return;
        }
    }
#else
    (void)window;
#endif
}

// Copies a part of the back buffer (drawable pixels, y downwards) to the window, leaving the
// back buffer as it is; false where there is no such copy.
bool copyToWindow(const PlatformRect& area)
{
#if defined(SDL_VIDEO_DRIVER_X11) && defined(PELLIX_HAVE_X11)
    if (state.copySubBuffer) {
        // Within the buffer as sized at the last swap: the X server refuses a rectangle past
        // it, and its refusal ends the program.
        const int width = state.swappedWidth;
        const int height = state.swappedHeight;
        const int left = SDL_max(area.x, 0);
        const int top = SDL_max(area.y, 0);
        const int right = SDL_min(area.x + area.w, width);
        const int bottom = SDL_min(area.y + area.h, height);
        if (right > left && bottom > top) {
            state.copySubBuffer(state.display, state.drawable, left, height - bottom, right - left, bottom - top);
        }
        return true;
    }
#else
    (void)area;
#endif
    return false;
}

} // namespace

void sdlRequestGLAttributes()
{
#ifndef __EMSCRIPTEN__
    // The browser's WebGL has no profiles (its GL 1.1 calls are emulated) and refuses the request.
    SDL_GL_SetAttribute(SDL_GL_CONTEXT_PROFILE_MASK, SDL_GL_CONTEXT_PROFILE_COMPATIBILITY);
#endif
    SDL_GL_SetAttribute(SDL_GL_DOUBLEBUFFER, 1);
    SDL_GL_SetAttribute(SDL_GL_RED_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_GREEN_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_BLUE_SIZE, 8);
    SDL_GL_SetAttribute(SDL_GL_DEPTH_SIZE, 16);
}

bool sdlCreateGLContext(SDL_Window* window)
{
#ifdef __GLIBC__
    // Mesa's software renderer takes megabytes from the heap for each frame it draws and frees
    // them when the frame is done; glibc would give them back to the system every time, and the
    // next frame would fault every page in again, a third of what a board's frame costs. Freed
    // heap is kept up to this much instead: no more than one frame's own peak.
    mallopt(M_TRIM_THRESHOLD, 64 << 20);
#endif
    state.glContext = SDL_GL_CreateContext(window);
    if (!state.glContext) {
        sdlFail("cannot create the OpenGL context");
        return false;
    }
    SDL_GL_MakeCurrent(window, state.glContext);
    // The run loop paces the frames; a swap must not wait for the display as well.
    SDL_GL_SetSwapInterval(0);
    findCopySubBuffer(window);
    return true;
}

void sdlDestroyGLContext(SDL_Window* window)
{
    if (state.glContext) {
        SDL_GL_MakeCurrent(window, nullptr);
        SDL_GL_DeleteContext(state.glContext);
        state = GLState();
    }
}

void sdlToDrawable(int32_t& x, int32_t& y)
{
    convertPosition(x, y, true);
}

void sdlToWindowUnits(int32_t& x, int32_t& y)
{
    convertPosition(x, y, false);
}

bool platformHasGLContext()
{
    return state.glContext != nullptr;
}

void platformDrawableSize(int32_t& width, int32_t& height)
{
    width = 0;
    height = 0;
    if (sdlWindow() && !(sdlFullscreenNow() && serverWindowSize(width, height))) {
        SDL_GL_GetDrawableSize(sdlWindow(), &width, &height);
    }
}

void platformPresentFrame()
{
    if (!sdlWindow() || !state.glContext) {
        return;
    }
    if (platformWindowVisible() && !offscreenDriver()) {
        SDL_GL_SwapWindow(sdlWindow());
#if defined(SDL_VIDEO_DRIVER_X11) && defined(PELLIX_HAVE_X11)
        // The size the renderer finds for its next buffer: the X window's own.
        int width = 0;
        int height = 0;
        SDL_GL_GetDrawableSize(sdlWindow(), &width, &height);
        serverWindowSize(width, height);
        const bool sameSize = width == state.swappedWidth && height == state.swappedHeight;
        state.swapsAtThisSize = sameSize ? state.swapsAtThisSize + 1 : 0;
        state.swappedWidth = width;
        state.swappedHeight = height;
#endif
        return;
    }
    // Without a swap (a hidden window, or the off-screen driver's pbuffer, where a swap does
    // nothing) the software renderer would keep every frame's commands queued and grow for as
    // long as the window lives; finishing the frame hands them to the rasteriser and frees them.
    glFinish();
}

bool platformPresentKeepsPicture()
{
    if (!sdlWindow() || !state.glContext) {
        return false;
    }
#if defined(__EMSCRIPTEN__)
    return true; // the canvas keeps its drawing buffer (linked with GL_TESTING)
#elif defined(SDL_VIDEO_DRIVER_X11) && defined(PELLIX_HAVE_X11)
    if (state.copySubBuffer) {
        // A resize on its way: the renderer's buffer may change at any draw now.
        int width = 0;
        int height = 0;
        SDL_GL_GetDrawableSize(sdlWindow(), &width, &height);
        int serverWidth = width;
        int serverHeight = height;
        serverWindowSize(serverWidth, serverHeight);
        return state.swapsAtThisSize >= 2 && width == state.swappedWidth && height == state.swappedHeight &&
               serverWidth == width && serverHeight == height;
    }
#endif
    return offscreenDriver();
}

void platformPresentAreas(const PlatformRect* areas, int32_t count)
{
    if (!sdlWindow() || !state.glContext) {
        return;
    }
    if (platformWindowVisible() && !offscreenDriver()) {
        bool copied = true;
        for (int32_t i = 0; i < count; ++i) {
            copied = copyToWindow(areas[i]) && copied;
        }
        // The browser's canvas shows its whole buffer, which it keeps through the swap.
        if (!copied) {
            SDL_GL_SwapWindow(sdlWindow());
        }
        return;
    }
    glFinish();
}
