// zones.cpp: building the zone maps. Random layouts work on 81-bit cell masks because their
// candidate rule (a flood fill per cell per step) is where generation spends its time.
#include "puzzle/zones.h"

#include "base/random.h"
#include "puzzle/generator.h"

#include <bit>

namespace {

// Bit i stands for the cell at column-major index i.
using CellMask = unsigned __int128;

constexpr CellMask cellBit(int32_t index)
{
    return CellMask{1} << index;
}

constexpr CellMask rowMask(int32_t y)
{
    CellMask mask = 0;
    for (int32_t x = 0; x < kBoardSide; ++x) {
        mask |= cellBit(cellIndex(x, y));
    }
    return mask;
}

constexpr CellMask kAllCells = cellBit(kCellCount) - 1;
constexpr CellMask kTopRow = rowMask(0);
constexpr CellMask kBottomRow = rowMask(kBoardSide - 1);

int32_t cellCount(CellMask mask)
{
    return std::popcount(static_cast<uint64_t>(mask)) +
           std::popcount(static_cast<uint64_t>(mask >> 64));
}

int32_t lowestCell(CellMask mask)
{
    const uint64_t low = static_cast<uint64_t>(mask);
    return low != 0 ? std::countr_zero(low)
                    : 64 + std::countr_zero(static_cast<uint64_t>(mask >> 64));
}

// Every cell orthogonally next to a cell of the mask. A step of one index changes the row,
// so the bits that would wrap into the neighbouring column are dropped.
CellMask neighbours(CellMask mask)
{
    const CellMask left = mask >> kBoardSide;
    const CellMask right = mask << kBoardSide;
    const CellMask up = (mask >> 1) & ~kBottomRow;
    const CellMask down = (mask << 1) & ~kTopRow;
    return (left | right | up | down) & kAllCells;
}

// The connected part of free that contains the seed cells.
CellMask floodRegion(CellMask free, CellMask seed)
{
    CellMask region = seed & free;
    for (;;) {
        const CellMask grown = (region | neighbours(region)) & free;
        if (grown == region) {
            return region;
        }
        region = grown;
    }
}

CellMask zoneCells(const Board& board, int32_t zone)
{
    CellMask mask = 0;
    for (int32_t i = 0; i < kCellCount; ++i) {
        if (board.zoneMap[i] == zone) {
            mask |= cellBit(i);
        }
    }
    return mask;
}

// The cells a step of growZone may take: all free cells for a zone without cells yet,
// otherwise the free cells touching the zone whose region size is not a multiple of 9. Every
// cell of a region has the region's flood count, so each region is filled only once.
CellMask zoneCandidates(CellMask free, CellMask zone)
{
    if (zone == 0) {
        return free;
    }
    const CellMask touching = free & neighbours(zone);
    CellMask candidates = 0;
    CellMask unmeasured = touching;
    while (unmeasured != 0) {
        const CellMask region = floodRegion(free, cellBit(lowestCell(unmeasured)));
        if (cellCount(region) % kBoardSide != 0) {
            candidates |= touching & region;
        }
        unmeasured &= ~region;
    }
    return candidates;
}

// A uniform cell draw: column first, then row.
int32_t drawCell()
{
    const int32_t x = randomBelow(kBoardSide);
    const int32_t y = randomBelow(kBoardSide);
    return cellIndex(x, y);
}

void buildRandomZones(Board& board)
{
    board.zoneMap.fill(0);
    while (!growZone(board, 1)) {
    }
}

void buildChaosZones(Board& board)
{
    // One zone per cell leaves only rows and columns to constrain the solution.
    for (int32_t i = 0; i < kCellCount; ++i) {
        board.zoneMap[i] = i + 1;
    }
    fillSolution(board);
}

} // namespace

int32_t classicZone(int32_t x, int32_t y)
{
    return x / 3 + 3 * (y / 3) + 1;
}

void buildZones(Board& board, ZoneLayout layout)
{
    switch (layout) {
    case ZoneLayout::Random:
        buildRandomZones(board);
        return;
    case ZoneLayout::Chaos:
        buildChaosZones(board);
        return;
    case ZoneLayout::Classic:
        break;
    }
    for (int32_t x = 0; x < kBoardSide; ++x) {
        for (int32_t y = 0; y < kBoardSide; ++y) {
            board.zoneMap[cellIndex(x, y)] = classicZone(x, y);
        }
    }
}

bool touchesZone(const Board& board, int32_t x, int32_t y, int32_t z)
{
    const int32_t dx[] = {-1, 0, 1, 0};
    const int32_t dy[] = {0, -1, 0, 1};
    for (int32_t n = 0; n < 4; ++n) {
        const int32_t nx = x + dx[n];
        const int32_t ny = y + dy[n];
        if (nx >= 0 && nx < kBoardSide && ny >= 0 && ny < kBoardSide &&
            board.zoneMap[cellIndex(nx, ny)] == z) {
            return true;
        }
    }
    return false;
}

int32_t floodCount(const Board& board, int32_t x, int32_t y)
{
    if (x < 0 || x >= kBoardSide || y < 0 || y >= kBoardSide) {
        return 0;
    }
    return cellCount(floodRegion(zoneCells(board, 0), cellBit(cellIndex(x, y))));
}

bool growZone(Board& board, int32_t z)
{
    // Each step makes exactly one random try, so the recursion of the rule is a straight
    // chain of steps: a loop over the steps, undone as a whole on a dead end.
    const CellMask startFree = zoneCells(board, 0);
    CellMask free = startFree;
    CellMask zone = z <= kBoardSide ? zoneCells(board, z) : 0;
    while (z <= kBoardSide) {
        if (cellCount(zone) == kBoardSide) {
            ++z;
            zone = z <= kBoardSide ? zoneCells(board, z) : 0;
            continue;
        }
        const CellMask candidates = zoneCandidates(free, zone);
        if (candidates == 0) {
            for (int32_t i = 0; i < kCellCount; ++i) {
                if ((startFree & ~free & cellBit(i)) != 0) {
                    board.zoneMap[i] = 0;
                }
            }
            return false;
        }
        int32_t index = drawCell();
        while ((candidates & cellBit(index)) == 0) {
            index = drawCell();
        }
        board.zoneMap[index] = z;
        free &= ~cellBit(index);
        zone |= cellBit(index);
    }
    return true;
}

void assignChaosZones(Board& board)
{
    board.zoneMap.fill(0);
    for (int32_t i = 0; i < kCellCount; ++i) {
        const int32_t zone = i / kBoardSide + 1;
        const int32_t digit = i % kBoardSide + 1;
        int32_t index = drawCell();
        while (board.zoneMap[index] != 0 || board.solution[index] != digit) {
            index = drawCell();
        }
        board.zoneMap[index] = zone;
    }
}
