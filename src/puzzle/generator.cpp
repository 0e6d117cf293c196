// generator.cpp: the solution generator and the two phases of choosing the givens.
#include "puzzle/generator.h"

#include "base/random.h"
#include "puzzle/solver.h"
#include "puzzle/zones.h"

#include <algorithm>
#include <bit>

namespace {

constexpr int32_t kFillDigitBudget = 5000;
constexpr int32_t kSeedRejectLimit = 5000;
constexpr int32_t kRepeatDrawLimit = 10000;
// Chaos places its solution under one placeholder zone per cell, numbered 1 to 81.
constexpr int32_t kZoneSlots = kCellCount + 1;

constexpr uint16_t kAllRows = 0x1ff;

uint16_t bitOf(int32_t position)
{
    return static_cast<uint16_t>(1u << position);
}

// Where each digit already stands, kept beside the solution so that the candidate rows of a
// column are a few mask operations instead of scans of the board. Rows and columns are
// 9-bit masks per digit; zones hold a mask of their digits.
struct DigitPlacer {
    Board& board;
    uint16_t rowsWith[kBoardSide + 1] = {};
    uint16_t columnsWith[kBoardSide + 1] = {};
    uint16_t emptyRows[kBoardSide] = {};
    uint16_t zoneDigits[kZoneSlots] = {};
    uint8_t zoneSlot[kCellCount] = {};

    explicit DigitPlacer(Board& target) : board(target)
    {
        for (int32_t x = 0; x < kBoardSide; ++x) {
            for (int32_t y = 0; y < kBoardSide; ++y) {
                const int32_t index = cellIndex(x, y);
                zoneSlot[index] =
                    static_cast<uint8_t>(std::clamp(board.zoneMap[index], 0, kZoneSlots - 1));
                const int32_t digit = std::clamp(board.solution[index], 0, kBoardSide);
                if (digit == 0) {
                    emptyRows[x] |= bitOf(y);
                } else {
                    toggle(x, y, digit);
                }
            }
        }
    }

    void toggle(int32_t x, int32_t y, int32_t digit)
    {
        rowsWith[digit] ^= bitOf(y);
        columnsWith[digit] ^= bitOf(x);
        zoneDigits[zoneSlot[cellIndex(x, y)]] ^= bitOf(digit);
    }

    void place(int32_t x, int32_t y, int32_t digit)
    {
        board.solution[cellIndex(x, y)] = digit;
        emptyRows[x] ^= bitOf(y);
        toggle(x, y, digit);
    }

    void remove(int32_t x, int32_t y, int32_t digit)
    {
        board.solution[cellIndex(x, y)] = 0;
        emptyRows[x] ^= bitOf(y);
        toggle(x, y, digit);
    }

    // Rows of column k that are empty, lack d in their row and lack d in their zone.
    uint16_t candidateRows(int32_t k, int32_t d) const
    {
        uint16_t rows = static_cast<uint16_t>(emptyRows[k] & ~rowsWith[d]);
        for (uint16_t open = rows; open != 0; open = static_cast<uint16_t>(open & (open - 1))) {
            const int32_t y = std::countr_zero(open);
            if ((zoneDigits[zoneSlot[cellIndex(k, y)]] & bitOf(d)) != 0) {
                rows = static_cast<uint16_t>(rows & ~bitOf(y));
            }
        }
        return rows;
    }

    bool fill(int32_t d);
};

bool DigitPlacer::fill(int32_t d)
{
    if (d > kBoardSide) {
        return true;
    }
    if (++board.genCalls > kFillDigitBudget) {
        return false;
    }
    const uint16_t columnsLacking = static_cast<uint16_t>(kAllRows & ~columnsWith[d]);
    if (columnsLacking == 0) {
        return fill(d + 1);
    }
    const int32_t k = std::countr_zero(columnsLacking);
    uint16_t candidates = candidateRows(k, d);
    // The scan over the candidate rows first starts at row 0. After a failed try the first
    // two columns of a digit resume it at row 1; later columns get a single try.
    uint16_t scanned = kAllRows;
    while ((candidates & scanned) != 0) {
        int32_t y = randomBelow(kBoardSide);
        while ((candidates & bitOf(y)) == 0) {
            y = randomBelow(kBoardSide);
        }
        place(k, y, d);
        if (fill(d)) {
            return true;
        }
        remove(k, y, d);
        candidates = static_cast<uint16_t>(candidates & ~bitOf(y));
        if (k >= 2) {
            return false;
        }
        scanned = static_cast<uint16_t>(kAllRows & ~bitOf(0));
    }
    return false;
}

bool trySolution(Board& board)
{
    board.genCalls = 0;
    board.solution.fill(0);
    return fillDigit(board, 1);
}

// The four counts of seedOk and fillOk for cell (x, y).
struct GivenCounts {
    int32_t row = 0;
    int32_t column = 0;
    int32_t zone = 0;
    int32_t digit = 0;
};

GivenCounts countGivens(const Board& board, int32_t x, int32_t y)
{
    const int32_t index = cellIndex(x, y);
    GivenCounts counts;
    for (int32_t i = 0; i < kCellCount; ++i) {
        if (board.givens[i] == 0) {
            continue;
        }
        counts.row += i % kBoardSide == y ? 1 : 0;
        counts.column += i / kBoardSide == x ? 1 : 0;
        counts.zone += board.zoneMap[i] == board.zoneMap[index] ? 1 : 0;
        counts.digit += board.givens[i] == board.solution[index] ? 1 : 0;
    }
    return counts;
}

void giveCell(Board& board, int32_t index)
{
    board.givens[index] = board.solution[index];
}

} // namespace

