// profile.h: the player's switches, choices, last name and best times as one 1936-byte record.
#pragma once

#include "base/bw_string.h"

#include <array>
#include <cstddef>
#include <cstdint>

// The record is kept as the bytes that are stored, so that it is written and read back byte
// for byte on any machine. Multi-byte numbers are little-endian.
//
//   offset  size  field
//      0      1   version, always 2
//      1      1   full screen: 1 on, 0 off
//      2      1   sound: 1 on, 0 off
//      3      1   zone layout, signed: 0 Classic, 1 Random, 2 Chaos
//      4      1   difficulty, signed: 0 Easy, 1 Normal, 2 Hard
//      5     65   last name entered, zero-terminated
//     70   1755   27 best-time names of 65 bytes, entry [layout][difficulty][rank]
//   1825      3   padding, always 0
//   1828    108   27 best times, 32-bit float seconds, same order as the names
//
// Zone layout and difficulty stay the plain signed bytes of the record here; the puzzle's
// ZoneLayout and Difficulty enumerations use the same values 0 to 2. Rank 0 is the best time
// of its table; a time of 0 marks an empty place.
class Profile {
public:
    static constexpr std::size_t kRecordSize = 1936;
    static constexpr std::size_t kNameSize = 65; // 64 characters and the terminating zero
    static constexpr int kLayouts = 3;
    static constexpr int kDifficulties = 3;
    static constexpr int kRanks = 3;

    using Record = std::array<std::uint8_t, kRecordSize>;

    // Starts with the defaults: version 2, windowed, sound on, Classic, Easy, "Anonymous"
    // everywhere and the times of resetBestTimes.
    Profile();
    // Saves the record, but only once load has run: a profile that never read the player's
    // record must not overwrite it.
    ~Profile();
    Profile(const Profile&) = delete;
    Profile& operator=(const Profile&) = delete;

    // Reads the stored record, or takes the defaults when there is none, it is longer than a
    // record or its version is not 2. A shorter record keeps what it holds and takes the
    // defaults for the rest. Damage that would mislead the game is mended: a layout or
    // difficulty outside 0 to 2 becomes 0, a name with no terminating zero is cut to 64
    // characters, a time that is not finite, is negative or is 2^31 seconds or more becomes
    // its rank's default, and the padding becomes 0.
    void load();
    // Writes all 1936 bytes; the record in memory stays valid whether or not this succeeds.
    bool save() const;
    // Where the program can end without notice: the record as it stands is what the page
    // stores should it be ended now.
    void keepOnEnding() const;
    // One process at a time keeps the record, or the one that saves last would write its older
    // times over the other's. True when this process holds the record's lock from now on (or
    // no lock can be made), false when another process holds it.
    static bool claimForThisProcess();
    // Every best-time name back to "Anonymous" and every time to (rank + 1) x 36000 seconds;
    // everything else stays. Saves nothing by itself.
    void resetBestTimes();

    bool fullscreen() const;
    void setFullscreen(bool on);
    bool soundOn() const;
    void setSoundOn(bool on);
    // Values outside 0 to 2 are not stored.
    std::int8_t zoneLayout() const;
    void setZoneLayout(std::int8_t layout);
    std::int8_t difficulty() const;
    void setDifficulty(std::int8_t difficulty);

    // Names are cut to 64 characters; a null name leaves the stored one as it was.
    const char* lastName() const;
    void setLastName(const char* name);

    // An index outside its range reads as the empty name and the time 0 and stores nothing.
    const char* bestName(int layout, int difficulty, int rank) const;
    void setBestName(int layout, int difficulty, int rank, const char* name);
    float bestTime(int layout, int difficulty, int rank) const;
    void setBestTime(int layout, int difficulty, int rank, float seconds);

    const Record& record() const { return record_; }

private:
    Record record_{};
    bool loaded_ = false;
};

// A stored time truncated to whole seconds and split for showing; hours are not reduced
// modulo 24. A time that is not finite or is negative shows as 0, one of 2^31 seconds or
// more as 2^31 - 1 seconds.
struct ClockTime {
    int hours = 0;
    int minutes = 0;
    int seconds = 0;
};
ClockTime clockTime(float seconds);
// The time as "%02d:%02d:%02d".
BWString formatClockTime(float seconds);
