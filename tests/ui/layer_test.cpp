// layer_test.cpp: the layer base class: its place in the stack, defaults, pass operations, moves.
#include "frame/held_input.h"
#include "frame/layer_stack.h"
#include "frame/loop.h"
#include "tests/frame/recording_layer.h"
#include "ui/layer.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// A layer that passes every input down, as a widget does outside itself.
class PassingLayer : public BWLayer {
public:
    void onCommand(int32_t id) override { passCommand(id); }
    void onChar(char character) override { passChar(character); }
    void onKeyDown(int32_t code) override { passKeyDown(code); }
    void onKeyUp(int32_t code) override { passKeyUp(code); }
    void onMouseDoubleClick(int32_t x, int32_t y, int32_t button) override { passMouseDoubleClick(x, y, button); }
    void onMouseDown(int32_t x, int32_t y, int32_t button) override { passMouseDown(x, y, button); }
    void onMouseMove(int32_t x, int32_t y) override { passMouseMove(x, y); }
    void onMouseUp(int32_t x, int32_t y, int32_t button) override { passMouseUp(x, y, button); }
    void onMouseWheel(int32_t x, int32_t y, int32_t z, int32_t direction) override { passMouseWheel(x, y, z, direction); }
    bool canInsertChar(int32_t id, char character) override { return passInsertChar(id, character); }
};

// The stack from the bottom up.
std::vector<BWLayer*> stackFromBottom()
{
    std::vector<BWLayer*> layers;
    for (BWLayer* layer = bottomLayer(); layer; layer = layer->layerAbove()) {
        layers.push_back(layer);
    }
    return layers;
}

// The same stack read from the top down, reversed: both link directions must agree.
std::vector<BWLayer*> stackFromTopReversed()
{
    std::vector<BWLayer*> layers;
    for (BWLayer* layer = topLayer(); layer; layer = layer->layerBelow()) {
        layers.insert(layers.begin(), layer);
    }
    return layers;
}

void expectStack(const std::vector<BWLayer*>& expected)
{
    EXPECT_EQ(stackFromBottom(), expected);
    EXPECT_EQ(stackFromTopReversed(), expected);
}

} // namespace

TEST(LayerStack, ConstructionPushesOnTopAndDestructionRelinks)
{
    EXPECT_EQ(topLayer(), nullptr);
    auto first = std::make_unique<BWLayer>();
    EXPECT_EQ(topLayer(), first.get());
    EXPECT_EQ(bottomLayer(), first.get());
    auto second = std::make_unique<BWLayer>();
    auto third = std::make_unique<BWLayer>();
    EXPECT_EQ(second->layerBelow(), first.get());
    expectStack({first.get(), second.get(), third.get()});

    second.reset();
    expectStack({first.get(), third.get()});
    third.reset();
    EXPECT_EQ(topLayer(), first.get());
    first.reset();
    EXPECT_EQ(topLayer(), nullptr);
    EXPECT_EQ(bottomLayer(), nullptr);
}

TEST(LayerStack, MoveInStackCountsFromEitherEnd)
{
    {
        BWLayer lower, upper; // the bottom of two swaps places with the top
        lower.moveInStack(0);
        expectStack({&upper, &lower});
        lower.moveInStack(-1);
        expectStack({&lower, &upper});
    }
    BWLayer a, b, c, d; // a at the bottom, d on top
    d.moveInStack(0);
    expectStack({&a, &b, &c, &d});
    d.moveInStack(1);
    expectStack({&a, &b, &c, &d});
    a.moveInStack(0);
    expectStack({&b, &c, &d, &a});
    b.moveInStack(2);
    expectStack({&c, &d, &b, &a});
    c.moveInStack(99); // stops at the bottom
    expectStack({&c, &d, &b, &a});
    a.moveInStack(-1);
    expectStack({&a, &c, &d, &b});
    b.moveInStack(-2);
    expectStack({&a, &b, &c, &d});
    a.moveInStack(-99); // stops at the top
    expectStack({&b, &c, &d, &a});
}

TEST(LayerStack, DestroyingTheLastLayerFreesTheHeldInput)
{
    {
        BWLayer only;
        sendKeyDown(12);
        sendMouseDown(5, 5, 2);
        sendKeyDown(13);
        sendKeyUp(13); // leaves an entry in the recycle list
        EXPECT_TRUE(only.isKeyHeld(12));
        EXPECT_TRUE(only.isMouseButtonHeld(2));
        EXPECT_EQ(heldInputCount(), 2);
        EXPECT_EQ(recycledInputCount(), 1);
    }
    EXPECT_EQ(heldInputCount(), 0);
    EXPECT_EQ(recycledInputCount(), 0);
    BWLayer later;
    for (int32_t code = -2; code <= 105; ++code) {
        EXPECT_FALSE(later.isKeyHeld(code));
    }
}


TEST(LayerBase, PassOperationsReachTheLayerBelowWithTheSameArguments)
{
    std::vector<std::string> journal;
    RecordingLayer below(journal);
    below.insertAnswer = false;
    PassingLayer widget;
    sendCommand(7);
    sendChar('q');
    sendKeyDown(12);
    sendKeyUp(12);
    sendMouseDoubleClick(1, 2, 3);
    sendMouseDown(1, 2, 1);
    sendMouseMove(40, 50);
    sendMouseUp(1, 2, 1);
    sendMouseWheel(1, 2, 0, -1);
    EXPECT_FALSE(askInsertChar(4, 'a'));
    EXPECT_EQ(journal, (std::vector<std::string>{"command 7", "char q", "keydown 12", "keyup 12", "double 3 @1,2",
                                                 "down 1 @1,2", "move @40,50", "up 1 @1,2", "wheel -1 z0 @1,2",
                                                 "insert 4 a"}));
}

TEST(LayerBase, AloneOrWithoutLayersInputGoesNowhereAndEveryCloseAndCharacterIsAccepted)
{
    sendKeyDown(12);
    sendMouseDown(0, 0, 1);
    EXPECT_EQ(heldInputCount(), 0) << "an empty stack holds nothing";
    EXPECT_TRUE(askInsertChar(1, 'a'));
    PassingLayer alone;
    alone.passCommand(1);
    alone.passChar('a');
    alone.passKeyDown(1);
    alone.passMouseDown(1, 1, 1);
    alone.passMouseWheel(1, 1, 0, 1);
    EXPECT_TRUE(alone.passInsertChar(1, 'a'));
    BWLayer plain;
    EXPECT_TRUE(plain.canClose() && canCloseAll());
    for (int character = 0; character < 256; ++character) {
        EXPECT_TRUE(plain.canInsertChar(1, static_cast<char>(character)));
    }
}
