// recording_layer.h: a test layer that writes down every operation the frame calls on it.
#pragma once

#include "ui/layer.h"

#include <functional>
#include <string>
#include <vector>

// Each call appends one line such as "down 1" or "keyup 12" to the shared journal, prefixed
// with the layer's name when it has one, so tests can compare whole sequences.
class RecordingLayer : public BWLayer {
public:
    explicit RecordingLayer(std::vector<std::string>& journal, std::string name = "")
        : journal_(journal), name_(std::move(name)) {}

    bool closeAnswer = true;
    bool insertAnswer = true;
    std::function<void()> onTickAction;

    void onCommand(int32_t id) override { note("command " + std::to_string(id)); }
    bool canClose() override { note("canclose"); return closeAnswer; }
    void onChar(char character) override { note(std::string("char ") + character); }
    void onKeyDown(int32_t code) override { note("keydown " + std::to_string(code)); }
    void onKeyUp(int32_t code) override { note("keyup " + std::to_string(code)); }
    void onMouseDoubleClick(int32_t x, int32_t y, int32_t button) override { note("double " + std::to_string(button) + at(x, y)); }
    bool canInsertChar(int32_t id, char character) override
    {
        note("insert " + std::to_string(id) + " " + character);
        return insertAnswer;
    }
    void onMouseDown(int32_t x, int32_t y, int32_t button) override { note("down " + std::to_string(button) + at(x, y)); }
    void onMouseUp(int32_t x, int32_t y, int32_t button) override { note("up " + std::to_string(button) + at(x, y)); }
    void onMouseMove(int32_t x, int32_t y) override { note("move" + at(x, y)); }
    void onMouseWheel(int32_t x, int32_t y, int32_t z, int32_t direction) override
    {
        note("wheel " + std::to_string(direction) + " z" + std::to_string(z) + at(x, y));
    }
    void onDeactivate() override { note("deactivate"); }
    void onActivate() override { note("activate"); }
    void onTick() override
    {
        if (onTickAction) {
            onTickAction();
        }
    }

private:
    // Positions are left out of the journal when they are the origin, to keep keys short.
    static std::string at(int32_t x, int32_t y)
    {
        return x == 0 && y == 0 ? "" : " @" + std::to_string(x) + "," + std::to_string(y);
    }
    void note(const std::string& line) { journal_.push_back(name_.empty() ? line : name_ + ": " + line); }

    std::vector<std::string>& journal_;
    std::string name_;
};
