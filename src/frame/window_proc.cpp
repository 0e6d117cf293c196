// window_proc.cpp: what each window message does to the frame and the layers.
#include "frame/window_proc.h"

#include "frame/app.h"
#include "frame/display.h"
#include "frame/keys.h"
#include "frame/loop.h"
#include "platform/virtual_keys.h"

namespace {

int32_t frameworkKey(const PlatformMessage& message)
{
    return mapVirtualKey(message.virtualKey + (message.extended ? vkExtended : 0));
}

// Each change of activation reaches the layers once, however many messages arrive.
void routeActivation(bool active)
{
    BWApp& app = appState();
    if (!active) {
        if (!app.inactive) {
            deactivateLayers();
            app.inactive = true;
        }
        if (app.fullscreen) {
            // Minimised rather than hidden: a hidden window could never be activated again.
            minimiseFromFullscreen();
            app.resumeFullscreen = true;
        }
        return;
    }
    if (app.inactive) {
        if (app.resumeFullscreen) {
            enterFullscreen();
            app.resumeFullscreen = false;
        }
        activateLayers();
        app.inactive = false;
    }
}

int32_t wheelDirection(int32_t delta)
{
    return delta < 0 ? -1 : (delta > 0 ? 1 : 0);
}

// The buttons whose press landed on the picture: only their releases reach the layers, so a
// press in a band beside the picture hits nothing at all.
uint32_t buttonsPressedOnPicture = 0;

uint32_t buttonBit(int32_t button)
{
    return button >= 1 && button <= 31 ? 1u << button : 0u;
}

// Pointer messages carry drawable pixels; the layers get picture positions.
void routePointer(const PlatformMessage& message)
{
    const BWPoint at = pictureFromDrawable(message.x, message.y);
    const bool onThePicture = onPicture(message.x, message.y);
    switch (message.kind) {
    case PlatformMessageKind::MouseMove:
        sendMouseMove(at.x, at.y);
        break;
    case PlatformMessageKind::MouseDown:
        if (onThePicture) {
            buttonsPressedOnPicture |= buttonBit(message.button);
            sendMouseDown(at.x, at.y, message.button);
        }
        break;
    case PlatformMessageKind::MouseUp:
        if (onThePicture || (buttonsPressedOnPicture & buttonBit(message.button))) {
            buttonsPressedOnPicture &= ~buttonBit(message.button);
            sendMouseUp(at.x, at.y, message.button);
        }
        break;
    default: // MouseWheel
        if (onThePicture) {
            sendMouseWheel(at.x, at.y, 0, wheelDirection(message.wheelDelta));
        }
        break;
    }
}

} // namespace

void windowProcedure(const PlatformMessage& message)
{
    switch (message.kind) {
    case PlatformMessageKind::Move:
    case PlatformMessageKind::Size:
    case PlatformMessageKind::Paint:
    case PlatformMessageKind::DisplayChange:
        presentAfresh();
        break;
    case PlatformMessageKind::Activate:
        routeActivation(message.active);
        break;
    case PlatformMessageKind::Close:
        exitLoop();
        break;
    case PlatformMessageKind::Minimise:
        sendCommand(kMinimisedCommand);
        break;
    case PlatformMessageKind::Terminate:
        endAllLoops();
        break;
    case PlatformMessageKind::KeyDown:
        if (!message.repeat) {
            sendKeyDown(frameworkKey(message));
        }
        break;
    case PlatformMessageKind::KeyUp:
        sendKeyUp(frameworkKey(message));
        break;
    case PlatformMessageKind::Char:
        if (message.character >= 32 && message.character <= 126 && !message.repeat) {
            sendChar(static_cast<char>(message.character));
        }
        break;
    case PlatformMessageKind::MouseMove:
    case PlatformMessageKind::MouseDown:
    case PlatformMessageKind::MouseUp:
    case PlatformMessageKind::MouseWheel:
        routePointer(message);
        break;
    case PlatformMessageKind::None:
        break;
    }
}

void ignoreInputMadeSoFar()
{
    platformDropWaitingPresses();
}
