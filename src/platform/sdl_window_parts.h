// sdl_window_parts.h: what the window, its GL context and the event conversion ask of each other.
#pragma once

#include <SDL.h>

#include <cstdint>

// ---- The window and its placement (sdl_window.cpp).

// The one window, or null.
SDL_Window* sdlWindow();
// Keeps "what failed: SDL's own text" for platformLastError().
void sdlFail(const char* what);
// Desktop-sized full screen is on.
bool sdlFullscreenNow();
// Notes the window's own size and maximised state, unless it is full screen.
void sdlRememberWindowSize();

// ---- The GL context and presentation (sdl_gl_context.cpp).

// The context's wishes, set before the window is created.
void sdlRequestGLAttributes();
// Makes the context current on the window; false (with the error noted) when none can be made.
bool sdlCreateGLContext(SDL_Window* window);
void sdlDestroyGLContext(SDL_Window* window);
// SDL reports the pointer in window units; where those are points (high-DPI screens) the
// drawable has more pixels.
void sdlToDrawable(int32_t& x, int32_t& y);
void sdlToWindowUnits(int32_t& x, int32_t& y);

// ---- Events into window messages (sdl_events.cpp).

// From the first window on, SIGTERM, SIGINT and SIGHUP become Terminate messages.
void sdlCatchTerminationSignals();
// Forgets what the conversion kept of the window that is gone.
void sdlResetEventState();

// ---- The audio device (sdl_services.cpp).

// A window nobody sees plays nothing: while it is away the audio device is closed, as SDL
// wakes its audio thread for every buffer even while the device is paused; it opens again,
// with the same callback, when the window comes back.
void sdlSetAudioAway(bool away);
