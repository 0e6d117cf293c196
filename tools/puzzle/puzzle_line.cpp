// puzzle_line.cpp: writing and reading the one-line puzzle form.
#include "puzzle_line.h"

#include "base/random.h"
#include "puzzle/generator.h"

namespace {

constexpr char kFieldSeparators[] = " \t\r";

void appendField(std::string& text, const BoardArray& values)
{
    for (int32_t y = 0; y < kBoardSide; ++y) {
        for (int32_t x = 0; x < kBoardSide; ++x) {
            text += static_cast<char>('0' + values[cellIndex(x, y)]);
        }
    }
}

std::vector<std::string_view> splitFields(std::string_view text)
{
    std::vector<std::string_view> fields;
    std::size_t start = text.find_first_not_of(kFieldSeparators);
    while (start != std::string_view::npos) {
        const std::size_t end = text.find_first_of(kFieldSeparators, start);
        fields.push_back(text.substr(start, end - start));
        start = text.find_first_not_of(kFieldSeparators, end);
    }
    return fields;
}

// One field of 81 digits from lowest to 9 into values, in board order.
bool parseField(std::string_view field, const char* name, int32_t lowest, BoardArray& values,
                std::string& fault)
{
    if (field.size() != static_cast<std::size_t>(kCellCount)) {
        fault = std::string(name) + " field has " + std::to_string(field.size()) +
                " characters, expected 81";
        return false;
    }
    for (int32_t position = 0; position < kCellCount; ++position) {
        const char c = field[position];
        if (c < '0' + lowest || c > '9') {
            fault = std::string(name) + " field: character " + std::to_string(position + 1) +
                    " is not a digit " + std::to_string(lowest) + "-9";
            return false;
        }
        values[cellIndex(position % kBoardSide, position / kBoardSide)] = c - '0';
    }
    return true;
}

bool checkZoneSizes(const BoardArray& zoneMap, std::string& fault)
{
    int32_t sizes[kBoardSide + 1] = {};
    for (int32_t zone : zoneMap) {
        ++sizes[zone];
    }
    for (int32_t zone = 1; zone <= kBoardSide; ++zone) {
        if (sizes[zone] != kBoardSide) {
            fault = "zone " + std::to_string(zone) + " has " + std::to_string(sizes[zone]) +
                    " cells, expected 9";
            return false;
        }
    }
    return true;
}

bool checkGivensMatch(const PuzzleLine& line, std::string& fault)
{
    for (int32_t position = 0; position < kCellCount; ++position) {
        const int32_t index = cellIndex(position % kBoardSide, position / kBoardSide);
        if (line.givens[index] != 0 && line.givens[index] != line.solution[index]) {
            fault = "given " + std::to_string(position + 1) + " differs from the solution";
            return false;
        }
    }
    return true;
}

} // namespace

std::string formatPuzzleLine(const Board& board)
{
    std::string text;
    text.reserve(3 * kCellCount + 2);
    appendField(text, board.zoneMap);
    text += ' ';
    appendField(text, board.givens);
    text += ' ';
    appendField(text, board.solution);
    return text;
}

bool parsePuzzleLine(std::string_view text, PuzzleLine& line, std::string& fault)
{
    line = PuzzleLine();
    const std::vector<std::string_view> fields = splitFields(text);
    if (fields.size() != 2 && fields.size() != 3) {
        fault = "expected 2 or 3 fields (zones givens [solution]), found " +
                std::to_string(fields.size());
        return false;
    }
    if (!parseField(fields[0], "zones", 1, line.zoneMap, fault) ||
        !checkZoneSizes(line.zoneMap, fault) ||
        !parseField(fields[1], "givens", 0, line.givens, fault)) {
        return false;
    }
    line.hasSolution = fields.size() == 3;
    return !line.hasSolution || (parseField(fields[2], "solution", 1, line.solution, fault) &&
                                 checkGivensMatch(line, fault));
}

std::vector<std::string> generatePuzzleLines(const PuzzleOptions& options)
{
    if (options.seeded) {
        seedRandom(options.seed);
    }
    std::vector<std::string> lines;
    Board board;
    for (int32_t i = 0; i < options.count; ++i) {
        generate(board, options.layout, options.difficulty);
        lines.push_back(formatPuzzleLine(board));
    }
    return lines;
}
