// language_sets_test.cpp: every language holds the pictures with words at the English sizes, at
// every scale, a label font that draws every code of its board labels, and nine labels that fit.
#include "resources.h"

#include "game/asset_files.h"
#include "game/screen_layout.h"
#include "media/art_language.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <vector>

namespace {

std::vector<std::string> languages()
{
    std::vector<std::string> codes;
    std::ifstream list(PELLIX_SOURCE_DIR "/po/LINGUAS");
    for (std::string line; std::getline(list, line);)
        if (!line.empty() && line[0] != '#') codes.push_back(line);
    return codes;
}

std::set<std::string> filesIn(const std::filesystem::path& folder)
{
    std::set<std::string> names;
    if (!std::filesystem::is_directory(folder)) return names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        if (entry.is_regular_file()) names.insert(entry.path().filename().string());
    return names;
}

std::string setFolder(const std::string& language, int scale)
{
    return scale == 1 ? language : language + "/@" + std::to_string(scale) + "x";
}

std::string englishFolder(int scale) { return scale == 1 ? "" : "@" + std::to_string(scale) + "x/"; }

// A PNG's size from its header (the IHDR chunk right after the signature), without decoding it.
bool pngSize(const std::string& name, int& width, int& height)
{
    const std::vector<uint8_t> bytes = readResource(name);
    if (bytes.size() < 24 || bytes[12] != 'I' || bytes[13] != 'H' || bytes[14] != 'D' || bytes[15] != 'R') return false;
    auto word = [&](size_t at) { return int(bytes[at]) << 24 | int(bytes[at + 1]) << 16 | int(bytes[at + 2]) << 8 | bytes[at + 3]; };
    width = word(16);
    height = word(20);
    return true;
}

}  // namespace

TEST(LanguageSets, EveryLanguageHasTheSamePicturesWithWordsAtTheirEnglishSizesAtEveryScale)
{
    const std::vector<std::string> codes = languages();
    ASSERT_EQ(codes.size(), 10u);
    // One picture of each language is decoded whole: the files are PNGs, not just their headers.
    for (const std::string& code : codes) {
        Picture menu;
        EXPECT_TRUE(readPicture(code + "/menu_background.png", menu)) << code;
    }
    for (int scale : {1, 2, 3}) {
        const std::set<std::string> first = filesIn(std::filesystem::path(PELLIX_RESOURCES_DIR) / setFolder(codes[0], scale));
        // The pictures with words: the menu, the board's backdrop, every button, dialog and the help.
        for (const char* name : {"menu_background.png", "game_background.png", "splash.png", "play_button.png",
                                 "undo_void.png", "dialog_pause.png", "dialog_help.png", "dialog_settings.png",
                                 "game_over.png", "font_main.fnt"})
            EXPECT_TRUE(first.count(name)) << name << " at " << scale << "x";
        // And none without: the board's pieces and the other fonts come from the English set.
        for (const char* name : {"game_zone1.png", "game_overlay.png", "dialog_background.png", "font_puzzle.fnt"})
            EXPECT_FALSE(first.count(name)) << name << " at " << scale << "x";
        for (const std::string& code : codes) {
            SCOPED_TRACE(code + " at " + std::to_string(scale) + "x");
            std::set<std::string> files = filesIn(std::filesystem::path(PELLIX_RESOURCES_DIR) / setFolder(code, scale));
            files.erase(kBoardLabelsFile);
            std::set<std::string> expected = first;
            expected.erase(kBoardLabelsFile);
            EXPECT_EQ(files, expected);
            for (const std::string& name : files) {
                if (name.size() < 4 || name.substr(name.size() - 4) != ".png") continue;
                int width = 0;
                int height = 0;
                int englishWidth = 0;
                int englishHeight = 0;
                ASSERT_TRUE(pngSize(setFolder(code, scale) + "/" + name, width, height)) << name;
                ASSERT_TRUE(pngSize(englishFolder(scale) + name, englishWidth, englishHeight)) << name;
                EXPECT_EQ(width, englishWidth) << name;
                EXPECT_EQ(height, englishHeight) << name;
            }
        }
    }
}

TEST(LanguageSets, EachLabelFontDrawsEveryCodeItsNineLabelsUseAndTheLabelsFit)
{
    for (const std::string& code : languages()) {
        SCOPED_TRACE(code);
        const std::vector<std::string> labels = readTableLabels(resourcePath(code + "/board_labels.txt").c_str());
        ASSERT_EQ(labels.size(), 9u);
        FontMetrics font;
        ASSERT_TRUE(readFont(code + "/font_main.fnt", font));
        FontMetrics english;
        ASSERT_TRUE(readFont("font_main.fnt", english));
        // The label font keeps the English layout: one line height, every printable ASCII glyph.
        EXPECT_EQ(font.sheetHeight, english.sheetHeight);
        for (int ch = 33; ch < 127; ch++) EXPECT_GE(font.glyphOf[ch], 0) << ch;
        for (const std::string& label : labels) {
            for (unsigned char ch : label) {
                if (ch == ' ') continue;
                EXPECT_TRUE(ch < 128 && font.glyphOf[ch] >= 0) << "code " << int(ch) << " in " << label;
            }
            EXPECT_LE(fontTextWidth(font, label.c_str()), kLabelWidth) << label;
        }
        for (int layout = 0; layout < 3; layout++)
            for (int difficulty = 1; difficulty < 3; difficulty++)
                EXPECT_NE(labels[size_t(layout * 3)], labels[size_t(layout * 3 + difficulty)]);
    }
}

// The artwork tool's fit check: a text too long for its room fails the build, naming the
// language, the picture and the text.
TEST(LanguageSets, ATextThatCannotFitFailsTheToolNamingLanguagePictureAndText)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "pellix-fit-check";
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder / "po");
    {
        std::ofstream po(folder / "de.po");
        po << "msgid \"\"\nmsgstr \"Content-Type: text/plain; charset=UTF-8\\n\"\n\n"
              "msgctxt \"dialog button, about 100 px\"\nmsgid \"Yes\"\n"
              "msgstr \"Jawohl, ganz bestimmt und ohne jeden Zweifel\"\n";
    }
    const std::string compile = "msgfmt -o " + (folder / "po" / "de.mo").string() + " " + (folder / "de.po").string();
    ASSERT_EQ(std::system(compile.c_str()), 0);
    const std::string run = std::string(PELLIX_ARTWORK_TOOL) + " --catalogues " + (folder / "po").string() +
                            " --language de --preview " + (folder / "sheet.png").string() + " 2> " +
                            (folder / "errors.txt").string();
    EXPECT_NE(std::system(run.c_str()), 0);
    std::ifstream errors(folder / "errors.txt");
    const std::string text((std::istreambuf_iterator<char>(errors)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("de, yes_button.png: text \"Jawohl, ganz bestimmt und ohne jeden Zweifel\" does not fit"),
              std::string::npos)
        << text;
    std::filesystem::remove_all(folder);
}
