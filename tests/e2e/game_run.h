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

    void clickCell(uint64_t ms, int32_t x, int32_t y, int32_t button = 1)
    {
        script.click(ms, kBoardLeft + kCell * x + kCell / 2, kBoardTop + kCell * y + kCell / 2, button);
    }

    // A key of the main keyboard (the virtual keys of letters and digits are their characters).
    void pressKey(uint64_t ms, int32_t virtualKey)
    {
        script.keyDown(ms, virtualKey);
        script.keyUp(ms, virtualKey);
    }

    ScriptedRun script;
};
