// game_texts.h: the few texts the game draws itself: clocks, the table label, best times.
#pragma once

#include "base/bw_string.h"

#include <cstdint>

// "Classic", "Random", "Chaos"; "" outside 0 to 2.
const char* layoutName(int32_t layout);
// "Easy", "Normal", "Hard"; "" outside 0 to 2.
const char* difficultyName(int32_t difficulty);

// The running clock of the board: "%02d:%02d:%02d" with the hours taken modulo 24.
BWString playingClockText(float elapsedSeconds);
// "Classic (Easy)" and so on.
BWString tableLabel(int32_t layout, int32_t difficulty);
// The best time above the board: "Anonymous - 10:00:00", hours not reduced.
BWString bestTimeText(const char* name, float seconds);
// A row of the menu's best times: "1- Anonymous".
BWString bestRankText(int32_t rank, const char* name);
