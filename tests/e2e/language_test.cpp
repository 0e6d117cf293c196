// language_test.cpp: the whole game started with LANGUAGE set, as a desktop in that language
// starts it: the language's menu, board label and dialogs, and English for a language it lacks.
#include "tests/e2e/game_run.h"

#include "game/game_texts.h"
#include "media/art_language.h"
#include "media/png_decode.h"
#include "platform/platform.h"

#include <cstdlib>
#include <memory>
#include <string>

namespace {

struct Decoded {
    int32_t width = 0;
    int32_t height = 0;
    std::unique_ptr<uint8_t[]> argb;
    const uint8_t* at(int32_t x, int32_t y) const { return &argb[(size_t(y) * width + x) * 4]; }
};

Decoded decoded(const std::string& name)
{
    Decoded picture;
    picture.argb = decodePng(BWString("%s", name.c_str()), &picture.width, &picture.height);
    EXPECT_TRUE(picture.argb) << name;
    return picture;
}

// How many pixels of the frame's region differ by more than a little from the picture `over`
// laid on the opaque picture `under` (straight alpha, as the files hold them).
int32_t pixelsUnlike(const Capture& frame, const std::string& under, const std::string& over, BWRect region)
{
    const Decoded below = decoded(under);
    const Decoded above = over.empty() ? Decoded{} : decoded(over);
    if (!below.argb || (!over.empty() && !above.argb)) {
        return region.w * region.h;
    }
    int32_t unlike = 0;
    for (int32_t y = region.y; y < region.bottom(); ++y) {
        for (int32_t x = region.x; x < region.right(); ++x) {
            const uint32_t got = frame.pixel(x, y);
            for (int channel = 1; channel < 4; ++channel) {
                int expected = below.at(x, y)[channel];
                if (above.argb) {
                    const int alpha = above.at(x, y)[0];
                    expected = (above.at(x, y)[channel] * alpha + expected * (255 - alpha) + 127) / 255;
                }
                if (std::abs((int(got >> (8 * (3 - channel))) & 0xff) - expected) > 6) {
                    ++unlike;
                    break;
                }
            }
        }
    }
    return unlike;
}

// The first of the nine labels of the language's file, or "" without one.
std::string labelOf(const std::string& language, size_t table)
{
    const std::vector<std::string> labels = readTableLabels((language + "/board_labels.txt").c_str());
    return table < labels.size() ? labels[table] : "";
}

struct LanguageTest : GameRun {
    // The program's own choice (main does the same): the system's list against the art's folders.
    void startIn(const char* language)
    {
        setenv("LANGUAGE", language, 1);
        setArtLanguage(chooseArtLanguage(platformPreferredLanguages(), platformDirectoryExists));
    }
    void TearDown() override
    {
        unsetenv("LANGUAGE");
        setArtLanguage("");
        useTableLabels({});
        GameRun::TearDown();
    }
    // The menu, the board with its label and the pause dialog, each compared with the language's
    // own pictures (`folder`, "" for English) where nothing covers them.
    void playIn(const std::string& folder, const std::string& captureName)
    {
        const std::string prefix = folder.empty() ? "" : folder + "/";
        script.at(kMenuShown - 10, [&] {
            const Capture menu = captureFrame();
            saveCapture(menu, ("language_menu_" + captureName).c_str());
            const BWRect titleAndCards(150, 60, 500, 180);
            EXPECT_LT(pixelsUnlike(menu, prefix + "menu_background.png", "", titleAndCards), 100);
            // ... and not the English one's, whose words stand elsewhere.
            if (!folder.empty()) {
                EXPECT_GT(pixelsUnlike(menu, "menu_background.png", "", titleAndCards), 300);
            }
        });
        startGameAt(kMenuShown);
        script.at(kPlaying, [&] {
            ASSERT_EQ(game().state, GameState::Playing);
            const BWString label = tableLabel(game().profile.zoneLayout(), game().profile.difficulty());
            const int32_t layout = game().profile.zoneLayout();
            const int32_t difficulty = game().profile.difficulty();
            const std::string expected = folder.empty()
                                             ? std::string(layoutName(layout)) + " (" + difficultyName(difficulty) + ")"
                                             : labelOf(folder, size_t(layout * 3 + difficulty));
            EXPECT_EQ(std::string(label.chars()), expected);
            const Capture board = captureFrame();
            saveCapture(board, ("language_board_" + captureName).c_str());
            // The clock's caption (the clock itself is drawn below it) and the pencil box's label.
            for (const BWRect words : {BWRect(20, 160, 136, 30), BWRect(724, 40, 72, 22)}) {
                EXPECT_LT(pixelsUnlike(board, prefix + "game_background.png", "", words), 20);
            }
            pressAt(kPlaying + 1, kPauseButton);
        });
        script.at(kPlaying + 200, [&] {
            ASSERT_TRUE(dialogUp());
            const Capture paused = captureFrame();
            saveCapture(paused, ("language_pause_" + captureName).c_str());
            const BWRect titleAndLines(160, 232, 480, 70);
            EXPECT_LT(pixelsUnlike(paused, "dialog_background.png", prefix + "dialog_pause.png", titleAndLines), 100);
            if (!folder.empty()) {
                EXPECT_GT(pixelsUnlike(paused, "dialog_background.png", "dialog_pause.png", titleAndLines), 300);
            }
        });
        runGame(kPlaying + 400);
    }
};

} // namespace

TEST_F(LanguageTest, FrenchStartsWithTheFrenchMenuBoardLabelAndDialogs)
{
    startIn("fr_FR.UTF-8");
    ASSERT_EQ(artLanguage(), "fr");
    playIn("fr", "fr");
}

TEST_F(LanguageTest, GermanStartsWithTheGermanMenuBoardLabelAndDialogs)
{
    startIn("de");
    ASSERT_EQ(artLanguage(), "de");
    playIn("de", "de");
}

TEST_F(LanguageTest, JapaneseStartsWithTheJapaneseMenuBoardLabelAndDialogs)
{
    startIn("ja_JP.UTF-8");
    ASSERT_EQ(artLanguage(), "ja");
    playIn("ja", "ja");
}

TEST_F(LanguageTest, AnUnknownLanguageStartsInEnglish)
{
    startIn("sv_SE:tlh");
    ASSERT_EQ(artLanguage(), "");
    playIn("", "unknown");
}
