// game_over_banner.cpp: the blinking "game_over.png" and its own loop.
#include "game/game_over_banner.h"

#include "frame/clock.h"
#include "frame/loop.h"
#include "game/asset_files.h"

namespace {

constexpr float kSteadyFrom = 2.5f;
constexpr float kEndsAt = 3.5f;

} // namespace

GameOverBanner::GameOverBanner() : startTime_(static_cast<float>(seconds()))
{
    image_.load(kGameOverPicture);
}

GameOverBanner::~GameOverBanner() = default;

void GameOverBanner::run()
{
    ::run();
}

// Shown in every odd half second, and steadily for the last second.
void GameOverBanner::onDraw()
{
    const float elapsed = static_cast<float>(seconds()) - startTime_;
    if (elapsed >= kSteadyFrom || static_cast<int32_t>(elapsed * 2.0f) % 2 == 1) {
        image_.draw(0, 0);
    }
}

void GameOverBanner::onTick()
{
    if (static_cast<float>(seconds()) - startTime_ >= kEndsAt) {
        exitLoop();
    }
}
