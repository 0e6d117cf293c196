// display.cpp: window placement, full screen, filling, the pointer, and the GL drawing state.
#include "frame/display.h"

#include "frame/app.h"
#include "frame/loop.h"
#include "platform/platform.h"

#include <GL/gl.h>

#include <algorithm>

namespace {

// Whether the picture is shown scaled (full screen), where only quads land on the right pixels.
bool pictureScaled = false;
// Where the picture's bottom row lies in the drawable, for the scissor box.
int32_t pictureBottom = 0;

} // namespace

BWRect fitPicture(int32_t drawableWidth, int32_t drawableHeight, int32_t pictureWidth, int32_t pictureHeight)
{
    if (drawableWidth <= 0 || drawableHeight <= 0 || pictureWidth <= 0 || pictureHeight <= 0) {
        return BWRect(0, 0, pictureWidth, pictureHeight);
    }
    // Compare the two scales (drawable width / picture width against the heights) without rounding.
    int64_t byWidth = int64_t{drawableWidth} * pictureHeight;
    int64_t byHeight = int64_t{drawableHeight} * pictureWidth;
    int32_t shownWidth = drawableWidth;
    int32_t shownHeight = drawableHeight;
    if (byWidth < byHeight) {
        shownHeight = static_cast<int32_t>(byWidth / pictureWidth);
    } else {
        shownWidth = static_cast<int32_t>(byHeight / pictureHeight);
    }
    return BWRect((drawableWidth - shownWidth) / 2, (drawableHeight - shownHeight) / 2, shownWidth, shownHeight);
}

BWPoint centredPosition(int32_t workWidth, int32_t workHeight, int32_t outerWidth, int32_t outerHeight)
{
    return BWPoint((workWidth - outerWidth) / 2, (workHeight - outerHeight) / 2);
}

void applyDrawingState()
{
    BWApp& app = appState();
    glViewport(0, 0, app.screenRect.w, app.screenRect.h);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0.0, app.screenRect.w, 0.0, app.screenRect.h, -32768.0, 32768.0);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

void preparePresentation()
{
    BWApp& app = appState();
    if (!app.glContext) {
        return;
    }
    const int32_t width = app.screenRect.w;
    const int32_t height = app.screenRect.h;
    BWRect shown(0, 0, width, height);
    int32_t drawableWidth = 0;
    int32_t drawableHeight = 0;
    platformDrawableSize(drawableWidth, drawableHeight);
    if (app.fullscreen && drawableWidth > 0 && drawableHeight > 0) {
        shown = fitPicture(drawableWidth, drawableHeight, width, height);
        // The bands beside the picture are black; the picture itself is painted by the layers.
        glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
        glViewport(shown.x, drawableHeight - shown.y - shown.h, shown.w, shown.h);
        pictureScaled = true;
    } else {
        pictureScaled = false;
        pictureBottom = std::max(0, drawableHeight - height);
        glViewport(0, pictureBottom, width, height);
    }
    platformSetPresentation(PlatformRect{shown.x, shown.y, shown.w, shown.h}, width, height);
}

void updateWindowRect()
{
    BWApp& app = appState();
    PlatformRect borders = app.fullscreen ? PlatformRect{} : platformWindowBorders();
    app.windowLeft = -borders.x;
    app.windowTop = -borders.y;
    app.windowRight = app.screenRect.w + borders.w;
    app.windowBottom = app.screenRect.h + borders.h;
}

void centreWindow()
{
    BWApp& app = appState();
    if (!app.window) {
        return;
    }
    PlatformRect work = platformWorkArea();
    BWPoint at = centredPosition(work.w, work.h, app.windowRight - app.windowLeft, app.windowBottom - app.windowTop);
    moveWindow(at.x, at.y);
}

void moveWindow(int32_t x, int32_t y)
{
    BWApp& app = appState();
    if (app.window) {
        platformMoveWindow(x - app.windowLeft, y - app.windowTop);
    }
}

void showWindow()
{
    if (appState().window && !platformWindowVisible()) {
        platformShowWindow();
    }
}

void hideWindow()
{
    if (appState().window && platformWindowVisible()) {
        platformHideWindow();
    }
}

// The window is switched in place rather than hidden and shown again: with queued window
// messages a hide would arrive as a deactivation after the switch and undo it.
void enterFullscreen()
{
    BWApp& app = appState();
    if (!app.window || app.fullscreen) {
        return;
    }
    app.fullscreen = true;
    platformSetFullscreen(true);
    updateWindowRect();
    showWindow();
    present();
}

// Gives the window its own size back, centred, hiding it before the switch when asked; false
// when it was not in full screen.
static bool returnToWindow(bool hideFirst)
{
    BWApp& app = appState();
    if (!app.window || !app.fullscreen) {
        return false;
    }
    app.fullscreen = false;
    if (hideFirst) {
        hideWindow();
    }
    platformSetFullscreen(false);
    updateWindowRect();
    centreWindow();
    return true;
}

void leaveFullscreen()
{
    if (returnToWindow(false)) {
        showWindow();
        present();
    }
}

void suspendFullscreen()
{
    returnToWindow(true);
}

void minimiseFromFullscreen()
{
    BWApp& app = appState();
    if (!app.window || !app.fullscreen) {
        return;
    }
    app.fullscreen = false;
    platformSetFullscreen(false);
    updateWindowRect();
    centreWindow();
    platformMinimiseWindow();
}

void clearScreen()
{
    fillRect(BWColor(0xff000000u), screenRect());
}

void fillRect(BWColor color, BWRect rect)
{
    if (!appState().glContext) {
        return;
    }
    const int32_t height = screenHeight();
    if ((color.value >> 24) == 0xffu && !pictureScaled && !glIsEnabled(GL_SCISSOR_TEST)) {
        // An opaque fill is a clear of that rectangle: the same pixels at a fraction of the
        // cost of a blended quad on a software renderer. (Where a caller clips with its own
        // scissor box, or the picture is scaled, the quad keeps to the rules instead.)
        if (rect.w > 0 && rect.h > 0) {
            glEnable(GL_SCISSOR_TEST);
            glScissor(rect.x, pictureBottom + height - rect.y - rect.h, rect.w, rect.h);
            glClearColor(color.red(), color.green(), color.blue(), 1.0f);
            glClear(GL_COLOR_BUFFER_BIT);
            glDisable(GL_SCISSOR_TEST);
        }
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        glEnable(GL_TEXTURE_2D);
        return;
    }
    glDisable(GL_TEXTURE_2D);
    glColor4f(color.red(), color.green(), color.blue(), color.alpha());
    // A fan rather than glRecti, which the browser's GL emulation lacks; the pixels are the same.
    glBegin(GL_TRIANGLE_FAN);
    glVertex2i(rect.x, height - rect.y - rect.h);
    glVertex2i(rect.x + rect.w, height - rect.y - rect.h);
    glVertex2i(rect.x + rect.w, height - rect.y);
    glVertex2i(rect.x, height - rect.y);
    glEnd();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
}

bool showCursor()
{
    return platformSetCursorVisible(true);
}

bool hideCursor()
{
    return platformSetCursorVisible(false);
}

void setCursorPos(int32_t x, int32_t y)
{
    if (appState().window) {
        platformWarpCursor(x, y);
    }
}
