// harness.h: scripted runs of the real frame: a manual clock, timed input and actions, captures.
//
// A ScriptedRun switches the platform to a manual clock from 0 ms (waits and the loop's sleeps
// advance it at once) and replaces the system's message queue with a timeline whose messages
// travel the real window procedure and routing. Windows are real: GL through Mesa on SDL's
// offscreen driver unless SDL_VIDEODRIVER says otherwise; audio uses SDL's dummy driver.
//
//     ScriptedRun script;
//     openTestWindow(15);                  // "Pellix", 800 x 600, 15 frames per second
//     script.click(100, 400, 300);         // left press and release at 100 ms
//     script.at(500, [&] { saveCapture(captureFrame(), "my_screen"); });
//     script.close(1000);                  // the close button; run returns when accepted
//     run();
//
// When the timeline is empty and the loop would wait forever, the run gets a close request
// and ranOut() answers true; a run past its virtual time limit aborts rather than hangs.
//
// Checks inside actions count only if the timeline runs out: a run that ends while it still
// holds actions or input fails the test, naming the first entry left. Only the input queued
// through whileRunning (what ends a run that may already have ended) may be left over, and
// failIfReached marks a time the run must never reach.
#pragma once

#include "base/geometry.h"
#include "platform/platform.h"
#include "platform/virtual_keys.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

class ScriptedRun {
public:
    ScriptedRun();
    ~ScriptedRun();
    ScriptedRun(const ScriptedRun&) = delete;
    ScriptedRun& operator=(const ScriptedRun&) = delete;

    // Runs the action when virtual time reaches ms (between two passes of the loop); the label
    // names it should the run end before.
    void at(uint64_t ms, std::function<void()> action, const char* label = "");
    // Delivers the message when virtual time reaches ms. Entries with the same time keep the
    // order they were queued in.
    void send(uint64_t ms, const PlatformMessage& message);

    void keyDown(uint64_t ms, int32_t virtualKey, bool extended = false, bool repeat = false);
    void keyUp(uint64_t ms, int32_t virtualKey, bool extended = false);
    void typeChar(uint64_t ms, uint8_t character, bool repeat = false);
    void mouseMove(uint64_t ms, int32_t x, int32_t y);
    void mouseDown(uint64_t ms, int32_t x, int32_t y, int32_t button = 1);
    void mouseUp(uint64_t ms, int32_t x, int32_t y, int32_t button = 1);
    // Press and release at the same moment (on consecutive passes).
    void click(uint64_t ms, int32_t x, int32_t y, int32_t button = 1);
    // 120 per notch, positive away from the user.
    void wheel(uint64_t ms, int32_t x, int32_t y, int32_t delta);
    void activate(uint64_t ms, bool active);
    void close(uint64_t ms);
    // Delivers at ms what the system's own queue holds now, converted by the platform: the
    // real events of a window call (hiding the window, say) reach the game that way.
    void forwardSystemMessages(uint64_t ms);

    // The input the function queues need not be reached: the close requests and answers that
    // end a run, of which a short run takes fewer than a long one.
    void whileRunning(const std::function<void()>& queue);
    // Drops that input where the run ended without it, so that none reaches a later run.
    void forgetEndings();
    // Reaching ms fails the test with the label and ends the run at once (a Terminate message).
    void failIfReached(uint64_t ms, const char* label);
    // A timeline that feeds itself for ever (the soak) ends with the run: nothing is checked.
    void endlessTimeline() { endless_ = true; }

    void setTimeLimit(uint64_t ms) { timeLimit_ = ms; }
    bool ranOut() const { return ranOut_; }
    size_t pendingEntries() const { return timeline_.size(); }
    // How often the run loop asked for its next message (each ask is one sleep of the loop).
    int64_t waits() const { return waits_; }

private:
    enum class Need { Reached, Optional, Forbidden };
    struct Entry {
        PlatformMessage message;
        std::function<void()> action;
        std::string label;
        Need need = Need::Reached;
    };
    static bool nextMessage(void* user, PlatformMessage& message, uint32_t timeoutMs);
    static void dropWaitingPresses(void* user);
    bool next(PlatformMessage& message, uint32_t timeoutMs);
    void useAsMessageSource();
    void expectTimelineRanOut() const;

    std::multimap<uint64_t, Entry> timeline_;
    uint64_t timeLimit_ = 600000;
    bool ranOut_ = false;
    bool optional_ = false;
    bool endless_ = false;
    int64_t waits_ = 0;
};

// createWindow("Pellix", 800, 600, 32, framesPerSecond).
void openTestWindow(int32_t framesPerSecond);

// One frame read back from GL: every pixel as packed ARGB, top row first.
struct Capture {
    int32_t width = 0;
    int32_t height = 0;
    std::vector<uint32_t> pixels;

    // The pixel's colour, 0 outside the picture.
    uint32_t pixel(int32_t x, int32_t y) const;
    // Pixels of the rectangle (clipped to the picture) whose red, green and blue each lie
    // within tolerance of the colour's; alpha is not compared.
    int32_t countMatching(BWRect rect, BWColor color, int32_t tolerance = 2) const;
    // Every pixel of the rectangle matches (and the rectangle lies inside the picture).
    bool regionIs(BWRect rect, BWColor color, int32_t tolerance = 2) const;
};

// Draws every layer as the next frame would be drawn and reads the whole drawable back.
Capture captureFrame();
// Reads back what the drawable holds now, drawing nothing.
Capture readFrame();
// Writes the capture as an RGB PNG file; false when the file cannot be written.
bool writePng(const Capture& capture, const char* path);
// Writes it to the captures folder of the test build as <name>.png and returns the path.
std::string saveCapture(const Capture& capture, const char* name);
