// layer.h: the base class of everything in the layer stack that draws or receives input.
#pragma once

#include <cstdint>

// Constructing a layer puts it on top of the stack; destroying it takes it out. The frame calls
// the input operations on the top layer only, and drawing, ticking, activation and the close
// question on every layer. A layer that does not want an input hands it to the layer below with
// the matching pass operation, which is how widget layers stay transparent outside themselves.
// A layer must not be destroyed by its own handler while the frame walks the stack.
class BWLayer {
public:
    BWLayer();
    virtual ~BWLayer() { leaveStack(); }
    BWLayer(const BWLayer&) = delete;
    BWLayer& operator=(const BWLayer&) = delete;

    // Every virtual operation is defined here, in the header: the class then has no key
    // function, its type information goes wherever it is used, and the frame, which calls
    // these, needs this header but not the ui library.
    virtual void onCommand(int32_t) {}
    virtual void onDraw() {}
    // Asked before the outermost loop ends; false keeps the program running.
    virtual bool canClose() { return true; }
    virtual void onChar(char) {}
    virtual void onKeyDown(int32_t) {}
    virtual void onKeyUp(int32_t) {}
    virtual void onMouseDoubleClick(int32_t, int32_t, int32_t) {}
    virtual void onMouseDown(int32_t, int32_t, int32_t) {}
    virtual void onMouseMove(int32_t, int32_t) {}
    virtual void onMouseUp(int32_t, int32_t, int32_t) {}
    // z is always 0; direction is +1 for a turn away from the user, -1 towards, 0 for none.
    virtual void onMouseWheel(int32_t, int32_t, int32_t, int32_t) {}
    virtual void onDeactivate() {}
    virtual void onActivate() {}
    // A focused text box asks before inserting a typed character; false refuses it.
    virtual bool canInsertChar(int32_t, char) { return true; }
    virtual void onTick() {}

    // The same operation on the layer below, when there is one.
    void passCommand(int32_t id);
    void passChar(char character);
    void passKeyDown(int32_t keyCode);
    void passKeyUp(int32_t keyCode);
    void passMouseDoubleClick(int32_t x, int32_t y, int32_t button);
    void passMouseDown(int32_t x, int32_t y, int32_t button);
    void passMouseMove(int32_t x, int32_t y);
    void passMouseUp(int32_t x, int32_t y, int32_t button);
    void passMouseWheel(int32_t x, int32_t y, int32_t z, int32_t direction);
    // What the layer below answers; true when there is none.
    bool passInsertChar(int32_t textboxId, char character);

    // 0 and 1 make this the top layer, 2 puts it directly under the top and so on; -1 makes it
    // the bottom layer, -2 the one above the bottom. It stops at the end of the stack.
    void moveInStack(int32_t position);

    // Whether the key or mouse button is held; the same answer from every layer.
    bool isKeyHeld(int32_t keyCode) const;
    bool isMouseButtonHeld(int32_t button) const;

    BWLayer* layerBelow() const { return below_; }
    BWLayer* layerAbove() const { return above_; }

private:
    friend struct LayerLinks;
    void leaveStack();
    BWLayer* below_ = nullptr;
    BWLayer* above_ = nullptr;
};
