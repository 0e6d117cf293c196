// kept_game.cpp: writing, checking and reading the kept unfinished game.
#include "game/kept_game.h"

#include "base/little_endian.h"
#include "game/maker.h"
#include "puzzle/solver.h"
#include "storage/storage.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr const char* kValueName = "PellixGame";

constexpr std::uint8_t kMagic[4] = {'P', 'X', 'K', 'G'};
constexpr std::uint16_t kVersion = 1;
constexpr std::size_t kChecksumOffset = 12;
constexpr std::size_t kChecked = 16; // the checksum covers everything from here on
constexpr std::size_t kFixedSize = 518;
constexpr std::size_t kEntrySize = 8;
constexpr float kTimeLimit = 2147483648.0f;

// CRC-32 with the reflected polynomial 0xEDB88320, as zlib computes it.
std::uint32_t crc32(const std::uint8_t* bytes, std::size_t size)
{
    std::uint32_t crc = 0xFFFFFFFFu;
    for (std::size_t i = 0; i < size; ++i) {
        crc ^= bytes[i];
        for (int bit = 0; bit < 8; ++bit) {
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
        }
    }
    return ~crc;
}

class Writer {
public:
    void byte(int32_t value) { bytes_.push_back(static_cast<std::uint8_t>(value)); }
    void number(std::uint32_t value, int count)
    {
        std::uint8_t bytes[4];
        putLittleEndian(bytes, value, static_cast<std::size_t>(count));
        bytes_.insert(bytes_.end(), bytes, bytes + count);
    }
    void point(BWPoint p)
    {
        byte(p.x);
        byte(p.y);
    }
    void marks(const int8_t* marks)
    {
        std::uint32_t bits = 0;
        for (int32_t d = 0; d < kBoardSide; ++d) {
            bits |= marks[d] != 0 ? 1u << d : 0u;
        }
        number(bits, 2);
    }
    std::vector<std::uint8_t>& bytes() { return bytes_; }

private:
    std::vector<std::uint8_t> bytes_;
};

// Reads in order; the caller has checked the record's length, so no read runs past the end.
class Reader {
public:
    explicit Reader(const std::uint8_t* bytes) : at_(bytes) {}
    int32_t byte() { return *at_++; }
    int32_t signedByte() { return static_cast<int8_t>(*at_++); }
    std::uint32_t number(int count)
    {
        const std::uint32_t value = littleEndianAt(at_, static_cast<std::size_t>(count));
        at_ += count;
        return value;
    }
    BWPoint point()
    {
        const int32_t x = signedByte();
        return BWPoint(x, signedByte());
    }
    // False when a bit beyond mark 9 is set.
    bool marks(int8_t* marks)
    {
        const std::uint32_t bits = number(2);
        for (int32_t d = 0; d < kBoardSide; ++d) {
            marks[d] = static_cast<int8_t>((bits >> d) & 1u);
        }
        return bits >> kBoardSide == 0;
    }

private:
    const std::uint8_t* at_;
};

bool inRange(int32_t value, int32_t low, int32_t high)
{
    return value >= low && value <= high;
}

bool onBoard(BWPoint cell)
{
    return inRange(cell.x, 0, kBoardSide - 1) && inRange(cell.y, 0, kBoardSide - 1);
}

// No selection, or a cell of the board.
bool selection(BWPoint p)
{
    return (p.x == -1 && p.y == -1) || onBoard(p);
}

void writeBoard(Writer& out, const Board& board)
{
    for (const BoardArray* array : {&board.zoneMap, &board.solution, &board.givens}) {
        for (int32_t value : *array) {
            out.byte(value);
        }
    }
    for (const Cell& cell : board.cells) {
        out.byte(cell.digit);
    }
    for (const Cell& cell : board.cells) {
        out.marks(cell.marks);
    }
}

// The arrays, then the cells filled from them, then what the player entered in the cells.
bool readBoard(Reader& in, Board& board)
{
    for (BoardArray* array : {&board.zoneMap, &board.solution, &board.givens}) {
        for (int32_t& value : *array) {
            value = in.byte();
        }
    }
    fillCells(board);
    bool valid = true;
    for (Cell& cell : board.cells) {
        const int32_t digit = in.byte();
        valid = valid && inRange(digit, 0, kBoardSide) && (!cell.given || digit == cell.digit);
        cell.digit = static_cast<int8_t>(digit);
    }
    for (Cell& cell : board.cells) {
        valid = in.marks(cell.marks) && valid;
        valid = valid && (!cell.given || std::count(cell.marks, cell.marks + kBoardSide, 1) == 0);
    }
    return valid;
}

// Every given equals the solution, and the solution is a whole grid over nine-cell zones: a
// complete grid counts as one solution only when no row, column or zone repeats a digit, and
// nine zones of nine different digits each must have nine cells each.
bool keepsTheRules(const Board& board)
{
    for (int32_t i = 0; i < kCellCount; ++i) {
        // The counter would take a 0 in the solution for an empty cell and fill it.
        if (!inRange(board.solution[i], 1, kBoardSide)
            || (board.givens[i] != 0 && board.givens[i] != board.solution[i])) {
            return false;
        }
    }
    return countSolutions(board.solution, board.zoneMap) == 1;
}

bool readUndo(Reader& in, const Board& board, UndoEntry& entry)
{
    entry.column = in.byte();
    entry.row = in.byte();
    entry.digit = static_cast<int8_t>(in.byte());
    const bool padded = in.byte() == 0;
    const bool marked = in.marks(entry.marks.data());
    entry.selection = in.point();
    return padded && marked && onBoard(BWPoint(entry.column, entry.row))
        && !board.cells[static_cast<size_t>(cellIndex(entry.column, entry.row))].given
        && inRange(entry.digit, 0, kBoardSide) && selection(entry.selection);
}

