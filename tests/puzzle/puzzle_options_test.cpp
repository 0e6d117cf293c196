// puzzle_options_test.cpp: the command line of pellix-puzzle and its timing summary.
#include "puzzle_options.h"
#include "timing_summary.h"

#include <gtest/gtest.h>

TEST(PuzzleOptions, ReadsEachCommand)
{
    PuzzleOptions options;
    std::string fault;
    ASSERT_TRUE(parsePuzzleOptions({"generate", "--layout", "chaos", "--difficulty", "hard",
                                    "--seed", "4294967295", "--count", "12"},
                                   options, fault));
    EXPECT_EQ(options.layout, ZoneLayout::Chaos);
    EXPECT_EQ(options.difficulty, Difficulty::Hard);
    EXPECT_TRUE(options.seeded && options.seed == 4294967295u && options.count == 12);
    ASSERT_TRUE(parsePuzzleOptions({"generate", "--difficulty", "easy", "--layout", "random"},
                                   options, fault));
    EXPECT_TRUE(!options.seeded && options.count == 1 && options.layout == ZoneLayout::Random);
    ASSERT_TRUE(parsePuzzleOptions({"bench"}, options, fault));
    EXPECT_TRUE(options.command == PuzzleCommand::Bench && options.count == 500);
    ASSERT_TRUE(parsePuzzleOptions({"--version"}, options, fault));
    EXPECT_EQ(options.command, PuzzleCommand::Version);
}

TEST(PuzzleOptions, RefusesBadArguments)
{
    const std::pair<std::vector<std::string>, const char*> faults[] = {
        {{}, "no command given"},
        {{"generate", "--layout", "classic"}, "generate needs --layout and --difficulty"},
        {{"generate", "--layout", "boxes", "--difficulty", "easy"}, "unknown layout 'boxes' (classic, random or chaos)"},
        {{"generate", "--seed", "4294967296"}, "--seed needs a number from 0 to 4294967295, not '4294967296'"},
        {{"bench", "--count", "0"}, "--count needs a positive number, not '0'"},
        {{"bench", "--count"}, "--count needs a value"},
        {{"solve", "extra"}, "unknown option 'extra' for solve"},
        {{"--version", "--count", "2"}, "unknown option '--count' for --version"},
        {{"--help"}, "unknown command '--help'"}};
    for (const auto& [args, expected] : faults) {
        PuzzleOptions options;
        std::string fault;
        EXPECT_FALSE(parsePuzzleOptions(args, options, fault));
        EXPECT_EQ(fault, expected);
    }
}

TEST(TimingSummary, NearestRankPercentiles)
{
    std::vector<double> times;
    for (int i = 100; i >= 1; --i) {
        times.push_back(i);
    }
    const TimingSummary summary = summarizeTimes(times);
    EXPECT_EQ(summary.median + summary.p90 + summary.p99 + summary.max, 50 + 90 + 99 + 100);
    EXPECT_EQ(summarizeTimes({7}).p99, 7);
    EXPECT_EQ(summarizeTimes({}).max, 0);
}
