// draw_list.cpp: recording a frame's commands, comparing them with the shown frame's, replaying.
#include "frame/draw_list.h"

#include "frame/damage_areas.h"

#include <type_traits>
#include <utility>
#include <vector>

static_assert(std::has_unique_object_representations_v<DrawCommand>,
              "commands are compared byte for byte: no padding, no floats");

namespace {

struct DrawList {
    std::vector<DrawCommand> commands;
    std::vector<char> text;

    void clear()
    {
        // Both keep their capacity: once the lists have grown to a frame's size, recording
        // allocates nothing.
        commands.clear();
        text.clear();
    }

    bool operator==(const DrawList& other) const
    {
        return commands.size() == other.commands.size() && text == other.text &&
               (commands.empty() ||
                std::memcmp(commands.data(), other.commands.data(), commands.size() * sizeof(DrawCommand)) == 0);
    }
};

DrawList recorded;
DrawList shown;
bool recording = false;
bool shownIsOnScreen = false;
uint64_t lastSerial = 0;

void performNothing(const DrawCommand&, const char*) {}

const char* textOf(const DrawList& list, const DrawCommand& command)
{
    return list.text.empty() ? "" : list.text.data() + command.textStart;
}

// Whether two commands draw the same, wherever their texts sit in their lists' stores.
bool drawSame(const DrawList& listA, const DrawCommand& a, const DrawList& listB, const DrawCommand& b)
{
    DrawCommand placedA = a;
    DrawCommand placedB = b;
    placedA.textStart = 0;
    placedB.textStart = 0;
    return std::memcmp(&placedA, &placedB, sizeof placedA) == 0 &&
           std::memcmp(textOf(listA, a), textOf(listB, b), a.textLength) == 0;
}

// Adds what the command may change; false when that is the whole drawable.
bool addReach(std::vector<BWRect>& areas, const DrawCommand& command)
{
    if (command.reach.isEmpty()) {
        return false;
    }
    addDamage(areas, command.reach);
    return true;
}

} // namespace

uint64_t newDrawSerial()
{
    return ++lastSerial;
}

void submitDraw(const DrawCommand& command, const char* text)
{
    if (!recording) {
        command.perform(command, text ? text : "");
        return;
    }
    recorded.commands.push_back(command);
    if (text) {
        DrawCommand& kept = recorded.commands.back();
        kept.textStart = uint32_t(recorded.text.size());
        kept.textLength = uint32_t(std::strlen(text));
        recorded.text.insert(recorded.text.end(), text, text + kept.textLength + 1);
    }
}

void startRecording()
{
    recorded.clear();
    recording = true;
}

void stopRecording()
{
    recording = false;
}

bool recordingMatchesShown()
{
    return shownIsOnScreen && recorded == shown;
}

void replayRecording()
{
    for (const DrawCommand& command : recorded.commands) {
        command.perform(command, textOf(recorded, command));
    }
}

void replayRecordingMeeting(BWRect area)
{
    for (const DrawCommand& command : recorded.commands) {
        if (command.reach.isEmpty() || rectsMeet(command.reach, area)) {
            command.perform(command, textOf(recorded, command));
        }
    }
}

bool recordingDamage(std::vector<BWRect>& areas)
{
    areas.clear();
    if (!shownIsOnScreen) {
        return false;
    }
    const std::vector<DrawCommand>& now = recorded.commands;
    const std::vector<DrawCommand>& before = shown.commands;
    size_t start = 0;
    while (start < now.size() && start < before.size() && drawSame(recorded, now[start], shown, before[start])) {
        ++start;
    }
    size_t nowEnd = now.size();
    size_t beforeEnd = before.size();
    while (nowEnd > start && beforeEnd > start &&
           drawSame(recorded, now[nowEnd - 1], shown, before[beforeEnd - 1])) {
        --nowEnd;
        --beforeEnd;
    }
    // A pixel outside every differing command's reach is drawn by the same commands in the same
    // order in both lists, so it comes out the same.
    const bool pairwise = nowEnd - start == beforeEnd - start;
    for (size_t i = start; i < nowEnd; ++i) {
        if (!pairwise || !drawSame(recorded, now[i], shown, before[i])) {
            if (!addReach(areas, now[i]) || (pairwise && !addReach(areas, before[i]))) {
                return false;
            }
        }
    }
    for (size_t i = start; !pairwise && i < beforeEnd; ++i) {
        if (!addReach(areas, before[i])) {
            return false;
        }
    }
    return true;
}

void keepRecordingAsShown()
{
    std::swap(recorded, shown);
    shownIsOnScreen = true;
}

void forgetShownDrawing()
{
    shownIsOnScreen = false;
}

void forgetDrawsFrom(const void* subject)
{
    if (!recording) {
        return;
    }
    for (DrawCommand& command : recorded.commands) {
        if (command.subject == subject) {
            command.perform = performNothing;
            command.subject = nullptr;
        }
    }
}
