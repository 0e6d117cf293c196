// golden_puzzles_test.cpp: the generator against puzzles pinned for every layout and difficulty.
#include "puzzle_line.h"
#include "puzzle_options.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <sstream>

namespace {

// One command of the pinned file and the lines it printed.
struct GoldenRun {
    std::string command;
    std::vector<std::string> lines;
};

std::vector<GoldenRun> readGoldenRuns(const char* fileName)
{
    std::vector<GoldenRun> runs;
    std::ifstream file(fileName);
    std::string text;
    while (std::getline(file, text)) {
        if (text.empty() || text[0] == '#') {
            continue;
        }
        if (text.rfind("generate ", 0) == 0) {
            runs.push_back({text, {}});
        } else if (!runs.empty()) {
            runs.back().lines.push_back(text);
        }
    }
    return runs;
}

std::vector<std::string> splitWords(const std::string& text)
{
    std::istringstream words(text);
    return {std::istream_iterator<std::string>(words), std::istream_iterator<std::string>()};
}

} // namespace

TEST(GoldenPuzzles, EverySeedStillGivesItsPinnedPuzzles)
{
    const std::vector<GoldenRun> runs = readGoldenRuns(PELLIX_GOLDEN_PUZZLES);
    std::set<std::pair<ZoneLayout, Difficulty>> pairs;
    for (const GoldenRun& run : runs) {
        SCOPED_TRACE(run.command);
        PuzzleOptions options;
        std::string fault;
        ASSERT_TRUE(parsePuzzleOptions(splitWords(run.command), options, fault)) << fault;
        ASSERT_TRUE(options.seeded) << "an unseeded run depends on what ran before it";
        EXPECT_EQ(generatePuzzleLines(options), run.lines);
        pairs.insert({options.layout, options.difficulty});
    }
    EXPECT_EQ(pairs.size(), 9u) << "every layout and difficulty is pinned";
}
