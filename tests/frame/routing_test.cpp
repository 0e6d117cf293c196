// routing_test.cpp: window messages through the window procedure into the top layer, held input.
#include "frame/app.h"
#include "frame/held_input.h"
#include "frame/loop.h"
#include "tests/frame/recording_layer.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

namespace {

using Journal = std::vector<std::string>;
using Script = std::function<void(ScriptedRun&, RecordingLayer&, Journal&)>;

// Opens a window without frames (so nothing but the script moves), runs the script to its
// close, and answers what the one layer saw before the close question.
Journal routed(const Script& steps)
{
    ScriptedRun script;
    openTestWindow(0);
    Journal journal;
    {
        RecordingLayer layer(journal);
        steps(script, layer, journal);
        script.close(100000);
        run();
    }
    shutdown();
    EXPECT_FALSE(script.ranOut());
    EXPECT_EQ(journal.back(), "canclose");
    journal.pop_back();
    return journal;
}

std::string held(bool isHeld, const char* what)
{
    return std::string(what) + (isHeld ? " held" : " free");
}

} // namespace

TEST(Routing, KeysAndCharacters)
{
    // Auto-repeated keys and their characters reach no layer.
    EXPECT_EQ(routed([](ScriptedRun& script, RecordingLayer&, Journal&) {
                  script.keyDown(10, 'A');
                  script.typeChar(10, 'a');
                  for (uint64_t at : {20, 30}) {
                      script.keyDown(at, 'A', false, true);
                      script.typeChar(at, 'a', true);
                  }
                  script.keyUp(40, 'A');
              }),
              (Journal{"keydown 12", "char a", "keyup 12"}));
    // Only printable characters are typed.
    EXPECT_EQ(routed([](ScriptedRun& script, RecordingLayer&, Journal&) {
                  for (int character : {31, 32, 126, 127, 0xc3, int{'x'}}) {
                      script.typeChar(10, static_cast<uint8_t>(character));
                  }
              }),
              (Journal{"char  ", "char ~", "char x"}));
    // Both Ctrl keys give 8; the extended flag tells keypad Enter from the main one; a key
    // without a code still arrives, negative.
    EXPECT_EQ(routed([](ScriptedRun& script, RecordingLayer&, Journal&) {
                  const std::pair<int32_t, bool> keys[] = {{17, false}, {17, true}, {13, false}, {13, true}};
                  for (const auto& [key, extended] : keys) {
                      script.keyDown(10, key, extended);
                      script.keyUp(10, key, extended);
                  }
                  script.keyDown(18, 1092);
              }),
              (Journal{"keydown 8", "keyup 8", "keydown 8", "keyup 8", "keydown 2", "keyup 2",
                       "keydown 81", "keyup 81", "keydown -1093"}));
}

TEST(Routing, HeldKeysAndButtons)
{
    // Buttons release in their own order.
    EXPECT_EQ(routed([](ScriptedRun& script, RecordingLayer&, Journal&) {
                  script.mouseDown(10, 1, 1, 1);
                  script.mouseDown(20, 2, 2, 2);
                  script.mouseUp(30, 3, 3, 2);
                  script.mouseUp(40, 4, 4, 1);
              }),
              (Journal{"down 1 @1,1", "down 2 @2,2", "up 2 @3,3", "up 1 @4,4"}));
    // A release of an unheld button (pressed outside the window) releases the held ones
    // instead and reports nothing for itself.
    EXPECT_EQ(routed([](ScriptedRun& script, RecordingLayer& layer, Journal& journal) {
                  script.mouseDown(10, 0, 0, 1);
                  script.mouseDown(11, 0, 0, 3);
                  script.mouseUp(20, 7, 8, 2);
                  script.mouseUp(30, 0, 0, 1);
                  script.at(40, [&] { journal.push_back(held(layer.isMouseButtonHeld(1), "1")); });
              }),
              (Journal{"down 1", "down 3", "up 3 @7,8", "up 1 @7,8", "1 free"}));
    // An unheld key's release releases the held keys newest first, not the buttons; keys
    // and buttons with the same number are distinct.
    EXPECT_EQ(routed([](ScriptedRun& script, RecordingLayer& layer, Journal& journal) {
                  script.keyDown(10, 'A');
                  script.keyDown(11, 'B');
                  script.mouseDown(12, 0, 0, 2);
                  script.keyUp(20, 'Q');
                  script.keyUp(30, 'A');
                  script.at(40, [&] {
                      journal.push_back(held(layer.isMouseButtonHeld(2), "button 2"));
                      journal.push_back(held(layer.isKeyHeld(2), "key 2"));
                  });
              }),
              (Journal{"keydown 12", "keydown 13", "down 2", "keyup 13", "keyup 12", "button 2 held", "key 2 free"}));
    // A second press of a held key gives up then down; a released entry is kept for reuse.
    EXPECT_EQ(routed([](ScriptedRun& script, RecordingLayer&, Journal& journal) {
                  script.keyDown(10, 'A');
                  script.keyDown(20, 'A');
                  script.at(30, [&] { journal.push_back("held " + std::to_string(heldInputCount())); });
                  for (uint64_t at : {40, 50, 60}) {
                      at == 50 ? script.keyDown(at, 'A') : script.keyUp(at, 'A');
                  }
                  script.at(70, [&] {
                      journal.push_back("lists " + std::to_string(heldInputCount()) + " " +
                                        std::to_string(recycledInputCount()));
                  });
              }),
              (Journal{"keydown 12", "keyup 12", "keydown 12", "held 1", "keyup 12", "keydown 12", "keyup 12",
                       "lists 0 1"}));
}

TEST(Routing, TheWheelGivesDirectionsAndZeroForNoTurn)
{
    EXPECT_EQ(routed([](ScriptedRun& script, RecordingLayer&, Journal&) {
                  for (int32_t delta : {120, -240, 0}) {
                      script.wheel(10, 5, 6, delta);
                  }
              }),
              (Journal{"wheel 1 z0 @5,6", "wheel -1 z0 @5,6", "wheel 0 z0 @5,6"}));
}

TEST(Routing, InputGoesToTheTopLayerAndActivationToEveryLayerOncePerChange)
{
    ScriptedRun script;
    openTestWindow(0);
    Journal journal;
    {
        RecordingLayer below(journal, "below");
        RecordingLayer above(journal, "above");
        script.click(10, 1, 2);
        script.keyDown(20, 'A');
        const auto state = [&] { journal.push_back(isInactive() ? "inactive" : "active"); };
        script.activate(30, false);
        script.activate(31, false);
        script.at(32, state);
        script.activate(40, true);
        script.activate(41, true);
        script.at(42, state);
        script.close(50);
        run();
    }
    shutdown();
    EXPECT_EQ(journal, (Journal{"above: down 1 @1,2", "above: up 1 @1,2", "above: keydown 12", "above: deactivate",
                                "below: deactivate", "inactive", "above: activate", "below: activate", "active",
                                "above: canclose", "below: canclose"}));
}
