// game_run.h: the whole game under the scripted harness with real art and a temporary profile.
#pragma once

#include "base/random.h"
#include "frame/layer_stack.h"
#include "game/game.h"
#include "game/screen_layout.h"
#include "media/sound.h"
#include "media/sound_device.h"
#include "tests/harness/harness.h"
#include "tests/storage/temp_config_home.h"
#include "ui/image_dialog.h"
#include "ui/layer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <vector>

// Frames come every 1/15 s from about 67 ms on, so the splash has ended by this time.
constexpr uint64_t kMenuShown = 2200;
// A game started at kMenuShown has its board up by this time.
constexpr uint64_t kPlaying = kMenuShown + 1100;

// A point a few pixels inside a button or mark whose top-left corner is given.
inline BWPoint inside(BWPoint corner)
{
    return BWPoint(corner.x + 5, corner.y + 5);
}

// The menu's option marks of a row: the layout's on the left, the difficulty's on the right.
inline BWPoint layoutMark(int32_t row)
{
    return BWPoint(kLayoutColumn, kOptionRows[row]);
}
inline BWPoint difficultyMark(int32_t row)
{
    return BWPoint(kDifficultyColumn, kOptionRows[row]);
}

// The game being run, from inside a scripted action.
inline Game& game()
{
    return *dynamic_cast<Game*>(bottomLayer());
}

// The topmost layer of the kind in the stack, null when there is none.
template <class Kind> Kind* layerOfKind()
{
    for (BWLayer* layer = topLayer(); layer; layer = layer->layerBelow()) {
        if (Kind* found = dynamic_cast<Kind*>(layer)) {
            return found;
        }
    }
    return nullptr;
}

// How many pixels of two frames of one size differ, in the whole frame or in a rectangle.
inline size_t differingPixels(const Capture& one, const Capture& other,
                              BWRect rect = BWRect(0, 0, 800, 600))
{
    EXPECT_EQ(one.pixels.size(), other.pixels.size());
    size_t count = 0;
    for (int32_t y = rect.y; y < rect.y + rect.h; ++y) {
        for (int32_t x = rect.x; x < rect.x + rect.w; ++x) {
            count += one.pixel(x, y) != other.pixel(x, y);
        }
    }
    return count;
}

// A dialog or the help page is up.
inline bool dialogUp()
{
    return layerOfKind<BWImageDialog>() != nullptr;
}

using CellTest = std::function<bool(const Cell&, BWPoint)>;

// The cells, column by column, that satisfy the test.
inline std::vector<BWPoint> cellsWhere(const CellTest& test)
{
    std::vector<BWPoint> found;
    for (int32_t x = 0; x < kBoardSide; ++x) {
        for (int32_t y = 0; y < kBoardSide; ++y) {
            if (test(game().cell(x, y), BWPoint(x, y))) {
                found.emplace_back(x, y);
            }
        }
    }
    EXPECT_FALSE(found.empty()) << "no such cell";
    return found;
}

// The first, second, ... cell that is not given.
inline BWPoint emptyCell(size_t which = 0)
{
    return cellsWhere([](const Cell& cell, BWPoint) { return !cell.given; }).at(which);
}

class GameRun : public TempConfigHome {
protected:
    void SetUp() override
    {
        TempConfigHome::SetUp();
        ASSERT_TRUE(platformChangeDirectory(PELLIX_RESOURCES_DIR));
        // A device nobody pulls frames from: a sound that was started stays playing.
        SoundDevice held;
        held.open = [](SoundDeviceCallback, void*) { return true; };
        held.close = [] {};
        held.lock = [] {};
        held.unlock = [] {};
        setSoundDevice(held);
        seedRandom(20261208);
    }
    void TearDown() override
    {
        enableSound();
        setSoundDevice(platformSoundDevice());
        TempConfigHome::TearDown();
    }

    // Whether the sound was started since it was last asked about.
    static bool heard(BWSound& sound)
    {
        const bool playing = sound.isPlaying();
        sound.stop();
        return playing;
    }

    // Constructing the game runs it until the script closes it. A game in progress asks first
    // and Enter answers yes; a win in progress takes a few more: the close ends the banner,
    // Enter accepts the name, the next close answers the play-again question.
    void runGame(uint64_t closeAt)
    {
        script.whileRunning([&] {
            for (uint64_t ms = closeAt; ms < closeAt + 2000; ms += 500) {
                script.close(ms);
                script.keyDown(ms + 10, vkReturn);
            }
        });
        { Game running; }
        script.forgetEndings();
    }

    // Releasing Play at ms generates a puzzle for a second of virtual time.
    void startGameAt(uint64_t ms)
    {
        script.at(ms, [] { ASSERT_EQ(game().state, GameState::Menu); });
        pressAt(ms, kPlayButton);
    }
    // A click at ms inside the button or mark whose top-left corner is given.
    void pressAt(uint64_t ms, BWPoint corner)
    {
        const BWPoint at = inside(corner);
        script.click(ms, at.x, at.y);
    }

    // Runs the steps apart from ms on, then closes the game; input a step queues with the
    // helpers below arrives before the next step. A dialog button takes a quarter second to
    // act, so steps that press them need a wider spacing.
    void runSteps(uint64_t ms, const std::vector<std::function<void()>>& steps, uint64_t spacing = 20)
    {
        for (const std::function<void()>& step : steps) {
            script.at(ms += spacing, step);
        }
        runGame(ms + 100);
    }

    // Input at the current virtual time, for steps.
    void clickAt(int32_t x, int32_t y, int32_t button = 1)
    {
        script.click(platformMilliseconds(), x, y, button);
    }
    void clickCell(BWPoint cell, int32_t button = 1)
    {
        clickAt(kBoardLeft + kCellSize * cell.x + kCellSize / 2, kBoardTop + kCellSize * cell.y + kCellSize / 2,
                button);
    }
    // A key of the main keyboard (the virtual keys of letters and digits are their characters).
    void pressKey(int32_t virtualKey)
    {
        script.keyDown(platformMilliseconds(), virtualKey);
        script.keyUp(platformMilliseconds(), virtualKey);
    }
    void chooseNumber(int32_t number) { pressKey('0' + number); }
    // Picks the number on the side panel, then clicks the cell.
    void clickNumberIntoCell(int32_t number, BWPoint cell, int32_t button = 1)
    {
        clickAt(kPanelLeft + kPanelSlot / 2, kPanelTop + kPanelSlot * number + kPanelSlot / 2);
        clickCell(cell, button);
    }
    // Clicks the solution into every cell that is not given and passes the test.
    void clickSolution(const std::function<bool(BWPoint)>& test = [](BWPoint) { return true; })
    {
        for (int32_t x = 0; x < kBoardSide; ++x) {
            for (int32_t y = 0; y < kBoardSide; ++y) {
                if (!game().cell(x, y).given && test(BWPoint(x, y))) {
                    clickNumberIntoCell(game().cell(x, y).solutionDigit, BWPoint(x, y));
                }
            }
        }
    }
    // A click a few pixels inside a button or mark whose top-left corner is given.
    void press(BWPoint corner)
    {
        const BWPoint at = inside(corner);
        clickAt(at.x, at.y);
    }
    void typeText(const char* text)
    {
        for (const char* c = text; *c; ++c) {
            script.typeChar(platformMilliseconds(), static_cast<uint8_t>(*c));
        }
    }

    ScriptedRun script;
};

// A Classic Easy game started from the menu at kMenuShown.
struct PlayingRun : GameRun {
    void SetUp() override
    {
        GameRun::SetUp();
        startGameAt(kMenuShown);
    }
};
