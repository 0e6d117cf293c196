// sdl_keys.cpp: which virtual key (and extended flag) each SDL scancode produces.
#include "platform/platform.h"

#include <SDL.h>

namespace {

struct KeyEntry {
    SDL_Scancode scancode;
    int32_t virtualKey;
    bool extended;
};

// The values a PC keyboard's key messages carry. Navigation keys, the right-hand Ctrl and Alt,
// the keypad's Enter and divide, Num Lock and the system keys are extended; the keypad digits
// are the keypad's own virtual keys whatever the Num Lock state.
constexpr KeyEntry keyTable[] = {
    {SDL_SCANCODE_ESCAPE, 27, false},     {SDL_SCANCODE_RETURN, 13, false},
    {SDL_SCANCODE_RETURN2, 13, false},    {SDL_SCANCODE_BACKSPACE, 8, false},
    {SDL_SCANCODE_SPACE, 32, false},      {SDL_SCANCODE_TAB, 9, false},
    {SDL_SCANCODE_CAPSLOCK, 20, false},   {SDL_SCANCODE_LSHIFT, 16, false},
    {SDL_SCANCODE_RSHIFT, 16, false},     {SDL_SCANCODE_LCTRL, 17, false},
    {SDL_SCANCODE_RCTRL, 17, true},       {SDL_SCANCODE_LALT, 18, false},
    {SDL_SCANCODE_RALT, 18, true},        {SDL_SCANCODE_LGUI, 91, true},
    {SDL_SCANCODE_RGUI, 92, true},        {SDL_SCANCODE_APPLICATION, 93, true},
    {SDL_SCANCODE_GRAVE, 192, false},     {SDL_SCANCODE_MINUS, 189, false},
    {SDL_SCANCODE_EQUALS, 187, false},    {SDL_SCANCODE_LEFTBRACKET, 219, false},
    {SDL_SCANCODE_RIGHTBRACKET, 221, false}, {SDL_SCANCODE_BACKSLASH, 220, false},
    {SDL_SCANCODE_NONUSHASH, 220, false}, {SDL_SCANCODE_SEMICOLON, 186, false},
    {SDL_SCANCODE_APOSTROPHE, 222, false}, {SDL_SCANCODE_COMMA, 188, false},
    {SDL_SCANCODE_PERIOD, 190, false},    {SDL_SCANCODE_SLASH, 191, false},
    {SDL_SCANCODE_NONUSBACKSLASH, 226, false}, {SDL_SCANCODE_HELP, 47, false},
    {SDL_SCANCODE_INSERT, 45, true},      {SDL_SCANCODE_DELETE, 46, true},
    {SDL_SCANCODE_HOME, 36, true},        {SDL_SCANCODE_END, 35, true},
    {SDL_SCANCODE_PAGEUP, 33, true},      {SDL_SCANCODE_PAGEDOWN, 34, true},
    {SDL_SCANCODE_LEFT, 37, true},        {SDL_SCANCODE_UP, 38, true},
    {SDL_SCANCODE_RIGHT, 39, true},       {SDL_SCANCODE_DOWN, 40, true},
    {SDL_SCANCODE_KP_0, 96, false},       {SDL_SCANCODE_KP_1, 97, false},
    {SDL_SCANCODE_KP_2, 98, false},       {SDL_SCANCODE_KP_3, 99, false},
    {SDL_SCANCODE_KP_4, 100, false},      {SDL_SCANCODE_KP_5, 101, false},
    {SDL_SCANCODE_KP_6, 102, false},      {SDL_SCANCODE_KP_7, 103, false},
    {SDL_SCANCODE_KP_8, 104, false},      {SDL_SCANCODE_KP_9, 105, false},
    {SDL_SCANCODE_KP_PERIOD, 110, false}, {SDL_SCANCODE_KP_ENTER, 13, true},
    {SDL_SCANCODE_KP_PLUS, 107, false},   {SDL_SCANCODE_KP_MINUS, 109, false},
    {SDL_SCANCODE_KP_MULTIPLY, 106, false}, {SDL_SCANCODE_KP_DIVIDE, 111, true},
    {SDL_SCANCODE_NUMLOCKCLEAR, 144, true}, {SDL_SCANCODE_KP_CLEAR, 12, false},
    {SDL_SCANCODE_CLEAR, 12, false},      {SDL_SCANCODE_KP_EQUALS, 146, false},
    {SDL_SCANCODE_PRINTSCREEN, 44, true}, {SDL_SCANCODE_SCROLLLOCK, 145, false},
    {SDL_SCANCODE_PAUSE, 19, false},
};

} // namespace

bool platformScancodeVirtualKey(int32_t scancode, int32_t& virtualKey, bool& extended)
{
    if (scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z) {
        virtualKey = 'A' + (scancode - SDL_SCANCODE_A);
        extended = false;
        return true;
    }
    // SDL numbers the main digits 1 to 9, then 0.
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_0) {
        virtualKey = scancode == SDL_SCANCODE_0 ? '0' : '1' + (scancode - SDL_SCANCODE_1);
        extended = false;
        return true;
    }
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) {
        virtualKey = 112 + (scancode - SDL_SCANCODE_F1);
        extended = false;
        return true;
    }
    if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24) {
        virtualKey = 124 + (scancode - SDL_SCANCODE_F13);
        extended = false;
        return true;
    }
    for (const KeyEntry& entry : keyTable) {
        if (entry.scancode == scancode) {
            virtualKey = entry.virtualKey;
            extended = entry.extended;
            return true;
        }
    }
    return false;
}

int32_t platformScancodeLimit()
{
    return SDL_NUM_SCANCODES;
}
