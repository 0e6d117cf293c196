// sdl_web_page.cpp: what the browser page and the program say to each other about a device
// without a keyboard or held upright (data/web/device.js is the page's side). The page's words
// come in as SDL events, so that they reach the game through the same conversion as any other.
#include "platform/platform.h"
#include "platform/sdl_window_parts.h"

#include <SDL.h>
#include <emscripten.h>

#include <cstring>

void platformSetTypingWanted(bool wanted)
{
    EM_ASM({
        Module['pellixTyping'] = !!$0;
        if (window.pellixDevice) window.pellixDevice.typingWanted(!!$0);
    }, wanted);
}

namespace {

Uint32 windowId()
{
    SDL_Window* window = sdlWindow();
    return window ? SDL_GetWindowID(window) : 0;
}

void pushKey(Uint32 type, SDL_Scancode scancode, SDL_Keycode keycode)
{
    SDL_Event event{};
    event.type = type;
    event.key.windowID = windowId();
    event.key.state = type == SDL_KEYDOWN ? SDL_PRESSED : SDL_RELEASED;
    event.key.keysym.scancode = scancode;
    event.key.keysym.sym = keycode;
    SDL_PushEvent(&event);
}

} // namespace

extern "C" {

// Text the on-screen keyboard typed into the page's hidden field, as the typed characters of a
// keyboard; the text box keeps what its rules allow.
EMSCRIPTEN_KEEPALIVE void pellixWebType(const char* text)
{
    const size_t length = std::strlen(text);
    for (size_t start = 0; start < length; start += SDL_TEXTINPUTEVENT_TEXT_SIZE - 1) {
        SDL_Event event{};
        event.type = SDL_TEXTINPUT;
        event.text.windowID = windowId();
        std::strncpy(event.text.text, text + start, SDL_TEXTINPUTEVENT_TEXT_SIZE - 1);
        SDL_PushEvent(&event);
    }
}

// A key of the on-screen keyboard that the browser reports without its place on a keyboard,
// which SDL needs ("Backspace", "Return"), as that key of a keyboard.
EMSCRIPTEN_KEEPALIVE void pellixWebPressKey(const char* name)
{
    const SDL_Scancode scancode = SDL_GetScancodeFromName(name);
    if (scancode == SDL_SCANCODE_UNKNOWN) {
        return;
    }
    pushKey(SDL_KEYDOWN, scancode, SDL_GetKeyFromScancode(scancode));
    pushKey(SDL_KEYUP, scancode, SDL_GetKeyFromScancode(scancode));
}

// A phone turned upright hides the game behind the page's request to turn it back, as a hidden
// window does (a game in play pauses); turned back, the game is shown again.
EMSCRIPTEN_KEEPALIVE void pellixWebSetUpright(int upright)
{
    SDL_Event event{};
    event.type = SDL_WINDOWEVENT;
    event.window.windowID = windowId();
    event.window.event = upright ? SDL_WINDOWEVENT_HIDDEN : SDL_WINDOWEVENT_EXPOSED;
    SDL_PushEvent(&event);
}

} // extern "C"