void spreadGivens(Board& board, Difficulty difficulty)
{
    const int32_t target = givenRules(difficulty).phaseOneGivens;
    for (;;) {
        board.givens.fill(0);
        int32_t accepted = 0;
        int32_t rejected = 0;
        while (accepted < target && rejected <= kSeedRejectLimit) {
            const int32_t x = randomBelow(kBoardSide);
            const int32_t y = randomBelow(kBoardSide);
            if (seedOk(board, difficulty, x, y)) {
                giveCell(board, cellIndex(x, y));
                ++accepted;
            } else {
                ++rejected;
            }
        }
        if (accepted == target) {
            return;
        }
    }
}

bool topUpGivens(Board& board, Difficulty difficulty)
{
    bool visited[kCellCount] = {};
    int32_t visitedCount = 0;
    int32_t repeats = 0;
    while (visitedCount < kCellCount) {
        const int32_t x = randomBelow(kBoardSide);
        const int32_t y = randomBelow(kBoardSide);
        const int32_t index = cellIndex(x, y);
        if (visited[index]) {
            if (++repeats > kRepeatDrawLimit) {
                return false;
            }
            continue;
        }
        if (fillOk(board, difficulty, x, y)) {
            giveCell(board, index);
        }
        visited[index] = true;
        ++visitedCount;
    }
    return true;
}

GivenRules givenRules(Difficulty difficulty)
{
    switch (difficulty) {
    case Difficulty::Normal:
        return {26, 4, 2, 29};
    case Difficulty::Hard:
        return {23, 4, 1, 25};
    case Difficulty::Easy:
        break;
    }
    return {41, 5, 4, 42};
}

int32_t generate(Board& board, ZoneLayout layout, Difficulty difficulty)
{
    for (int32_t restarts = 0;; ++restarts) {
        buildZones(board, layout);
        buildSolution(board, layout);
        if (makePuzzle(board, difficulty)) {
            return restarts;
        }
    }
}

void buildSolution(Board& board, ZoneLayout layout)
{
    if (layout == ZoneLayout::Chaos) {
        assignChaosZones(board);
        return;
    }
    while (!trySolution(board)) {
        buildZones(board, layout);
    }
    board.genCalls = 0;
}

void fillSolution(Board& board)
{
    while (!trySolution(board)) {
    }
    board.genCalls = 0;
}

bool fillDigit(Board& board, int32_t d)
{
    DigitPlacer placer(board);
    return placer.fill(d);
}

bool makePuzzle(Board& board, Difficulty difficulty)
{
    spreadGivens(board, difficulty);
    if (!topUpGivens(board, difficulty)) {
        return false;
    }
    const auto givenCount = std::count_if(board.givens.begin(), board.givens.end(),
                                          [](int32_t digit) { return digit != 0; });
    if (givenCount <= givenRules(difficulty).givensAbove) {
        return false;
    }
    return countSolutions(board.givens, board.zoneMap) == 1;
}

bool seedOk(const Board& board, Difficulty difficulty, int32_t x, int32_t y)
{
    if (board.givens[cellIndex(x, y)] != 0) {
        return false;
    }
    const int32_t limit = givenRules(difficulty).seedRejectCount;
    const GivenCounts counts = countGivens(board, x, y);
    return counts.row < limit && counts.column < limit && counts.zone < limit &&
           counts.digit < limit;
}

bool fillOk(const Board& board, Difficulty difficulty, int32_t x, int32_t y)
{
    if (board.givens[cellIndex(x, y)] != 0) {
        return false;
    }
    const int32_t limit = givenRules(difficulty).fillAddCount;
    const GivenCounts counts = countGivens(board, x, y);
    return counts.row <= limit || counts.column <= limit || counts.zone <= limit ||
           counts.digit <= limit;
}
