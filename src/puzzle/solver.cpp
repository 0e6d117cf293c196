// solver.cpp: a depth-first counter over digit masks of rows, columns and zones, always
// branching on the empty cell with the fewest candidates.
#include "puzzle/solver.h"

#include <bit>
#include <utility>

namespace {

constexpr uint16_t kAllDigits = 0x3fe; // bits 1 to 9
constexpr int32_t kEnough = 2;

struct Counter {
    uint16_t rowUsed[kBoardSide] = {};
    uint16_t columnUsed[kBoardSide] = {};
    uint16_t zoneUsed[kBoardSide] = {};
    int8_t rowOf[kCellCount] = {};
    int8_t columnOf[kCellCount] = {};
    int8_t zoneOf[kCellCount] = {};
    BoardArray grid{};
    // The empty cells; those before the search depth are filled.
    int8_t empty[kCellCount] = {};
    int32_t emptyCount = 0;
    int32_t found = 0;
    BoardArray* firstSolution = nullptr;

    uint16_t candidates(int32_t index) const
    {
        return static_cast<uint16_t>(kAllDigits & ~(rowUsed[rowOf[index]] |
                                                    columnUsed[columnOf[index]] |
                                                    zoneUsed[zoneOf[index]]));
    }

    void toggle(int32_t index, uint16_t bit)
    {
        rowUsed[rowOf[index]] ^= bit;
        columnUsed[columnOf[index]] ^= bit;
        zoneUsed[zoneOf[index]] ^= bit;
    }

    bool load(const BoardArray& givens, const BoardArray& zoneMap);
    void search(int32_t depth);
};

bool Counter::load(const BoardArray& givens, const BoardArray& zoneMap)
{
    for (int32_t i = 0; i < kCellCount; ++i) {
        if (zoneMap[i] < 1 || zoneMap[i] > kBoardSide || givens[i] < 0 ||
            givens[i] > kBoardSide) {
            return false;
        }
        rowOf[i] = static_cast<int8_t>(i % kBoardSide);
        columnOf[i] = static_cast<int8_t>(i / kBoardSide);
        zoneOf[i] = static_cast<int8_t>(zoneMap[i] - 1);
        grid[i] = givens[i];
        if (givens[i] == 0) {
            empty[emptyCount++] = static_cast<int8_t>(i);
            continue;
        }
        const uint16_t bit = static_cast<uint16_t>(1u << givens[i]);
        if ((candidates(i) & bit) == 0) {
            return false;
        }
        toggle(i, bit);
    }
    return true;
}

// Fills empty[depth..]; recursion depth is bounded by the number of empty cells.
void Counter::search(int32_t depth)
{
    if (depth == emptyCount) {
        if (++found == 1 && firstSolution != nullptr) {
            *firstSolution = grid;
        }
        return;
    }
    int32_t best = depth;
    int32_t bestCount = kBoardSide + 1;
    for (int32_t slot = depth; slot < emptyCount; ++slot) {
        const int32_t count = std::popcount(candidates(empty[slot]));
        if (count < bestCount) {
            best = slot;
            bestCount = count;
            if (count <= 1) {
                break;
            }
        }
    }
    if (bestCount == 0) {
        return;
    }
    std::swap(empty[depth], empty[best]);
    const int32_t index = empty[depth];
    uint16_t options = candidates(index);
    while (options != 0 && found < kEnough) {
        const uint16_t bit = static_cast<uint16_t>(options & -options);
        options = static_cast<uint16_t>(options ^ bit);
        toggle(index, bit);
        grid[index] = std::countr_zero(bit);
        search(depth + 1);
        grid[index] = 0;
        toggle(index, bit);
    }
    std::swap(empty[depth], empty[best]);
}

} // namespace

int32_t countSolutions(const BoardArray& givens, const BoardArray& zoneMap, BoardArray* solution)
{
    Counter counter;
    if (!counter.load(givens, zoneMap)) {
        return 0;
    }
    counter.firstSolution = solution;
    counter.search(0);
    return counter.found;
}
