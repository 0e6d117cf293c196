// layer_stack.h: the ordered stack of layers, threaded through the layers' own links.
#pragma once

#include <cstdint>

class BWLayer;

// The most recently pushed layer (it receives input) and the oldest (drawn first); both null
// when the stack is empty. The stack owns nothing.
BWLayer* topLayer();
BWLayer* bottomLayer();

// The link changes, for BWLayer's constructor, destructor and moveInStack.
struct LayerLinks {
    static void pushOnTop(BWLayer& layer);
    // Unlinks a layer being destroyed; an emptied stack frees the held-input lists.
    static void remove(BWLayer& layer);
    static void move(BWLayer& layer, int32_t position);

private:
    static void unlink(BWLayer& layer);
    static void appendAtBottom(BWLayer& layer);
    // Exchanges the layer with the one directly above it.
    static void swapWithAbove(BWLayer& lower);
};
