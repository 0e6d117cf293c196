// profile_test.cpp: the profile record's bytes, defaults, mends and round trip on a real store.
#include "game/maker.h"
#include "game/profile.h"
#include "storage/storage.h"
#include "storage/temp_config_home.h"

#include <cmath>
#include <cstring>
#include <memory>

namespace {

using Record = Profile::Record;

constexpr std::size_t nameAt(int layout, int difficulty, int rank) { return 70 + layout * 585 + difficulty * 195 + rank * 65; }
constexpr std::size_t timeAt(int layout, int difficulty, int rank) { return 1828 + layout * 36 + difficulty * 12 + rank * 4; }

// Written byte by byte, so the check does not depend on the machine's byte order.
void putTime(Record& record, std::size_t offset, std::uint32_t bits)
{
    for (int i = 0; i < 4; ++i)
        record[offset + i] = static_cast<std::uint8_t>(bits >> (8 * i));
}

Record loadedFrom(const Record& stored, std::size_t length = Profile::kRecordSize)
{
    EXPECT_TRUE(writeSetting(kMaker, "Pellix", stored.data(), length));
    Profile profile;
    profile.load();
    return profile.record();
}

} // namespace

using ProfileRecord = TempConfigHome;

TEST_F(ProfileRecord, FirstRunGivesTheDefaultRecordByteForByte)
{
    Record expected{};
    expected[0] = 2;
    expected[2] = 1;
    std::memcpy(&expected[5], "Anonymous", 9);
    const std::uint32_t hours10_20_30[3] = {0x470CA000, 0x478CA000, 0x47D2F000};
    for (int layout = 0; layout < 3; ++layout)
        for (int difficulty = 0; difficulty < 3; ++difficulty)
            for (int rank = 0; rank < 3; ++rank) {
                std::memcpy(&expected[nameAt(layout, difficulty, rank)], "Anonymous", 9);
                putTime(expected, timeAt(layout, difficulty, rank), hours10_20_30[rank]);
            }
    Profile profile;
    profile.load();
    EXPECT_EQ(profile.record(), expected);
    EXPECT_EQ(formatClockTime(profile.bestTime(1, 2, 2)), "30:00:00");
}

TEST_F(ProfileRecord, SavedRecordLoadsByteIdenticalAndWrongVersionGivesDefaults)
{
    Profile profile;
    profile.setFullscreen(true);
    profile.setSoundOn(false);
    profile.setDifficulty(1);
    profile.setBestName(2, 1, 0, "Maren");
    profile.setBestTime(2, 1, 0, 754.25f);
    ASSERT_TRUE(profile.save());
    const Record& saved = profile.record();
    EXPECT_EQ(fileBytes(root / kMaker / "Settings/Pellix"), std::vector<unsigned char>(saved.begin(), saved.end()));
    EXPECT_EQ(loadedFrom(saved), saved);

    Record oldVersion = saved;
    oldVersion[0] = 1;
    EXPECT_EQ(loadedFrom(oldVersion), Profile().record());
}

TEST_F(ProfileRecord, DamagedRecordLoadsMended)
{
    Record stored = Profile().record();
    stored[3] = 7;
    stored[4] = 0xFF;
    std::memset(&stored[5], 'x', 65);
    std::memset(&stored[nameAt(1, 1, 1)], 'y', 65);
    putTime(stored, timeAt(0, 0, 0), 0x7FC00000); // NaN
    putTime(stored, timeAt(0, 0, 1), 0xC0A00000); // -5
    putTime(stored, timeAt(0, 0, 2), 0x4F000000); // 2^31
    putTime(stored, timeAt(2, 2, 0), 0x4EFFFFFF); // the largest float below 2^31, kept
    Profile profile;
    ASSERT_TRUE(writeSetting(kMaker, "Pellix", stored.data(), stored.size()));
    profile.load();
    EXPECT_EQ(profile.zoneLayout() | profile.difficulty(), 0);
    EXPECT_EQ(std::string(profile.lastName()), std::string(64, 'x'));
    EXPECT_EQ(std::string(profile.bestName(1, 1, 1)), std::string(64, 'y'));
    for (int rank = 0; rank < 3; ++rank)
        EXPECT_EQ(profile.bestTime(0, 0, rank), (rank + 1) * 36000.0f);
    EXPECT_EQ(profile.bestTime(2, 2, 0), 2147483520.0f);
}

TEST_F(ProfileRecord, ShortRecordKeepsWhatItHoldsAndDefaultsTheRest)
{
    Record stored{};
    stored = {2, 1, 0, 2};
    std::memcpy(&stored[5], "Ida", 3);
    const Record loaded = loadedFrom(stored, 100);
    Record expected = Profile().record();
    std::copy(stored.begin(), stored.begin() + 100, expected.begin());
    EXPECT_EQ(loaded, expected);
}

TEST_F(ProfileRecord, OnlyALoadedProfileSavesWhenDestroyed)
{
    Profile().setLastName("Ghost");
    EXPECT_TRUE(std::filesystem::is_empty(root));
    auto loaded = std::make_unique<Profile>();
    loaded->load();
    loaded->setLastName("Kept");
    loaded.reset();
    Profile again;
    again.load();
    EXPECT_STREQ(again.lastName(), "Kept");
}

TEST(ProfileValues, ResetBestTimesKeepsNameAndSwitches)
{
    Profile profile;
    profile.setSoundOn(false);
    profile.setLastName("Jo");
    profile.setBestName(1, 2, 0, "Jo");
    const Record before = profile.record();
    profile.resetBestTimes();
    Record expected = Profile().record();
    std::copy(before.begin(), before.begin() + 70, expected.begin());
    EXPECT_EQ(profile.record(), expected);
}

TEST(ProfileValues, ClockTimeTruncatesAndNeverOverflows)
{
    EXPECT_EQ(formatClockTime(36000.9f), "10:00:00");
    EXPECT_EQ(formatClockTime(363661.5f), "101:01:01");
    EXPECT_EQ(formatClockTime(std::nanf("")), "00:00:00");
    EXPECT_EQ(formatClockTime(-5.0f), "00:00:00");
    EXPECT_EQ(clockTime(1e20f).hours, 2147483647 / 3600);
}
