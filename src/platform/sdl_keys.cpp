// sdl_keys.cpp: which virtual key (and extended flag) each key of the keyboard produces.
//
// Letters follow the active keyboard layout, as the letters printed on the keys: the key that
// types "a" is A on QWERTY and AZERTY alike. Every other key keeps its position: the digit row
// gives the digits under AZERTY too (where it types "&", "é" ... without Shift), and the keypad,
// the navigation block and the modifiers are the same keys on every layout.
#include "platform/platform.h"
#include "platform/virtual_keys.h"

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
constexpr KeyEntry kKeyTable[] = {
    {SDL_SCANCODE_ESCAPE, vkEscape, false},
    {SDL_SCANCODE_RETURN, vkReturn, false},
    {SDL_SCANCODE_RETURN2, vkReturn, false},
    {SDL_SCANCODE_BACKSPACE, vkBackspace, false},
    {SDL_SCANCODE_SPACE, vkSpace, false},
    {SDL_SCANCODE_TAB, vkTab, false},
    {SDL_SCANCODE_CAPSLOCK, vkCapsLock, false},
    {SDL_SCANCODE_LSHIFT, vkShift, false},
    {SDL_SCANCODE_RSHIFT, vkShift, false},
    {SDL_SCANCODE_LCTRL, vkControl, false},
    {SDL_SCANCODE_RCTRL, vkControl, true},
    {SDL_SCANCODE_LALT, vkAlt, false},
    {SDL_SCANCODE_RALT, vkAlt, true},
    {SDL_SCANCODE_LGUI, vkLeftWindows, true},
    {SDL_SCANCODE_RGUI, vkRightWindows, true},
    {SDL_SCANCODE_APPLICATION, vkApplication, true},
    {SDL_SCANCODE_GRAVE, vkGrave, false},
    {SDL_SCANCODE_MINUS, vkMinus, false},
    {SDL_SCANCODE_EQUALS, vkEquals, false},
    {SDL_SCANCODE_LEFTBRACKET, vkLeftBracket, false},
    {SDL_SCANCODE_RIGHTBRACKET, vkRightBracket, false},
    {SDL_SCANCODE_BACKSLASH, vkBackslash, false},
    {SDL_SCANCODE_NONUSHASH, vkBackslash, false},
    {SDL_SCANCODE_SEMICOLON, vkSemicolon, false},
    {SDL_SCANCODE_APOSTROPHE, vkApostrophe, false},
    {SDL_SCANCODE_COMMA, vkComma, false},
    {SDL_SCANCODE_PERIOD, vkPeriod, false},
    {SDL_SCANCODE_SLASH, vkSlash, false},
    {SDL_SCANCODE_NONUSBACKSLASH, vkNonUsBackslash, false},
    {SDL_SCANCODE_HELP, vkHelp, false},
    {SDL_SCANCODE_INSERT, vkInsert, true},
    {SDL_SCANCODE_DELETE, vkDelete, true},
    {SDL_SCANCODE_HOME, vkHome, true},
    {SDL_SCANCODE_END, vkEnd, true},
    {SDL_SCANCODE_PAGEUP, vkPageUp, true},
    {SDL_SCANCODE_PAGEDOWN, vkPageDown, true},
    {SDL_SCANCODE_LEFT, vkLeft, true},
    {SDL_SCANCODE_UP, vkUp, true},
    {SDL_SCANCODE_RIGHT, vkRight, true},
    {SDL_SCANCODE_DOWN, vkDown, true},
    {SDL_SCANCODE_KP_0, vkKeypad0, false},
    {SDL_SCANCODE_KP_PERIOD, vkKeypadPeriod, false},
    {SDL_SCANCODE_KP_ENTER, vkReturn, true},
    {SDL_SCANCODE_KP_PLUS, vkKeypadPlus, false},
    {SDL_SCANCODE_KP_MINUS, vkKeypadMinus, false},
    {SDL_SCANCODE_KP_MULTIPLY, vkKeypadMultiply, false},
    {SDL_SCANCODE_KP_DIVIDE, vkKeypadDivide, true},
    {SDL_SCANCODE_NUMLOCKCLEAR, vkNumLock, true},
    {SDL_SCANCODE_KP_CLEAR, vkClear, false},
    {SDL_SCANCODE_CLEAR, vkClear, false},
    {SDL_SCANCODE_KP_EQUALS, vkKeypadEquals, false},
    {SDL_SCANCODE_PRINTSCREEN, vkPrintScreen, true},
    {SDL_SCANCODE_SCROLLLOCK, vkScrollLock, false},
    {SDL_SCANCODE_PAUSE, vkPause, false},
    {SDL_SCANCODE_MUTE, vkVolumeMute, true},
    {SDL_SCANCODE_AUDIOMUTE, vkVolumeMute, true},
    {SDL_SCANCODE_VOLUMEDOWN, vkVolumeDown, true},
    {SDL_SCANCODE_VOLUMEUP, vkVolumeUp, true},
    {SDL_SCANCODE_AUDIONEXT, vkMediaNext, true},
    {SDL_SCANCODE_AUDIOPREV, vkMediaPrevious, true},
    {SDL_SCANCODE_AUDIOSTOP, vkMediaStop, true},
    {SDL_SCANCODE_AUDIOPLAY, vkMediaPlayPause, true},
};

