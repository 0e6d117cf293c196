// game_run.h: the whole game under the scripted harness: real art, a temporary profile
// folder, a fixed seed, and sounds that keep playing until a test has heard them.
#pragma once

#include "base/random.h"
#include "frame/layer_stack.h"
#include "game/game.h"
#include "media/sound.h"
#include "media/sound_device.h"
#include "tests/harness/harness.h"
#include "tests/storage/temp_config_home.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

// Frames come every 1/15 s from about 67 ms on, so the splash has ended by this time.
constexpr uint64_t kMenuShown = 2200;

// The cell size of the art's zone pictures.
constexpr int32_t kCell = 58;

// The game being run, from inside a scripted action.
inline Game& game()
{
    return *dynamic_cast<Game*>(bottomLayer());
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

    // Constructing the game runs it until the script closes it or runs out.
    void runGame(uint64_t closeAt)
    {
        script.close(closeAt);
        Game running;
    }

    // Releasing Play at ms generates a puzzle for a second of virtual time.
    void startGameAt(uint64_t ms)
    {
        script.at(ms, [] { ASSERT_EQ(game().state, Menu); });
        script.click(ms, 200, 285);
    }

    // Runs the steps 20 ms apart from ms on, then closes the game; input a step queues with the
    // helpers below arrives before the next step.
    void runSteps(uint64_t ms, const std::vector<std::function<void()>>& steps)
    {
        for (const std::function<void()>& step : steps) {
            script.at(ms += 20, step);
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
        clickAt(kBoardLeft + kCell * cell.x + kCell / 2, kBoardTop + kCell * cell.y + kCell / 2,
                button);
    }
    // A key of the main keyboard (the virtual keys of letters and digits are their characters).
    void pressKey(int32_t virtualKey)
    {
        script.keyDown(platformMilliseconds(), virtualKey);
        script.keyUp(platformMilliseconds(), virtualKey);
    }
    void chooseNumber(int32_t number) { pressKey('0' + number); }

    ScriptedRun script;
};
