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

bool isStalePress(const PlatformMessage& message)
{
    switch (message.kind) {
    case PlatformMessageKind::KeyDown:
    case PlatformMessageKind::Char:
    case PlatformMessageKind::MouseDown:
    case PlatformMessageKind::MouseWheel: return message.time < appState().inputAcceptedFrom;
    default: return false;
    }
}

int32_t wheelDirection(int32_t delta)
{
    return delta < 0 ? -1 : (delta > 0 ? 1 : 0);
}

} // namespace

void windowProcedure(const PlatformMessage& message)
{
    if (isStalePress(message)) {
        return;
    }
    switch (message.kind) {
    case PlatformMessageKind::Move:
    case PlatformMessageKind::Size:
    case PlatformMessageKind::Paint:
    case PlatformMessageKind::DisplayChange:
        present();
        break;
    case PlatformMessageKind::Activate:
        routeActivation(message.active);
        break;
    case PlatformMessageKind::Close:
        exitLoop();
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
        sendMouseMove(message.x, message.y);
        break;
    case PlatformMessageKind::MouseDown:
        sendMouseDown(message.x, message.y, message.button);
        break;
    case PlatformMessageKind::MouseUp:
        sendMouseUp(message.x, message.y, message.button);
        break;
    case PlatformMessageKind::MouseWheel:
        sendMouseWheel(message.x, message.y, 0, wheelDirection(message.wheelDelta));
        break;
    case PlatformMessageKind::None:
        break;
    }
}

void ignoreInputMadeSoFar()
{
    appState().inputAcceptedFrom = platformMilliseconds();
}
