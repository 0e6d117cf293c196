// game_texts.cpp: formatting of the texts the game draws.
#include "game/game_texts.h"

#include "game/profile.h"

#include <string>

const char* layoutName(int32_t layout)
{
    static const char* const names[] = {"Classic", "Random", "Chaos"};
    return layout >= 0 && layout <= 2 ? names[layout] : "";
}

const char* difficultyName(int32_t difficulty)
{
    static const char* const names[] = {"Easy", "Normal", "Hard"};
    return difficulty >= 0 && difficulty <= 2 ? names[difficulty] : "";
}

BWString playingClockText(float elapsedSeconds)
{
    const ClockTime time = clockTime(elapsedSeconds);
    return BWString("%02d:%02d:%02d", time.hours % 24, time.minutes, time.seconds);
}

namespace {

std::vector<std::string> translatedLabels;

} // namespace

void useTableLabels(std::vector<std::string> labels)
{
    translatedLabels = labels.size() == 9 ? std::move(labels) : std::vector<std::string>{};
}

BWString tableLabel(int32_t layout, int32_t difficulty)
{
    if (!translatedLabels.empty() && layout >= 0 && layout <= 2 && difficulty >= 0 && difficulty <= 2) {
        return BWString("%s", translatedLabels[static_cast<size_t>(layout * 3 + difficulty)].c_str());
    }
    return BWString("%s (%s)", layoutName(layout), difficultyName(difficulty));
}

BWString bestTimeText(const char* name, float seconds)
{
    const ClockTime time = clockTime(seconds);
    return BWString("%s - %02d:%02d:%02d", name, time.hours, time.minutes, time.seconds);
}

BWString bestRankText(int32_t rank, const char* name)
{
    return BWString("%d- %s", rank + 1, name);
}

BWString nameFittedTo(const BWFont& font, int32_t width, const char* name,
                      const std::function<BWString(const char*)>& textWith)
{
    if (font.textWidth(textWith(name)) <= width) {
        return textWith(name);
    }
    std::string cut = name;
    while (!cut.empty()) {
        cut.pop_back();
        const BWString text = textWith((cut + "...").c_str());
        if (font.textWidth(text) <= width) {
            return text;
        }
    }
    return textWith("...");
}
