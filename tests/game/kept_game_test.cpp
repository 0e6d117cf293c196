// kept_game_test.cpp: the kept game's record: its bytes, the round trip through a real store, and
// every kind of damaged or foreign record refused and deleted.
#include "game/kept_game.h"

#include "game/maker.h"
#include "storage/setting_store_posix.h"
#include "storage/storage.h"
#include "storage/temp_config_home.h"
#include "tests/game/kept_game_sample.h"

#include <cmath>
#include <filesystem>
#include <functional>

namespace {

struct KeptGameRecord : TempConfigHome {
    bool stored() const { return std::filesystem::exists(settingFilePath(kMaker, "PellixGame")); }

    // Stores the bytes as the record and takes it back: whatever it held, it is gone after.
    bool takes(const std::vector<std::uint8_t>& bytes)
    {
        EXPECT_TRUE(writeSetting(kMaker, "PellixGame", bytes.data(), bytes.size()));
        KeptGame taken;
        const bool offered = takeKeptGame(taken);
        EXPECT_FALSE(stored());
        return offered;
    }
};

} // namespace

TEST_F(KeptGameRecord, AGameComesBackWholeOnceAndTheRecordIsGone)
{
    const KeptGame game = gameUnderWay();
    ASSERT_TRUE(saveKeptGame(game));
    const std::vector<std::uint8_t> bytes = fileBytes(settingFilePath(kMaker, "PellixGame"));
    ASSERT_EQ(bytes.size(), 518u + 8 * game.undoList.size());
    EXPECT_EQ(std::vector<std::uint8_t>(bytes.begin(), bytes.begin() + 6),
              (std::vector<std::uint8_t>{'P', 'X', 'K', 'G', 1, 0}));

    KeptGame taken;
    ASSERT_TRUE(takeKeptGame(taken));
    EXPECT_FALSE(stored());
    EXPECT_EQ(taken.layout, game.layout);
    EXPECT_EQ(taken.selected, game.selected);
    EXPECT_EQ(taken.undoList.size(), game.undoList.size());
    EXPECT_EQ(taken.elapsedSeconds, 1234.5f);
    // Every field is written, so equal bytes mean an equal game.
    EXPECT_EQ(encodeKeptGame(taken), bytes) << "what was read is what was written";
    EXPECT_FALSE(takeKeptGame(taken)) << "a kept game comes back once";
}

TEST_F(KeptGameRecord, DamagedAndForeignRecordsAreRefusedAndDeleted)
{
    const KeptGame game = gameUnderWay();
    const std::vector<std::uint8_t> good = encodeKeptGame(game);
    ASSERT_TRUE(takes(good));

    // Damage to the bytes.
    const std::vector<std::pair<const char*, std::function<void(std::vector<std::uint8_t>&)>>> bytes = {
        {"cut short", [](auto& b) { b.resize(b.size() - 1); }},
        {"cut to its header", [](auto& b) { b.resize(16); }},
        {"empty", [](auto& b) { b.clear(); }},
        {"one byte longer", [](auto& b) { b.push_back(0); }},
        {"another magic", [](auto& b) { b[0] = 'Q'; }},
        {"version 2", [](auto& b) { b[4] = 2; }},
        {"a size that disagrees", [](auto& b) { b[8] ^= 8; }},
        {"bad checksum", [](auto& b) { b[12] ^= 1; }},
        {"a flipped bit in the board", [](auto& b) { b[300] ^= 4; }},
    };
    for (const auto& [what, damage] : bytes) {
        std::vector<std::uint8_t> record = good;
        damage(record);
        EXPECT_FALSE(takes(record)) << what;
    }

    // Records whose checksum is right but whose board breaks the rules.
    const std::vector<std::pair<const char*, std::function<void(KeptGame&)>>> games = {
        {"a given that differs from the solution",
         [](KeptGame& g) {
             for (int32_t i = 0; i < kCellCount; ++i) {
                 if (g.board.givens[i] != 0) {
                     g.board.givens[i] = g.board.solution[i] % 9 + 1;
                     g.board.cells[i].digit = static_cast<int8_t>(g.board.givens[i]);
                     break;
                 }
             }
         }},
        {"a zone without nine cells", [](KeptGame& g) { g.board.zoneMap[0] = g.board.zoneMap[0] % 9 + 1; }},
        {"a solution that is not one", [](KeptGame& g) { std::swap(g.board.solution[0], g.board.solution[1]); }},
        {"a solution digit 0", [](KeptGame& g) { g.board.solution[5] = 0; }},
        {"a given cell showing another digit",
         [](KeptGame& g) {
             for (Cell& cell : g.board.cells) {
                 if (cell.given) {
                     cell.digit = static_cast<int8_t>(cell.digit % 9 + 1);
                     break;
                 }
             }
         }},
        {"a solved board",
         [](KeptGame& g) {
             for (Cell& cell : g.board.cells) {
                 cell.digit = cell.solutionDigit;
             }
         }},
        {"an undo step on a given cell",
         [](KeptGame& g) {
             for (int32_t i = 0; i < kCellCount; ++i) {
                 if (g.board.cells[i].given) {
                     g.undoList.push_back(UndoEntry{i / 9, i % 9, 0, {}, BWPoint(-1, -1)});
                     break;
                 }
             }
         }},
        {"a selection off the board", [](KeptGame& g) { g.selected = BWPoint(9, 0); }},
        {"a current number of 10", [](KeptGame& g) { g.currentNumber = 10; }},
        {"a layout of 3", [](KeptGame& g) { g.layout = static_cast<ZoneLayout>(3); }},
        {"a time that is not a number", [](KeptGame& g) { g.elapsedSeconds = std::nanf(""); }},
        {"a negative time", [](KeptGame& g) { g.elapsedSeconds = -1.0f; }},
    };
    for (const auto& [what, breakRule] : games) {
        KeptGame broken = gameUnderWay();
        breakRule(broken);
        EXPECT_FALSE(takes(encodeKeptGame(broken))) << what;
    }
}

TEST_F(KeptGameRecord, NothingStoredOffersNothingAndForgettingRemovesTheRecord)
{
    KeptGame taken;
    EXPECT_FALSE(takeKeptGame(taken));
    ASSERT_TRUE(saveKeptGame(gameUnderWay()));
    EXPECT_TRUE(stored());
    forgetKeptGame();
    EXPECT_FALSE(stored());
    forgetKeptGame(); // nothing to forget is fine too
}
