// puzzle_options.cpp: parsing the commands and options of pellix-puzzle.
#include "puzzle_options.h"

#include <charconv>
#include <limits>

const char* const kPuzzleUsage =
    "usage: pellix-puzzle generate --layout classic|random|chaos "
    "--difficulty easy|normal|hard [--seed N] [--count K]\n"
    "       pellix-puzzle solve < puzzles\n"
    "       pellix-puzzle bench [--count N]\n"
    "       pellix-puzzle --version\n";

namespace {

constexpr ZoneLayout kLayouts[] = {ZoneLayout::Classic, ZoneLayout::Random, ZoneLayout::Chaos};
constexpr Difficulty kDifficulties[] = {Difficulty::Easy, Difficulty::Normal, Difficulty::Hard};

// Digits only, no sign, no overflow.
bool parseUnsigned(const std::string& text, uint64_t max, uint64_t& value)
{
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, value);
    return !text.empty() && error == std::errc() && stop == end && value <= max;
}

bool parseLayout(const std::string& text, ZoneLayout& layout)
{
    for (ZoneLayout candidate : kLayouts) {
        if (text == layoutName(candidate)) {
            layout = candidate;
            return true;
        }
    }
    return false;
}

bool parseDifficulty(const std::string& text, Difficulty& difficulty)
{
    for (Difficulty candidate : kDifficulties) {
        if (text == difficultyName(candidate)) {
            difficulty = candidate;
            return true;
        }
    }
    return false;
}

// One option with its value; which options a command accepts is decided by the caller.
bool parseOption(const std::string& name, const std::string& value, PuzzleOptions& options,
                 std::string& fault)
{
    uint64_t number = 0;
    if (name == "--layout") {
        if (parseLayout(value, options.layout)) {
            return true;
        }
        fault = "unknown layout '" + value + "' (classic, random or chaos)";
    } else if (name == "--difficulty") {
        if (parseDifficulty(value, options.difficulty)) {
            return true;
        }
        fault = "unknown difficulty '" + value + "' (easy, normal or hard)";
    } else if (name == "--seed") {
        if (parseUnsigned(value, std::numeric_limits<uint32_t>::max(), number)) {
            options.seeded = true;
            options.seed = static_cast<uint32_t>(number);
            return true;
        }
        fault = "--seed needs a number from 0 to 4294967295, not '" + value + "'";
    } else {
        if (parseUnsigned(value, std::numeric_limits<int32_t>::max(), number) && number > 0) {
            options.count = static_cast<int32_t>(number);
            return true;
        }
        fault = "--count needs a positive number, not '" + value + "'";
    }
    return false;
}

bool commandAccepts(PuzzleCommand command, const std::string& name)
{
    switch (command) {
    case PuzzleCommand::Generate:
        return name == "--layout" || name == "--difficulty" || name == "--seed" ||
               name == "--count";
    case PuzzleCommand::Bench:
        return name == "--count";
    case PuzzleCommand::Solve:
    case PuzzleCommand::Version:
        break;
    }
    return false;
}

bool parseCommand(const std::string& name, PuzzleOptions& options)
{
    if (name == "generate") {
        options.command = PuzzleCommand::Generate;
    } else if (name == "solve") {
        options.command = PuzzleCommand::Solve;
    } else if (name == "bench") {
        options.command = PuzzleCommand::Bench;
        options.count = kDefaultBenchCount;
    } else if (name == "--version") {
        options.command = PuzzleCommand::Version;
    } else {
        return false;
    }
    return true;
}

} // namespace

bool parsePuzzleOptions(const std::vector<std::string>& args, PuzzleOptions& options,
                        std::string& fault)
{
    options = PuzzleOptions();
    if (args.empty() || !parseCommand(args[0], options)) {
        fault = args.empty() ? "no command given" : "unknown command '" + args[0] + "'";
        return false;
    }
    bool hasLayout = false;
    bool hasDifficulty = false;
    for (std::size_t i = 1; i < args.size(); i += 2) {
        const std::string& name = args[i];
        if (!commandAccepts(options.command, name)) {
            fault = "unknown option '" + name + "' for " + args[0];
            return false;
        }
        if (i + 1 == args.size()) {
            fault = name + " needs a value";
            return false;
        }
        if (!parseOption(name, args[i + 1], options, fault)) {
            return false;
        }
        hasLayout = hasLayout || name == "--layout";
        hasDifficulty = hasDifficulty || name == "--difficulty";
    }
    if (options.command == PuzzleCommand::Generate && (!hasLayout || !hasDifficulty)) {
        fault = "generate needs --layout and --difficulty";
        return false;
    }
    return true;
}

const char* layoutName(ZoneLayout layout)
{
    switch (layout) {
    case ZoneLayout::Random:
        return "random";
    case ZoneLayout::Chaos:
        return "chaos";
    case ZoneLayout::Classic:
        break;
    }
    return "classic";
}

const char* difficultyName(Difficulty difficulty)
{
    switch (difficulty) {
    case Difficulty::Normal:
        return "normal";
    case Difficulty::Hard:
        return "hard";
    case Difficulty::Easy:
        break;
    }
    return "easy";
}