// Where a layout puts punctuation on a letter's position (AZERTY's "," on the US M key), the
// key produces the punctuation's virtual key, as it does on that layout's other keys.
struct PunctuationEntry {
    SDL_Keycode keycode;
    int32_t virtualKey;
};

constexpr PunctuationEntry kPunctuationTable[] = {
    {SDLK_BACKQUOTE, vkGrave},  {SDLK_MINUS, vkMinus},         {SDLK_EQUALS, vkEquals},
    {SDLK_LEFTBRACKET, vkLeftBracket}, {SDLK_RIGHTBRACKET, vkRightBracket},
    {SDLK_BACKSLASH, vkBackslash},     {SDLK_SEMICOLON, vkSemicolon},
    {SDLK_QUOTE, vkApostrophe}, {SDLK_COMMA, vkComma},         {SDLK_PERIOD, vkPeriod},
    {SDLK_SLASH, vkSlash},
};

bool isLetterPosition(int32_t scancode)
{
    return scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z;
}

// The key's position alone: what the key is on a US keyboard.
bool positionVirtualKey(int32_t scancode, int32_t& virtualKey, bool& extended)
{
    extended = false;
    if (isLetterPosition(scancode)) {
        virtualKey = vkLetterA + (scancode - SDL_SCANCODE_A);
        return true;
    }
    // SDL numbers the main digits 1 to 9, then 0; the keypad's likewise.
    if (scancode >= SDL_SCANCODE_1 && scancode <= SDL_SCANCODE_9) {
        virtualKey = vkDigit0 + 1 + (scancode - SDL_SCANCODE_1);
        return true;
    }
    if (scancode == SDL_SCANCODE_0) {
        virtualKey = vkDigit0;
        return true;
    }
    if (scancode >= SDL_SCANCODE_KP_1 && scancode <= SDL_SCANCODE_KP_9) {
        virtualKey = vkKeypad0 + 1 + (scancode - SDL_SCANCODE_KP_1);
        return true;
    }
    if (scancode >= SDL_SCANCODE_F1 && scancode <= SDL_SCANCODE_F12) {
        virtualKey = vkF1 + (scancode - SDL_SCANCODE_F1);
        return true;
    }
    if (scancode >= SDL_SCANCODE_F13 && scancode <= SDL_SCANCODE_F24) {
        virtualKey = vkF13 + (scancode - SDL_SCANCODE_F13);
        return true;
    }
    for (const KeyEntry& entry : kKeyTable) {
        if (entry.scancode == scancode) {
            virtualKey = entry.virtualKey;
            extended = entry.extended;
            return true;
        }
    }
    return false;
}

} // namespace

void platformKeyVirtualKey(int32_t scancode, int32_t keycode, int32_t& virtualKey, bool& extended)
{
    if (keycode >= SDLK_a && keycode <= SDLK_z) {
        virtualKey = vkLetterA + (keycode - SDLK_a);
        extended = false;
        return;
    }
    if (isLetterPosition(scancode)) {
        for (const PunctuationEntry& entry : kPunctuationTable) {
            if (entry.keycode == keycode) {
                virtualKey = entry.virtualKey;
                extended = false;
                return;
            }
        }
    }
    if (!positionVirtualKey(scancode, virtualKey, extended)) {
        virtualKey = vkWithoutValue + scancode;
        extended = false;
    }
}

int32_t platformScancodeLimit()
{
    return SDL_NUM_SCANCODES;
}
