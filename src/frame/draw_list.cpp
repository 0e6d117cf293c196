// draw_list.cpp: recording a frame's commands, comparing them with the shown frame's, replaying.
#include "frame/draw_list.h"

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
        command.perform(command, recorded.text.empty() ? "" : recorded.text.data() + command.textStart);
    }
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
