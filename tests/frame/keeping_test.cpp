// keeping_test.cpp: the one-write-a-second pace of records kept as they change, on the frame's
// clock, and the records the page writes by itself when it may end.
#include "frame/keeping.h"
#include "platform/platform.h"
#include "tests/harness/harness.h"

#include <gtest/gtest.h>

#include <vector>

TEST(PacedWrite, WritesAtMostOnceASecondAndEveryChangeWithinASecond)
{
    ScriptedRun script; // the manual clock, from 0 ms
    PacedWrite pace;
    EXPECT_FALSE(pace.due()) << "nothing changed";

    platformAdvanceClock(5000);
    pace.changed();
    EXPECT_TRUE(pace.due()) << "the first change is written at once";
    pace.written();
    EXPECT_FALSE(pace.due());

    // Changes in the second after a write wait for its end, together.
    platformAdvanceClock(100);
    pace.changed();
    platformAdvanceClock(800);
    pace.changed();
    EXPECT_FALSE(pace.due()) << "0.9 s after the last write";
    platformAdvanceClock(99);
    EXPECT_FALSE(pace.due());
    platformAdvanceClock(1);
    EXPECT_TRUE(pace.due()) << "a second after the last write, 0.9 s after the first waiting change";
    pace.written();

    // A change after a quiet second is due at once again.
    platformAdvanceClock(3000);
    EXPECT_FALSE(pace.due());
    pace.changed();
    EXPECT_TRUE(pace.due());
}

TEST(PacedWrite, AForgottenChangeIsNotWritten)
{
    ScriptedRun script;
    PacedWrite pace;
    pace.changed();
    pace.forget();
    platformAdvanceClock(2000);
    EXPECT_FALSE(pace.due());
}

TEST(ProgramMayEnd, ThePageWritesTheLatestBytesOrRemovalOfEachFile)
{
    platformSetEndsWithoutNotice(true);
    std::vector<uint8_t> bytes;
    bool removal = true;
    EXPECT_FALSE(platformKeptOnEnding("/a", bytes, removal)) << "nothing given";
    const uint8_t first[] = {1, 2, 3};
    const uint8_t second[] = {4, 5};
    platformKeepOnEnding("/a", first, sizeof first, false);
    platformKeepOnEnding("/a", second, sizeof second, false);
    platformKeepOnEnding("/b", nullptr, 0, true);
    ASSERT_TRUE(platformKeptOnEnding("/a", bytes, removal));
    EXPECT_EQ(bytes, std::vector<uint8_t>({4, 5}));
    EXPECT_FALSE(removal);
    ASSERT_TRUE(platformKeptOnEnding("/b", bytes, removal));
    EXPECT_TRUE(removal);
    platformSetEndsWithoutNotice(false);
    EXPECT_FALSE(platformKeptOnEnding("/a", bytes, removal)) << "forgotten with the switch";
}

TEST(ProgramMayEnd, OnlyThePageEndsWithoutNotice)
{
#ifdef __EMSCRIPTEN__
    EXPECT_TRUE(keepsAsItGoes());
#else
    EXPECT_FALSE(keepsAsItGoes()) << "a desktop program always sees its end";
#endif
}
