// display.cpp: window placement, full screen, filling, the pointer, and the GL drawing state.
#include "frame/display.h"

#include "frame/app.h"
#include "frame/damage_areas.h"
#include "frame/draw_list.h"
#include "frame/loop.h"
#include "platform/gl.h"
#include "platform/platform.h"

#include <algorithm>

namespace {

// Where the picture is shown in the drawable (y downwards); empty before the first frame,
// when positions pass unchanged.
BWRect shown;
int32_t drawableWidth = 0;
int32_t drawableHeight = 0;
// The drawable pixels (y downwards) that drawing is kept to while a frame is drawn only where
// it changed; empty for none.
BWRect clip;
// Whether the picture is shown scaled, where only quads land on the right pixels.
bool pictureScaled = false;
BWColor bandColor(0xff000000u);
void (*presentationScaleHook)(double) = nullptr;

// The GL scissor box (rows upwards) of a drawable rectangle (y downwards).
void scissorTo(const BWRect& area)
{
    // Before the first frame the picture is the drawable.
    const int32_t rows = shown.w > 0 ? drawableHeight : appState().screenRect.h;
    glScissor(area.x, rows - area.y - area.h, area.w, area.h);
}

// Maps a length along one axis between the picture and the shown rectangle, rounding down
// (also below zero, so a band left of the picture never maps onto its first column).
int32_t scaleAlong(int32_t value, int32_t from, int32_t to)
{
    int64_t product = int64_t{value} * to;
    return static_cast<int32_t>(product >= 0 ? product / from : -((-product + from - 1) / from));
}

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

// Paints the bands beside the picture and points the viewport at the picture's place, from a
// command's values: drawable width and height, the shown rectangle, the band colour.
static void performPlacement(const DrawCommand& command, const char*)
{
    const int32_t* values = command.values;
    const BWRect place(values[2], values[3], values[4], values[5]);
    if (place.w != values[0] || place.h != values[1]) {
        // The picture itself is painted whole by the layers; only the bands need a colour.
        // Within the clip, when the frame is drawn only where it changed.
        const BWColor band{uint32_t(values[6])};
        glClearColor(band.red(), band.green(), band.blue(), 1.0f);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    glViewport(place.x, values[1] - place.y - place.h, place.w, place.h);
}

void preparePresentation()
{
    BWApp& app = appState();
    if (!app.glContext) {
        return;
    }
    const int32_t width = app.screenRect.w;
    const int32_t height = app.screenRect.h;
    platformDrawableSize(drawableWidth, drawableHeight);
    if (drawableWidth <= 0 || drawableHeight <= 0) {
        drawableWidth = width;
        drawableHeight = height;
    }
    shown = fitPicture(drawableWidth, drawableHeight, width, height);
    pictureScaled = shown.w != width || shown.h != height;
    // The placement is the frame's first command: a window of another size, or bands of another
    // colour, make the frame differ from the last one shown.
    DrawCommand placement;
    placement.perform = performPlacement;
    setValues(placement, {drawableWidth, drawableHeight, shown.x, shown.y, shown.w, shown.h,
                          int32_t(bandColor.value)});
    submitDraw(placement);
    if (presentationScaleHook) {
        presentationScaleHook(presentationScale());
    }
}

void setPresentationScaleHook(void (*hook)(double presentationScale))
{
    presentationScaleHook = hook;
}

BWRect shownPicture()
{
    return shown;
}

void forgetPresentation()
{
    shown = BWRect();
    drawableWidth = 0;
    drawableHeight = 0;
    pictureScaled = false;
}

double presentationScale()
{
    const int32_t width = appState().screenRect.w;
    return shown.w > 0 && width > 0 ? double(shown.w) / width : 1.0;
}

BWRect drawableArea(const BWRect& logical)
{
    const BWRect& screen = appState().screenRect;
    if (shown.w <= 0 || shown.h <= 0 || screen.w <= 0 || screen.h <= 0) {
        return BWRect();
    }
    // Outwards to whole pixels, then two more for smoothed pictures, whose texels bleed into
    // the pixels beside a quad's edge.
    constexpr int32_t kGrowth = 2;
    const int32_t left = shown.x + scaleAlong(logical.x, screen.w, shown.w) - kGrowth;
    const int32_t top = shown.y + scaleAlong(logical.y, screen.h, shown.h) - kGrowth;
    const int32_t right = shown.x - scaleAlong(-logical.right(), screen.w, shown.w) + kGrowth;
    const int32_t bottom = shown.y - scaleAlong(-logical.bottom(), screen.h, shown.h) + kGrowth;
    const int32_t x = std::max(left, 0);
    const int32_t y = std::max(top, 0);
    return BWRect(x, y, std::max(std::min(right, drawableWidth) - x, 0), std::max(std::min(bottom, drawableHeight) - y, 0));
}

BWRect logicalArea(const BWRect& drawable)
{
    const BWRect& screen = appState().screenRect;
    if (shown.w <= 0 || shown.h <= 0) {
        return drawable;
    }
    const int32_t left = scaleAlong(drawable.x - shown.x, shown.w, screen.w);
    const int32_t top = scaleAlong(drawable.y - shown.y, shown.h, screen.h);
    const int32_t right = -scaleAlong(shown.x - drawable.right(), shown.w, screen.w);
    const int32_t bottom = -scaleAlong(shown.y - drawable.bottom(), shown.h, screen.h);
    return BWRect(left, top, right - left, bottom - top);
}

void clipDrawingTo(const BWRect& area)
{
    clip = area;
    glEnable(GL_SCISSOR_TEST);
    scissorTo(clip);
}

void stopClipping()
{
    clip = BWRect();
    glDisable(GL_SCISSOR_TEST);
}

void setBandColor(BWColor color)
{
    bandColor = color;
}

BWPoint pictureFromDrawable(int32_t x, int32_t y)
{
    const BWRect& screen = appState().screenRect;
    if (shown.w <= 0 || shown.h <= 0) {
        return BWPoint(x, y);
    }
    return BWPoint(scaleAlong(x - shown.x, shown.w, screen.w), scaleAlong(y - shown.y, shown.h, screen.h));
}

bool onPicture(int32_t x, int32_t y)
{
    return shown.w <= 0 || (x >= shown.x && x < shown.x + shown.w && y >= shown.y && y < shown.y + shown.h);
}

BWPoint drawableFromPicture(int32_t x, int32_t y)
{
    const BWRect& screen = appState().screenRect;
    if (shown.w <= 0 || shown.h <= 0 || screen.w <= 0 || screen.h <= 0) {
        return BWPoint(x, y);
    }
    // The middle of the picture pixel, so that mapping back gives the same pixel.
    return BWPoint(shown.x + static_cast<int32_t>((int64_t{x} * 2 + 1) * shown.w / (2 * screen.w)),
                   shown.y + static_cast<int32_t>((int64_t{y} * 2 + 1) * shown.h / (2 * screen.h)));
}

void updateWindowRect()
{
    BWApp& app = appState();
    PlatformRect borders = app.fullscreen ? PlatformRect{} : platformWindowBorders();
    int32_t width = app.screenRect.w;
    int32_t height = app.screenRect.h;
    if (!app.fullscreen) {
        platformWindowSize(width, height);
    }
    app.windowLeft = -borders.x;
    app.windowTop = -borders.y;
    app.windowRight = width + borders.w;
    app.windowBottom = height + borders.h;
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
    presentAfresh();
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
        presentAfresh();
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

// A filled rectangle from a command's values: colour, then x, y, width and height.
static void performFill(const DrawCommand& command, const char*)
{
    const BWColor color{uint32_t(command.values[0])};
    const BWRect rect(command.values[1], command.values[2], command.values[3], command.values[4]);
    const int32_t height = screenHeight();
    if ((color.value >> 24) == 0xffu && !pictureScaled) {
        // An opaque fill is a clear of that rectangle: the same pixels at a fraction of the
        // cost of a blended quad on a software renderer. (Where the picture is scaled, the quad
        // keeps to the rules instead.) Within the clip, when there is one.
        BWRect area(shown.x + rect.x, shown.y + rect.y, rect.w, rect.h);
        if (!clip.isEmpty()) {
            const int32_t left = std::max(area.x, clip.x);
            const int32_t top = std::max(area.y, clip.y);
            area = BWRect(left, top, std::min(area.right(), clip.right()) - left, std::min(area.bottom(), clip.bottom()) - top);
        }
        if (area.w > 0 && area.h > 0) {
            glEnable(GL_SCISSOR_TEST);
            scissorTo(area);
            glClearColor(color.red(), color.green(), color.blue(), 1.0f);
            glClear(GL_COLOR_BUFFER_BIT);
        }
        if (clip.isEmpty()) {
            glDisable(GL_SCISSOR_TEST);
        } else {
            scissorTo(clip);
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

void fillRect(BWColor color, BWRect rect)
{
    if (!appState().glContext) {
        return;
    }
    DrawCommand fill;
    fill.perform = performFill;
    setValues(fill, {int32_t(color.value), rect.x, rect.y, rect.w, rect.h});
    fill.reach = rectWithPositiveSize(rect);
    if (fill.reach.isEmpty()) {
        return; // no pixel to fill, and an empty reach would stand for the whole drawable
    }
    submitDraw(fill);
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
        BWPoint at = drawableFromPicture(x, y);
        platformWarpCursor(at.x, at.y);
    }
}