// The header: true when it names a record of this version exactly size bytes long, with
// intact contents; undoCount receives the number of undo entries.
bool checkHeader(const std::uint8_t* bytes, std::size_t size, std::size_t& undoCount)
{
    if (size < kFixedSize || !std::equal(kMagic, kMagic + 4, bytes)) {
        return false;
    }
    Reader in(bytes + 4);
    const std::uint32_t version = in.number(2);
    const std::uint32_t fixedSize = in.number(2);
    const std::uint32_t recordSize = in.number(4);
    const std::uint32_t checksum = in.number(4);
    Reader count(bytes + kFixedSize - 4);
    undoCount = count.number(4);
    return version == kVersion && fixedSize == kFixedSize && recordSize == size
        && undoCount <= kMaxKeptUndo && size == kFixedSize + undoCount * kEntrySize
        && checksum == crc32(bytes + kChecked, size - kChecked);
}

} // namespace

std::vector<std::uint8_t> encodeKeptGame(const KeptGame& game)
{
    const std::size_t undoCount = std::min(game.undoList.size(), kMaxKeptUndo);
    Writer out;
    for (std::uint8_t letter : kMagic) {
        out.byte(letter);
    }
    out.number(kVersion, 2);
    out.number(kFixedSize, 2);
    out.number(static_cast<std::uint32_t>(kFixedSize + undoCount * kEntrySize), 4);
    out.number(0, 4); // the checksum, filled in at the end
    out.byte(static_cast<int32_t>(game.layout));
    out.byte(static_cast<int32_t>(game.difficulty));
    out.byte(game.pencilMode ? 1 : 0);
    out.byte(game.currentNumber);
    out.point(game.selected);
    out.number(0, 2);
    out.number(bitsOfFloat(game.elapsedSeconds), 4);
    writeBoard(out, game.board);
    out.number(static_cast<std::uint32_t>(undoCount), 4);
    for (auto entry = game.undoList.end() - static_cast<std::ptrdiff_t>(undoCount); entry != game.undoList.end(); ++entry) {
        out.byte(entry->column);
        out.byte(entry->row);
        out.byte(entry->digit);
        out.byte(0);
        out.marks(entry->marks.data());
        out.point(entry->selection);
    }
    std::vector<std::uint8_t>& bytes = out.bytes();
    putLittleEndian(bytes.data() + kChecksumOffset, crc32(bytes.data() + kChecked, bytes.size() - kChecked));
    return bytes;
}

bool decodeKeptGame(const std::uint8_t* bytes, std::size_t size, KeptGame& kept)
{
    std::size_t undoCount = 0;
    if (bytes == nullptr || !checkHeader(bytes, size, undoCount)) {
        return false;
    }
    Reader in(bytes + kChecked);
    const int32_t layout = in.signedByte();
    const int32_t difficulty = in.signedByte();
    const int32_t pencil = in.byte();
    kept.currentNumber = in.byte();
    kept.selected = in.point();
    const bool padded = in.number(2) == 0;
    kept.elapsedSeconds = floatOfBits(in.number(4));
    if (!inRange(layout, 0, 2) || !inRange(difficulty, 0, 2) || !inRange(pencil, 0, 1) || !padded
        || !inRange(kept.currentNumber, 0, kBoardSide) || !selection(kept.selected)
        || !std::isfinite(kept.elapsedSeconds) || kept.elapsedSeconds < 0.0f
        || kept.elapsedSeconds >= kTimeLimit) {
        return false;
    }
    kept.layout = static_cast<ZoneLayout>(layout);
    kept.difficulty = static_cast<Difficulty>(difficulty);
    kept.pencilMode = pencil == 1;
    kept.board = Board{};
    if (!readBoard(in, kept.board) || !keepsTheRules(kept.board)) {
        return false;
    }
    in.number(4); // the undo count, read with the header
    kept.undoList.assign(undoCount, UndoEntry{});
    for (UndoEntry& entry : kept.undoList) {
        if (!readUndo(in, kept.board, entry)) {
            return false;
        }
    }
    // A solved board is no unfinished game.
    return !updateConflicts(kept.board, kept.difficulty);
}

bool saveKeptGame(const KeptGame& game)
{
    const std::vector<std::uint8_t> bytes = encodeKeptGame(game);
    return writeSetting(BWString(kMaker), BWString(kValueName), bytes.data(), bytes.size());
}

bool takeKeptGame(KeptGame& kept)
{
    std::vector<std::uint8_t> bytes;
    const bool read = readWholeSetting(BWString(kMaker), BWString(kValueName), bytes,
                                       kFixedSize + kMaxKeptUndo * kEntrySize);
    forgetKeptGame();
    return read && decodeKeptGame(bytes.data(), bytes.size(), kept);
}

void forgetKeptGame()
{
    deleteSetting(BWString(kMaker), BWString(kValueName));
}

void keepKeptGameOnEnding(const KeptGame& game)
{
    const std::vector<std::uint8_t> bytes = encodeKeptGame(game);
    keepSettingOnEnding(BWString(kMaker), BWString(kValueName), bytes.data(), bytes.size());
}

void forgetKeptGameOnEnding()
{
    deleteSettingOnEnding(BWString(kMaker), BWString(kValueName));
}
