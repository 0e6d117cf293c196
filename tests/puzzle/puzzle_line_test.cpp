// puzzle_line_test.cpp: the one-line puzzle form of pellix-puzzle, both ways.
#include "base/random.h"
#include "puzzle/generator.h"
#include "puzzle_line.h"

#include <gtest/gtest.h>

namespace {

std::string generatedLine(ZoneLayout layout)
{
    seedRandom(11);
    Board board;
    generate(board, layout, Difficulty::Hard);
    return formatPuzzleLine(board);
}

std::string faultOf(const std::string& text)
{
    PuzzleLine line;
    std::string fault;
    EXPECT_FALSE(parsePuzzleLine(text, line, fault)) << text;
    return fault;
}

} // namespace

TEST(PuzzleLine, WritesRowMajorAndReadsBack)
{
    Board board;
    for (int32_t x = 0; x < 9; ++x) {
        for (int32_t y = 0; y < 9; ++y) {
            board.zoneMap[cellIndex(x, y)] = y + 1; // zone = row
            board.solution[cellIndex(x, y)] = (x + 3 * y + y / 3) % 9 + 1;
        }
    }
    board.givens[cellIndex(1, 0)] = board.solution[cellIndex(1, 0)];
    const std::string text = formatPuzzleLine(board);
    ASSERT_EQ(text.size(), 3u * 81 + 2);
    EXPECT_EQ(text.substr(0, 10), "1111111112");
    EXPECT_EQ(text.substr(82, 3), "020");

    PuzzleLine line;
    std::string fault;
    ASSERT_TRUE(parsePuzzleLine(text, line, fault)) << fault;
    EXPECT_EQ(line.zoneMap, board.zoneMap);
    EXPECT_EQ(line.givens, board.givens);
    EXPECT_TRUE(line.hasSolution);
    EXPECT_EQ(line.solution, board.solution);

    for (ZoneLayout layout : {ZoneLayout::Random, ZoneLayout::Chaos}) {
        const std::string generated = generatedLine(layout);
        ASSERT_TRUE(parsePuzzleLine(generated + "\r", line, fault)) << fault;
        ASSERT_TRUE(parsePuzzleLine("\t" + generated.substr(0, 163), line, fault)) << fault;
        EXPECT_FALSE(line.hasSolution);
    }
}

TEST(PuzzleLine, FaultsNameWhatIsWrong)
{
    const std::string good = generatedLine(ZoneLayout::Random);
    const std::string zones = good.substr(0, 81);
    const std::string givens = good.substr(82, 81);
    const std::string solution = good.substr(164, 81);

    EXPECT_EQ(faultOf(""), "expected 2 or 3 fields (zones givens [solution]), found 0");
    EXPECT_EQ(faultOf(good + " 7"), "expected 2 or 3 fields (zones givens [solution]), found 4");
    EXPECT_EQ(faultOf(zones.substr(1) + " " + givens),
              "zones field has 80 characters, expected 81");
    EXPECT_EQ(faultOf("0" + zones.substr(1) + " " + givens),
              "zones field: character 1 is not a digit 1-9");
    std::string badGivens = givens;
    badGivens[40] = 'x';
    EXPECT_EQ(faultOf(zones + " " + badGivens), "givens field: character 41 is not a digit 0-9");
    std::string badSolution = solution;
    badSolution[80] = '0';
    EXPECT_EQ(faultOf(zones + " " + givens + " " + badSolution),
              "solution field: character 81 is not a digit 1-9");

    std::string lopsided = zones;
    lopsided[lopsided.find('2')] = '1';
    EXPECT_EQ(faultOf(lopsided + " " + givens), "zone 1 has 10 cells, expected 9");

    const std::size_t given = givens.find_first_not_of('0');
    std::string wrong = givens;
    wrong[given] = static_cast<char>(wrong[given] == '9' ? '1' : wrong[given] + 1);
    EXPECT_EQ(faultOf(zones + " " + wrong + " " + solution),
              "given " + std::to_string(given + 1) + " differs from the solution");
}
