// window_record_test.cpp: the window's placement record: round trip, damage refused, the
// profile record untouched.
#include "game/maker.h"
#include "game/profile.h"
#include "game/window_record.h"
#include "storage/storage.h"
#include "storage/temp_config_home.h"

#include <gtest/gtest.h>

using WindowRecord = TempConfigHome;

TEST_F(WindowRecord, RoundTripsBesideTheProfileWithoutTouchingIt)
{
    EXPECT_EQ(loadWindowPlacement().width, 0) << "nothing stored yet: the window's own default";
    Profile profile;
    profile.load();
    profile.setFullscreen(true);
    ASSERT_TRUE(profile.save());
    ASSERT_TRUE(saveWindowPlacement(WindowPlacement{1600, 1200, true}));
    const WindowPlacement loaded = loadWindowPlacement();
    EXPECT_EQ(loaded.width, 1600);
    EXPECT_EQ(loaded.height, 1200);
    EXPECT_TRUE(loaded.maximised);
    Profile again;
    again.load();
    EXPECT_EQ(again.record(), profile.record());
    Profile::Record stored{};
    EXPECT_TRUE(readSetting(kMaker, "Pellix", stored.data(), stored.size()));
    EXPECT_EQ(stored, profile.record()) << "the profile keeps its own 1936 bytes";
    EXPECT_FALSE(saveWindowPlacement(WindowPlacement{})) << "no window, nothing to remember";
}

TEST_F(WindowRecord, ADamagedRecordIsIgnored)
{
    const WindowRecordBytes good = encodeWindowRecord(WindowPlacement{1000, 750, false});
    WindowPlacement placement;
    ASSERT_TRUE(decodeWindowRecord(good, placement));
    EXPECT_EQ(placement.width, 1000);
    // Every single flipped bit is caught: by the checksum, or by the field it lands in.
    for (std::size_t byte = 0; byte < kWindowRecordSize; ++byte) {
        for (int bit = 0; bit < 8; ++bit) {
            WindowRecordBytes damaged = good;
            damaged[byte] ^= static_cast<uint8_t>(1u << bit);
            EXPECT_FALSE(decodeWindowRecord(damaged, placement)) << "byte " << byte << " bit " << bit;
        }
    }
    // A whole record of absurd sizes, a short one and a long one are refused as well.
    EXPECT_FALSE(decodeWindowRecord(encodeWindowRecord(WindowPlacement{0, 600, false}), placement));
    EXPECT_FALSE(decodeWindowRecord(encodeWindowRecord(WindowPlacement{800, 100000, false}), placement));
    ASSERT_TRUE(writeSetting(kMaker, "PellixWindow", good.data(), 10));
    EXPECT_EQ(loadWindowPlacement().width, 0);
    std::vector<uint8_t> longer(good.begin(), good.end());
    longer.push_back(0);
    ASSERT_TRUE(writeSetting(kMaker, "PellixWindow", longer.data(), longer.size()));
    EXPECT_EQ(loadWindowPlacement().width, 0);
    ASSERT_TRUE(writeSetting(kMaker, "PellixWindow", good.data(), good.size()));
    EXPECT_EQ(loadWindowPlacement().width, 1000);
}
