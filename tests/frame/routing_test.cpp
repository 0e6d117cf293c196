// routing_test.cpp: window messages through the window procedure into the top layer, with the
// held-input rules, on a real window and the manual clock.
#include "frame/app.h"
#include "frame/held_input.h"
#include "frame/loop.h"
#include "tests/frame/recording_layer.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

namespace {

using Journal = std::vector<std::string>;

// Opens a window without frames (so nothing but the script moves), runs the script to its
// close, and answers what the top layer saw before the close question.
struct RoutingTest : ::testing::Test {
    void SetUp() override { openTestWindow(0); }
    void TearDown() override { shutdown(); }

    Journal runScript()
    {
        script.close(100000);
        run();
        EXPECT_FALSE(script.ranOut());
        EXPECT_EQ(journal.back(), "canclose");
        journal.pop_back();
        return journal;
    }

    Journal journal;
    ScriptedRun script;
};

} // namespace

TEST_F(RoutingTest, AutoRepeatedKeysAndTheirCharactersReachNoLayer)
{
    RecordingLayer layer(journal);
    script.keyDown(10, 'A');
    script.typeChar(10, 'a');
    script.keyDown(20, 'A', false, true);
    script.typeChar(20, 'a', true);
    script.keyDown(30, 'A', false, true);
    script.typeChar(30, 'a', true);
    script.keyUp(40, 'A');
    EXPECT_EQ(runScript(), (Journal{"keydown 12", "char a", "keyup 12"}));
}

TEST_F(RoutingTest, OnlyPrintableCharactersAreTyped)
{
    RecordingLayer layer(journal);
    for (int character : {31, 32, 126, 127, 0xc3, int{'x'}}) {
        script.typeChar(10, static_cast<uint8_t>(character));
    }
    EXPECT_EQ(runScript(), (Journal{"char  ", "char ~", "char x"}));
}

TEST_F(RoutingTest, ExtendedKeysTellTheKeypadEnterFromTheMainOne)
{
    RecordingLayer layer(journal);
    script.keyDown(10, 17);
    script.keyUp(11, 17);
    script.keyDown(12, 17, true); // right Ctrl
    script.keyUp(13, 17, true);
    script.keyDown(14, 13);
    script.keyUp(15, 13);
    script.keyDown(16, 13, true); // keypad Enter
    script.keyUp(17, 13, true);
    script.keyDown(18, 1092, false); // a key without a code still arrives, negative
    EXPECT_EQ(runScript(), (Journal{"keydown 8", "keyup 8", "keydown 8", "keyup 8", "keydown 2", "keyup 2",
                                    "keydown 81", "keyup 81", "keydown -1093"}));
}

TEST_F(RoutingTest, ButtonsReleaseInTheirOwnOrder)
{
    RecordingLayer layer(journal);
    script.mouseDown(10, 1, 1, 1);
    script.mouseDown(20, 2, 2, 2);
    script.mouseUp(30, 3, 3, 2);
    script.mouseUp(40, 4, 4, 1);
    EXPECT_EQ(runScript(), (Journal{"down 1 @1,1", "down 2 @2,2", "up 2 @3,3", "up 1 @4,4"}));
}

TEST_F(RoutingTest, AReleaseOfAnUnheldButtonReleasesTheHeldOnesInstead)
{
    RecordingLayer layer(journal);
    script.mouseDown(10, 0, 0, 1);
    script.mouseDown(11, 0, 0, 3);
    script.mouseUp(20, 7, 8, 2); // pressed outside the window
    script.mouseUp(30, 0, 0, 1); // already released: reports nothing
    script.at(40, [&] { journal.push_back(layer.isMouseButtonHeld(1) ? "held" : "free"); });
    EXPECT_EQ(runScript(), (Journal{"down 1", "down 3", "up 3 @7,8", "up 1 @7,8", "free"}));
}

TEST_F(RoutingTest, AnUnheldKeyReleaseReleasesTheHeldKeysNewestFirst)
{
    RecordingLayer layer(journal);
    script.keyDown(10, 'A');
    script.keyDown(11, 'B');
    script.mouseDown(12, 0, 0, 1);
    script.keyUp(20, 'Q');
    script.keyUp(30, 'A');
    script.at(40, [&] { journal.push_back(layer.isMouseButtonHeld(1) ? "button held" : "button free"); });
    EXPECT_EQ(runScript(), (Journal{"keydown 12", "keydown 13", "down 1", "keyup 13", "keyup 12", "button held"}));
}

TEST_F(RoutingTest, ASecondPressOfAHeldKeyGivesUpThenDown)
{
    RecordingLayer layer(journal);
    script.keyDown(10, 'A');
    script.keyDown(20, 'A');
    script.at(30, [&] { journal.push_back("held " + std::to_string(heldInputCount())); });
    EXPECT_EQ(runScript(), (Journal{"keydown 12", "keyup 12", "keydown 12", "held 1"}));
}

TEST_F(RoutingTest, KeysAndButtonsWithTheSameNumberAreDistinct)
{
    RecordingLayer layer(journal);
    script.mouseDown(10, 0, 0, 2);
    script.at(20, [&] {
        journal.push_back(layer.isKeyHeld(2) ? "key 2 held" : "key 2 free");
        journal.push_back(layer.isMouseButtonHeld(2) ? "button 2 held" : "button 2 free");
    });
    EXPECT_EQ(runScript(), (Journal{"down 2", "key 2 free", "button 2 held"}));
}

TEST_F(RoutingTest, ReleasedEntriesAreReusedBeforeNewOnes)
{
    RecordingLayer layer(journal);
    for (uint64_t at = 10; at < 100; at += 10) {
        script.keyDown(at, 'A');
        script.keyUp(at, 'A');
    }
    script.at(200, [&] { journal.push_back("lists " + std::to_string(heldInputCount()) + " " +
                                           std::to_string(recycledInputCount())); });
    Journal seen = runScript();
    EXPECT_EQ(seen.back(), "lists 0 1");
}

TEST_F(RoutingTest, TheWheelGivesDirectionsAndZeroForNoTurn)
{
    RecordingLayer layer(journal);
    script.wheel(10, 5, 6, 120);
    script.wheel(20, 5, 6, -240);
    script.wheel(30, 5, 6, 0);
    EXPECT_EQ(runScript(), (Journal{"wheel 1 z0 @5,6", "wheel -1 z0 @5,6", "wheel 0 z0 @5,6"}));
}

TEST_F(RoutingTest, InputGoesToTheTopLayerOnly)
{
    RecordingLayer below(journal, "below");
    RecordingLayer above(journal, "above");
    script.click(10, 1, 2);
    script.keyDown(20, 'A');
    script.close(30);
    run();
    EXPECT_EQ(journal, (Journal{"above: down 1 @1,2", "above: up 1 @1,2", "above: keydown 12", "above: canclose",
                                "below: canclose"}));
}

TEST_F(RoutingTest, ActivationReachesEveryLayerOncePerChange)
{
    RecordingLayer below(journal, "below");
    RecordingLayer above(journal, "above");
    script.activate(10, false);
    script.activate(20, false);
    script.at(25, [&] { journal.push_back(isInactive() ? "inactive" : "active"); });
    script.activate(30, true);
    script.activate(40, true);
    script.at(45, [&] { journal.push_back(isInactive() ? "inactive" : "active"); });
    script.close(50);
    run();
    EXPECT_EQ(journal, (Journal{"above: deactivate", "below: deactivate", "inactive", "above: activate",
                                "below: activate", "active", "above: canclose", "below: canclose"}));
}
