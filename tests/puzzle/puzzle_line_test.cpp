// puzzle_line_test.cpp: the one-line puzzle form of pellix-puzzle, both ways.
#include "base/random.h"
#include "puzzle/generator.h"
#include "puzzle_line.h"

#include <gtest/gtest.h>

namespace {

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
    seedRandom(11);
    Board board;
    generate(board, ZoneLayout::Random, Difficulty::Hard);
    const int32_t zone = board.zoneMap[cellIndex(1, 0)];
    board.zoneMap[cellIndex(1, 0)] = 7; // marks where cell (1,0) lands in the text
    const std::string text = formatPuzzleLine(board);
    ASSERT_EQ(text.size(), 3u * 81 + 2);
    EXPECT_EQ(text[1], '7');
    EXPECT_EQ(text[82 + 9 * 3 + 2] - '0', board.givens[cellIndex(2, 3)]);
    board.zoneMap[cellIndex(1, 0)] = zone;
    const std::string good = formatPuzzleLine(board);

    PuzzleLine line;
    std::string fault;
    ASSERT_TRUE(parsePuzzleLine(good + "\r", line, fault)) << fault;
    EXPECT_EQ(line.zoneMap, board.zoneMap);
    EXPECT_EQ(line.givens, board.givens);
    EXPECT_TRUE(line.hasSolution);
    EXPECT_EQ(line.solution, board.solution);
    ASSERT_TRUE(parsePuzzleLine("\t" + good.substr(0, 163), line, fault)) << fault;
    EXPECT_FALSE(line.hasSolution);
}

TEST(PuzzleLine, FaultsNameWhatIsWrong)
{
    seedRandom(12);
    Board board;
    generate(board, ZoneLayout::Chaos, Difficulty::Easy);
    const std::string good = formatPuzzleLine(board);
    const std::string zones = good.substr(0, 81) + " ";
    const std::string givens = good.substr(82, 81);
    const std::string solution = " " + good.substr(164, 81);
    const std::string fields = "expected 2 or 3 fields (zones givens [solution]), found ";

    EXPECT_EQ(faultOf(""), fields + "0");
    EXPECT_EQ(faultOf(good + " 7"), fields + "4");
    EXPECT_EQ(faultOf(zones.substr(1) + givens), "zones field has 80 characters, expected 81");
    EXPECT_EQ(faultOf("0" + zones.substr(1) + givens), "zones field: character 1 is not a digit 1-9");
    EXPECT_EQ(faultOf(zones + givens.substr(0, 40) + "x" + givens.substr(41)),
              "givens field: character 41 is not a digit 0-9");
    EXPECT_EQ(faultOf(zones + givens + solution.substr(0, 81) + "0"),
              "solution field: character 81 is not a digit 1-9");
    std::string lopsided = zones;
    lopsided[lopsided.find('2')] = '1';
    EXPECT_EQ(faultOf(lopsided + givens), "zone 1 has 10 cells, expected 9");
    const std::size_t given = givens.find_first_not_of('0');
    std::string wrong = givens;
    wrong[given] = wrong[given] == '9' ? '1' : static_cast<char>(wrong[given] + 1);
    EXPECT_EQ(faultOf(zones + wrong + solution),
              "given " + std::to_string(given + 1) + " differs from the solution");
}
