// game_texts.h: the few texts the game draws itself: clocks, the table label, best times.
#pragma once

#include "base/bw_string.h"
#include "media/font.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// "Classic", "Random", "Chaos"; "" outside 0 to 2.
const char* layoutName(int32_t layout);
// "Easy", "Normal", "Hard"; "" outside 0 to 2.
const char* difficultyName(int32_t difficulty);

// The running clock of the board: "%02d:%02d:%02d" with the hours taken modulo 24.
BWString playingClockText(float elapsedSeconds);
// "Classic (Easy)" and so on, or the language's label once useTableLabels has it.
BWString tableLabel(int32_t layout, int32_t difficulty);
// The nine labels of a language, layout by layout (as readTableLabels gives them); anything
// but nine goes back to the English ones.
void useTableLabels(std::vector<std::string> labels);
// The best time above the board: "Anonymous - 10:00:00", hours not reduced.
BWString bestTimeText(const char* name, float seconds);
// A row of the menu's best times: "1- Anonymous".
BWString bestRankText(int32_t rank, const char* name);

// A name as the text it goes into shows it within `width` pixels of the font: whole when the
// text fits, otherwise cut short and ended with "..." (the stored name stays whole).
// `textWith` makes the text around a name, as bestRankText or bestTimeText do.
BWString nameFittedTo(const BWFont& font, int32_t width, const char* name,
                      const std::function<BWString(const char*)>& textWith);
