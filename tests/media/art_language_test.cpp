// art_language_test.cpp: choosing the language from the system's list, reading its board labels,
// and pictures loading from its folder with the English ones in place of anything it lacks.
#include "frame/app.h"
#include "media/art_language.h"
#include "media/image.h"
#include "tests/harness/harness.h"
#include "tests/media/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace {

bool hasGermanFrenchBrazilianChinese(const char* folder)
{
    const std::string name = folder;
    return name == "de" || name == "fr" || name == "pt_BR" || name == "zh_CN";
}

std::string chosen(const std::vector<std::string>& preferred)
{
    return chooseArtLanguage(preferred, hasGermanFrenchBrazilianChinese);
}

} // namespace

TEST(ArtLanguage, TheFirstLanguageTheArtHasWinsAsTheSystemSpellsIt)
{
    EXPECT_EQ(chosen({"fr"}), "fr");
    EXPECT_EQ(chosen({"de_DE.UTF-8"}), "de");
    EXPECT_EQ(chosen({"de_AT@euro"}), "de");
    EXPECT_EQ(chosen({"DE-de"}), "de");
    EXPECT_EQ(chosen({"sv_SE", "fr_CA.UTF-8", "de"}), "fr") << "an unknown language is passed over";
    EXPECT_EQ(chosen({"pt-BR"}), "pt_BR");
    EXPECT_EQ(chosen({"pt_PT"}), "pt_BR") << "Portuguese takes the Brazilian pictures rather than none";
    EXPECT_EQ(chosen({"zh"}), "zh_CN");
    EXPECT_EQ(chosen({"zh-Hans-CN"}), "zh_CN");
    EXPECT_EQ(chosen({"zh_TW", "de"}), "de") << "traditional script is not simplified Chinese";
}

TEST(ArtLanguage, EnglishWhenTheListAsksForItOrHasNothingKnown)
{
    EXPECT_EQ(chosen({}), "");
    EXPECT_EQ(chosen({"", "sv", "xx_YY.garbage"}), "");
    EXPECT_EQ(chosen({"en_GB.UTF-8", "de"}), "") << "English first means English";
    EXPECT_EQ(chosen({"C.UTF-8", "de"}), "");
    EXPECT_EQ(chosen({"POSIX"}), "");
    EXPECT_EQ(chosen({"../../etc", "de"}), "de") << "a folder the art does not have is never taken";
}

TEST(ArtLanguage, BoardLabelsAreNineWholeLinesOrNone)
{
    TempDir folder;
    const auto labels = [&](const std::string& bytes) {
        writeBytes(folder.path("labels.txt"), std::vector<uint8_t>(bytes.begin(), bytes.end()));
        return readTableLabels(folder.path("labels.txt").c_str());
    };
    const std::string nine = "\x01\x02 (a)\nb\nc\nd\ne\nf\ng\nh\ni\n";
    ASSERT_EQ(labels(nine).size(), 9u);
    EXPECT_EQ(labels(nine)[0], "\x01\x02 (a)");
    EXPECT_TRUE(labels("b\nc\nd\ne\nf\ng\nh\ni\n").empty()) << "eight";
    EXPECT_TRUE(labels(nine + "j\n").empty()) << "ten";
    EXPECT_TRUE(labels("a\nb\nc\nd\ne\nf\ng\nh\ni").empty()) << "cut short";
    EXPECT_TRUE(labels("a\n\nc\nd\ne\nf\ng\nh\ni\n").empty()) << "an empty label";
    EXPECT_TRUE(labels("\xc3\xa9\nb\nc\nd\ne\nf\ng\nh\ni\n").empty()) << "bytes beyond the font's codes";
    EXPECT_TRUE(readTableLabels(folder.path("none.txt").c_str()).empty());
    EXPECT_TRUE(readTableLabels(nullptr).empty());
}

// Pictures load by bare name from the art's folder, as the game opens them.
struct LanguageArtTest : ::testing::Test {
    void SetUp() override
    {
        std::filesystem::create_directories(folder.path("de/@2x"));
        openTestWindow(15);
        before = std::filesystem::current_path();
        std::filesystem::current_path(folder.path(""));
    }
    void TearDown() override
    {
        std::filesystem::current_path(before);
        setArtLanguage("");
        shutdown();
    }
    static void writeFilled(const std::string& path, int width, int height)
    {
        writeArgbPng(path, width, height, std::vector<uint32_t>(size_t(width) * height, 0xff336699u));
    }
    TempDir folder;
    std::filesystem::path before;
};

TEST_F(LanguageArtTest, APictureComesFromTheLanguageAndEveryOneItLacksOrCannotReadFromEnglish)
{
    writeFilled(folder.path("menu.png"), 4, 2);
    writeFilled(folder.path("de/menu.png"), 6, 2);
    writeFilled(folder.path("board.png"), 4, 2);
    writeFilled(folder.path("help.png"), 4, 2);
    writeBytes(folder.path("de/help.png"), {0x89, 'P', 'N', 'G', 1, 2, 3});

    setArtLanguage("de");
    EXPECT_EQ(BWImage(BWString("menu.png")).bounds(), BWRect(0, 0, 6, 2)) << "the language's own picture";
    EXPECT_EQ(BWImage(BWString("board.png")).bounds(), BWRect(0, 0, 4, 2)) << "missing in the language";
    EXPECT_EQ(BWImage(BWString("help.png")).bounds(), BWRect(0, 0, 4, 2)) << "damaged in the language";
    EXPECT_TRUE(BWImage(BWString("absent.png")).isEmpty()) << "missing in both";

    setArtLanguage("");
    EXPECT_EQ(BWImage(BWString("menu.png")).bounds(), BWRect(0, 0, 4, 2)) << "English ignores the folders";
}
