// draw_list.h: a frame's drawing kept as a list of commands. A frame whose list matches the one
// last shown, on an unchanged window, need not reach GL at all: a still picture costs nothing.
#pragma once

#include "base/geometry.h"
#include "base/little_endian.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <vector>

// One drawing call: the function that performs it in GL, what it draws from, and its
// arguments. Two commands draw the same when all their bytes are equal, so a command has no
// padding and keeps floats as their bits. A subject's serial changes with every upload
// (newDrawSerial), so another picture later allocated at a freed one's address never
// compares equal to it.
struct DrawCommand {
    void (*perform)(const DrawCommand& command, const char* text) = nullptr;
    const void* subject = nullptr;
    uint64_t serial = 0;
    int32_t values[12] = {};
    // The picture's pixels (logical, y downwards) the command may change; the default, an
    // empty reach, stands for the whole drawable (bands included).
    BWRect reach;
    // The command's text in the list's text store (text commands only).
    uint32_t textStart = 0;
    uint32_t textLength = 0;
};

// Sets the command's first values, in order (those past its twelve are not kept).
inline void setValues(DrawCommand& command, std::initializer_list<int32_t> values)
{
    std::copy_n(values.begin(), std::min(values.size(), std::size(command.values)), command.values);
}

// A float kept among a command's values as its bits, and back.
inline int32_t floatBits(float value)
{
    return static_cast<int32_t>(bitsOfFloat(value));
}

inline float floatFromBits(int32_t bits)
{
    return floatOfBits(static_cast<uint32_t>(bits));
}

// A serial no subject has had before in this run.
uint64_t newDrawSerial();

// Performs the command now, or appends it to the frame being recorded. The text, when given,
// is handed to perform as a NUL-terminated copy.
void submitDraw(const DrawCommand& command, const char* text = nullptr);

// ---- The frame's list (the loop's present and drawFrame).

// Starts a new list: from now on submitted commands are kept instead of performed.
void startRecording();
// Ends the recording; the list stays until the next start.
void stopRecording();
// Whether the recorded list draws what the last shown one drew (false when none was shown, or
// after forgetShownDrawing).
bool recordingMatchesShown();
// Performs the recorded list in order.
void replayRecording();
// Performs, in order, the recorded commands whose reach meets the area (logical pixels) and
// those that may change anything: under a clip to that area, the same pixels as replayRecording.
void replayRecordingMeeting(BWRect area);
// Where the recorded list draws differently from the one shown, as areas of the picture
// (logical pixels): the reaches, old and new, of the commands that differ. Lists of the same
// length are compared command by command; otherwise everything between their common start and
// common end differs. False when the damage is the whole drawable: nothing shown, or a command
// of whole reach among those that differ.
bool recordingDamage(std::vector<BWRect>& areas);
// Keeps the recorded list as the one now on the screen.
void keepRecordingAsShown();
// Whatever is on the screen may no longer be the last shown list (exposed, restored, a new
// window): the next frame is shown whatever it draws.
void forgetShownDrawing();
// A subject about to be freed: a recording still holding commands that draw from it drops
// them, so that replaying never reaches freed memory.
void forgetDrawsFrom(const void* subject);
