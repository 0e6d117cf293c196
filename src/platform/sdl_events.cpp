// sdl_events.cpp: the conversion of SDL events (and termination signals) into window messages,
// and the wait for the next one.
#include "platform/platform.h"
#include "platform/sdl_window_parts.h"
#include "platform/touch_press.h"
#include "platform/virtual_keys.h"

#include <SDL.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <csignal>
#include <deque>

namespace {

// Everything the conversion keeps between calls.
struct EventState {
    // Whether the latest key press was an auto-repeat: its characters count as repeated too.
    bool keyRepeating = false;
    // While the left Alt key is down, typed characters are shortcuts, not text (the right one
    // is AltGr on many layouts and types "@", "€" ...).
    bool leftAltHeld = false;
    // Characters of a text event beyond the first, and the messages of a touch's click, wait
    // here, one message each.
    std::deque<PlatformMessage> pendingMessages;
    // The finger that is down, turned into clicks; SDL's own mouse events made from touches
    // are ignored, as they press at once and know no long press.
    TouchPress touch;
    PlatformMessageSource messageSource;
    // Set by the termination signals' handler, so only ever written as a whole sig_atomic_t.
    volatile std::sig_atomic_t terminationRequested = 0;
};
EventState state;

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

bool takeTerminationRequest()
{
    if (!state.terminationRequested) {
        return false;
    }
    state.terminationRequested = 0;
    return true;
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
    case SDL_WINDOWEVENT_SIZE_CHANGED:
        sdlRememberWindowSize();
        message.kind = PlatformMessageKind::Size;
        return true;
    case SDL_WINDOWEVENT_EXPOSED:
        sdlSetAudioAway(false);
        message.kind = PlatformMessageKind::Paint;
        return true;
    case SDL_WINDOWEVENT_MINIMIZED:
    case SDL_WINDOWEVENT_HIDDEN:
        sdlSetAudioAway(true);
        message.kind = PlatformMessageKind::Minimise;
        return true;
    case SDL_WINDOWEVENT_SHOWN:
    case SDL_WINDOWEVENT_RESTORED: sdlSetAudioAway(false); return false;
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

bool takePending(PlatformMessage& message)
{
    if (state.pendingMessages.empty()) {
        return false;
    }
    message = state.pendingMessages.front();
    state.pendingMessages.pop_front();
    return true;
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
    return takePending(message);
}

bool convertMouse(const SDL_Event& event, PlatformMessage& message)
{
    // The same place in the event for motion, buttons and the wheel.
    if (event.motion.which == SDL_TOUCH_MOUSEID) {
        return false;
    }
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
    sdlToDrawable(message.x, message.y);
    return true;
}

// A click of the touch: the pointer moves to where the finger went down, then the button goes
// down and up there.
void queueTouchClick(TouchClick click, uint64_t time)
{
    if (click == TouchClick::None) {
        return;
    }
    PlatformMessage message;
    message.time = time;
    message.x = static_cast<int32_t>(std::lround(state.touch.x));
    message.y = static_cast<int32_t>(std::lround(state.touch.y));
    sdlToDrawable(message.x, message.y);
    message.button = click == TouchClick::Left ? 1 : 2;
    for (PlatformMessageKind kind :
         {PlatformMessageKind::MouseMove, PlatformMessageKind::MouseDown, PlatformMessageKind::MouseUp}) {
        message.kind = kind;
        state.pendingMessages.push_back(message);
    }
}

// The long press's moment passed: its right click waits with the other pending messages.
void queueLongPress()
{
    const uint64_t now = platformMilliseconds();
    queueTouchClick(touchTimePassed(state.touch, now), now);
}

// SDL gives a finger's place as a fraction of the window; the press keeps window units.
void convertFinger(const SDL_TouchFingerEvent& event, uint64_t time)
{
    int width = 0;
    int height = 0;
    if (SDL_Window* window = sdlWindow()) {
        SDL_GetWindowSize(window, &width, &height);
    }
    const float x = event.x * static_cast<float>(width);
    const float y = event.y * static_cast<float>(height);
    // Each finger of each touch surface is a finger of its own.
    const int64_t finger = static_cast<int64_t>(event.touchId) * 64 + static_cast<int64_t>(event.fingerId);
    switch (event.type) {
    case SDL_FINGERDOWN: touchFingerDown(state.touch, finger, x, y, time); break;
    case SDL_FINGERMOTION: touchFingerMove(state.touch, finger, x, y); break;
    default: queueTouchClick(touchFingerUp(state.touch, finger, x, y, time), time); break;
    }
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
    case SDL_FINGERDOWN:
    case SDL_FINGERMOTION:
    case SDL_FINGERUP:
        convertFinger(event.tfinger, message.time);
        return takePending(message);
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

void sdlCatchTerminationSignals()
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

void sdlResetEventState()
{
    state.pendingMessages.clear();
    state.touch = TouchPress{};
    state.keyRepeating = false;
    state.leftAltHeld = false;
}

bool platformWaitMessage(PlatformMessage& message, uint32_t timeoutMs)
{
    if (takeTerminationRequest()) {
        message = PlatformMessage{};
        message.kind = PlatformMessageKind::Terminate;
        return true;
    }
    if (state.messageSource.next) {
        return state.messageSource.next(state.messageSource.user, message, timeoutMs);
    }
    queueLongPress();
    if (takePending(message)) {
        return true;
    }
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        SDL_Delay(timeoutMs == kPlatformWaitForever ? 1000 : timeoutMs);
        return false;
    }
    // A termination signal only raises a flag, so waiting for ever is done in slices; a held
    // finger ends a wait early when its press becomes a right click.
    // The wait itself is counted on the real clock, which moves under a test's manual clock too.
    SDL_Event event;
    const Uint64 start = SDL_GetTicks64();
    for (;;) {
        const Uint64 waited = SDL_GetTicks64() - start;
        const uint32_t left = timeoutMs == kPlatformWaitForever ? 250
                              : waited >= timeoutMs           ? 0
                                                              : static_cast<uint32_t>(timeoutMs - waited);
        const uint32_t wait = touchWaitLimit(state.touch, platformMilliseconds(), left);
        if (SDL_WaitEventTimeout(&event, static_cast<int>(std::min<uint32_t>(wait, INT32_MAX)))) {
            return convertEvent(event, message);
        }
        queueLongPress();
        if (takePending(message)) {
            return true;
        }
        if (timeoutMs != kPlatformWaitForever && SDL_GetTicks64() - start >= timeoutMs) {
            return false;
        }
        if (state.terminationRequested) {
            return platformWaitMessage(message, 0);
        }
    }
}

void platformDropWaitingPresses()
{
    if (state.messageSource.dropWaitingPresses) {
        state.messageSource.dropWaitingPresses(state.messageSource.user);
        return;
    }
    // A touch's clicks wait here too; a finger already down presses nothing when it lifts.
    std::erase_if(state.pendingMessages, [](const PlatformMessage& message) {
        return message.kind == PlatformMessageKind::Char || message.kind == PlatformMessageKind::MouseDown;
    });
    state.touch.spent = state.touch.down;
    if (!SDL_WasInit(SDL_INIT_VIDEO)) {
        return;
    }
    SDL_PumpEvents();
    for (Uint32 press :
         {SDL_KEYDOWN, SDL_TEXTINPUT, SDL_TEXTEDITING, SDL_MOUSEBUTTONDOWN, SDL_MOUSEWHEEL, SDL_FINGERDOWN}) {
        SDL_FlushEvent(press);
    }
}

void platformSetMessageSource(const PlatformMessageSource& source)
{
    state.messageSource = source;
}
