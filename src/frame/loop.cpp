// loop.cpp: the run loop, exitLoop, present and the walks over the layer stack.
#include "frame/loop.h"

#include "frame/app.h"
#include "frame/clock.h"
#include "frame/damage_areas.h"
#include "frame/display.h"
#include "frame/draw_list.h"
#include "frame/held_input.h"
#include "frame/layer_stack.h"
#include "frame/window_proc.h"
#include "platform/platform.h"
#include "ui/layer.h"

#include <cmath>
#include <vector>

namespace {

// When the next frame is due. The sleep and the frame test both compare against this one
// value: computed two ways, rounding could call a frame "not due" yet leave nothing to wait for,
// and the loop would spin without time moving on.
double nextFrameDue()
{
    const BWApp& app = appState();
    return app.lastFrameTime + 1.0 / app.frameRate;
}

// How long the loop may sleep before the next frame is due; forever without a frame cap.
uint32_t millisecondsUntilFrame()
{
    if (appState().frameRate == 0) {
        return kPlatformWaitForever;
    }
    double left = std::ceil((nextFrameDue() - seconds()) * 1000.0);
    if (!(left > 0.0)) {
        return 0;
    }
    return left > 60000.0 ? 60000u : static_cast<uint32_t>(left);
}

void frameIfDue()
{
    BWApp& app = appState();
    if (app.frameRate == 0) {
        return;
    }
    if (seconds() >= nextFrameDue()) {
        app.lastFrameTime = seconds();
        tickLayers();
        present();
    }
}

} // namespace

void run()
{
    BWApp& app = appState();
    if (!app.window || app.terminating) {
        return;
    }
    ++app.loopDepth;
    showWindow();
    const int32_t level = app.loopDepth;
    while (level <= app.loopDepth) {
        PlatformMessage message;
        if (platformWaitMessage(message, millisecondsUntilFrame())) {
            windowProcedure(message);
        }
        frameIfDue();
    }
}

void exitLoop()
{
    BWApp& app = appState();
    if (app.loopDepth > 1) {
        --app.loopDepth;
    } else if (app.loopDepth == 1 && canCloseAll()) {
        app.loopDepth = 0;
    }
}

void endAllLoops()
{
    BWApp& app = appState();
    app.terminating = true;
    app.loopDepth = 0;
}

// Every layer's drawing, recorded as the frame's list of commands.
static void recordFrame()
{
    startRecording();
    preparePresentation();
    drawLayers();
    stopRecording();
}

// Draws the recorded frame only inside the damaged areas of the picture, over the last one
// shown, which the drawable still holds, and shows those areas.
static void presentDamage(const std::vector<BWRect>& damage)
{
    // Grown to whole drawable pixels, areas that were apart may meet.
    std::vector<BWRect> areas;
    for (const BWRect& logical : damage) {
        addDamage(areas, drawableArea(logical));
    }
    std::vector<PlatformRect> shownAreas;
    for (const BWRect& area : areas) {
        clipDrawingTo(area);
        replayRecordingMeeting(logicalArea(area));
        shownAreas.push_back(PlatformRect{area.x, area.y, area.w, area.h});
    }
    stopClipping();
    platformPresentAreas(shownAreas.data(), int32_t(shownAreas.size()));
}

void drawFrame()
{
    recordFrame();
    replayRecording();
}

void present()
{
    BWApp& app = appState();
    if (app.window && app.glContext && !platformWindowOnScreen()) {
        // Nobody sees a minimised or hidden window: its frames are not even recorded, and
        // whatever it shows when it comes back is drawn afresh.
        forgetShownDrawing();
        return;
    }
    recordFrame();
    if (!app.window || !app.glContext) {
        return;
    }
    if (recordingMatchesShown()) {
        return;
    }
    // Where the picture stays in the drawable after it is shown, only what changed is drawn.
    std::vector<BWRect> damage;
    if (platformPresentKeepsPicture() && recordingDamage(damage)) {
        presentDamage(damage);
        ++app.partialFramesPresented;
    } else {
        replayRecording();
        platformPresentFrame();
    }
    keepRecordingAsShown();
    ++app.framesPresented;
}

void presentAfresh()
{
    forgetShownDrawing();
    present();
}

void sendCommand(int32_t id)
{
    if (BWLayer* top = topLayer()) top->onCommand(id);
}

void sendChar(char character)
{
    if (BWLayer* top = topLayer()) top->onChar(character);
}

void sendKeyDown(int32_t keyCode)
{
    if (!topLayer()) return;
    pressInput(keyCode, HeldKind::Key, 0, 0);
    if (BWLayer* top = topLayer()) top->onKeyDown(keyCode);
}

void sendKeyUp(int32_t keyCode)
{
    if (!topLayer()) return;
    if (releaseInput(keyCode, HeldKind::Key, 0, 0)) {
        if (BWLayer* top = topLayer()) top->onKeyUp(keyCode);
    }
}

void sendMouseDoubleClick(int32_t x, int32_t y, int32_t button)
{
    if (BWLayer* top = topLayer()) top->onMouseDoubleClick(x, y, button);
}

void sendMouseDown(int32_t x, int32_t y, int32_t button)
{
    if (!topLayer()) return;
    pressInput(button, HeldKind::MouseButton, x, y);
    if (BWLayer* top = topLayer()) top->onMouseDown(x, y, button);
}

void sendMouseMove(int32_t x, int32_t y)
{
    if (BWLayer* top = topLayer()) top->onMouseMove(x, y);
}

void sendMouseUp(int32_t x, int32_t y, int32_t button)
{
    if (!topLayer()) return;
    if (releaseInput(button, HeldKind::MouseButton, x, y)) {
        if (BWLayer* top = topLayer()) top->onMouseUp(x, y, button);
    }
}

void sendMouseWheel(int32_t x, int32_t y, int32_t z, int32_t direction)
{
    if (BWLayer* top = topLayer()) top->onMouseWheel(x, y, z, direction);
}

bool askInsertChar(int32_t textboxId, char character)
{
    BWLayer* top = topLayer();
    return top ? top->canInsertChar(textboxId, character) : true;
}

// Each walk reads the next link after the call returns, so a handler may move layers.
void drawLayers()
{
    for (BWLayer* layer = bottomLayer(); layer; layer = layer->layerAbove()) {
        layer->onDraw();
    }
}

void tickLayers()
{
    for (BWLayer* layer = bottomLayer(); layer; layer = layer->layerAbove()) {
        layer->onTick();
    }
}

bool canCloseAll()
{
    for (BWLayer* layer = topLayer(); layer; layer = layer->layerBelow()) {
        if (!layer->canClose()) {
            return false;
        }
    }
    return true;
}

void deactivateLayers()
{
    for (BWLayer* layer = topLayer(); layer; layer = layer->layerBelow()) {
        layer->onDeactivate();
    }
}

void activateLayers()
{
    for (BWLayer* layer = topLayer(); layer; layer = layer->layerBelow()) {
        layer->onActivate();
    }
}
