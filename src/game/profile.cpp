// profile.cpp: the profile record's layout, defaults, mends and the stored value.
#include "game/profile.h"

#include "base/little_endian.h"
#include "game/maker.h"
#include "storage/storage.h"

#include <cmath>
#include <cstring>
#include <limits>

namespace {

constexpr const char* kValueName = "Pellix";
constexpr const char* kDefaultName = "Anonymous";

constexpr std::uint8_t kVersion = 2;
constexpr std::size_t kVersionOffset = 0;
constexpr std::size_t kFullscreenOffset = 1;
constexpr std::size_t kSoundOffset = 2;
constexpr std::size_t kLayoutOffset = 3;
constexpr std::size_t kDifficultyOffset = 4;
constexpr std::size_t kLastNameOffset = 5;
constexpr std::size_t kBestNamesOffset = 70;
constexpr std::size_t kPaddingOffset = 1825;
constexpr std::size_t kPaddingSize = 3;
constexpr std::size_t kBestTimesOffset = 1828;
constexpr int kEntries = Profile::kLayouts * Profile::kDifficulties * Profile::kRanks;
constexpr float kDefaultTimeStep = 36000.0f;
// The first float that no longer fits a signed 32-bit count of seconds.
constexpr float kTimeLimit = 2147483648.0f;

static_assert(kBestNamesOffset + kEntries * Profile::kNameSize == kPaddingOffset);
static_assert(kBestTimesOffset + kEntries * sizeof(float) == Profile::kRecordSize);

// Entry [layout][difficulty][rank] in storage order, or -1 outside the table.
int entryIndex(int layout, int difficulty, int rank)
{
    if (layout < 0 || layout >= Profile::kLayouts || difficulty < 0 || difficulty >= Profile::kDifficulties
        || rank < 0 || rank >= Profile::kRanks)
        return -1;
    return (layout * Profile::kDifficulties + difficulty) * Profile::kRanks + rank;
}

std::size_t nameOffset(int entry)
{
    return kBestNamesOffset + static_cast<std::size_t>(entry) * Profile::kNameSize;
}

std::size_t timeOffset(int entry)
{
    return kBestTimesOffset + static_cast<std::size_t>(entry) * sizeof(float);
}

float defaultTime(int entry)
{
    return static_cast<float>(entry % Profile::kRanks + 1) * kDefaultTimeStep;
}

// Copies at most 64 characters and clears the rest of the field, so no older name lingers.
void putName(Profile::Record& record, std::size_t offset, const char* name)
{
    const std::size_t length = strnlen(name, Profile::kNameSize - 1);
    std::memcpy(record.data() + offset, name, length);
    std::memset(record.data() + offset + length, 0, Profile::kNameSize - length);
}

float getFloat(const Profile::Record& record, std::size_t offset)
{
    return floatOfBits(littleEndianAt(record.data() + offset));
}

void putFloat(Profile::Record& record, std::size_t offset, float value)
{
    putLittleEndian(record.data() + offset, bitsOfFloat(value));
}

void fillBestTimeDefaults(Profile::Record& record)
{
    for (int entry = 0; entry < kEntries; ++entry) {
        putName(record, nameOffset(entry), kDefaultName);
        putFloat(record, timeOffset(entry), defaultTime(entry));
    }
}

Profile::Record defaultRecord()
{
    Profile::Record record{};
    record[kVersionOffset] = kVersion;
    record[kSoundOffset] = 1;
    putName(record, kLastNameOffset, kDefaultName);
    fillBestTimeDefaults(record);
    return record;
}

bool isChoice(std::int8_t value)
{
    return value >= 0 && value <= 2;
}

void mendChoice(Profile::Record& record, std::size_t offset)
{
    if (!isChoice(static_cast<std::int8_t>(record[offset])))
        record[offset] = 0;
}

void terminateName(Profile::Record& record, std::size_t offset)
{
    if (std::memchr(record.data() + offset, 0, Profile::kNameSize) == nullptr)
        record[offset + Profile::kNameSize - 1] = 0;
}

// Values the game never stores but that a damaged or foreign record may hold.
void mendRecord(Profile::Record& record)
{
    mendChoice(record, kLayoutOffset);
    mendChoice(record, kDifficultyOffset);
    terminateName(record, kLastNameOffset);
    std::memset(record.data() + kPaddingOffset, 0, kPaddingSize);
    for (int entry = 0; entry < kEntries; ++entry) {
        terminateName(record, nameOffset(entry));
        const float time = getFloat(record, timeOffset(entry));
        if (!std::isfinite(time) || time < 0.0f || time >= kTimeLimit)
            putFloat(record, timeOffset(entry), defaultTime(entry));
    }
}

} // namespace

Profile::Profile() : record_(defaultRecord()) {}

Profile::~Profile()
{
    if (loaded_)
        save();
}

void Profile::load()
{
    loaded_ = true;
    // Prepared with the defaults, so that a shorter stored record takes them for the rest.
    Record stored = defaultRecord();
    if (readSetting(kMaker, kValueName, stored.data(), stored.size()) && stored[kVersionOffset] == kVersion) {
        mendRecord(stored);
        record_ = stored;
    } else {
        record_ = defaultRecord();
    }
}

bool Profile::save() const
{
    return writeSetting(kMaker, kValueName, record_.data(), record_.size());
}

void Profile::keepOnEnding() const
{
    keepSettingOnEnding(kMaker, kValueName, record_.data(), record_.size());
}

bool Profile::claimForThisProcess()
{
    return holdSettingLock(kMaker, kValueName);
}

void Profile::resetBestTimes()
{
    fillBestTimeDefaults(record_);
}

bool Profile::fullscreen() const { return record_[kFullscreenOffset] != 0; }
void Profile::setFullscreen(bool on) { record_[kFullscreenOffset] = on ? 1 : 0; }
bool Profile::soundOn() const { return record_[kSoundOffset] != 0; }
void Profile::setSoundOn(bool on) { record_[kSoundOffset] = on ? 1 : 0; }
std::int8_t Profile::zoneLayout() const { return static_cast<std::int8_t>(record_[kLayoutOffset]); }
std::int8_t Profile::difficulty() const { return static_cast<std::int8_t>(record_[kDifficultyOffset]); }

void Profile::setZoneLayout(std::int8_t layout)
{
    if (isChoice(layout))
        record_[kLayoutOffset] = static_cast<std::uint8_t>(layout);
}

void Profile::setDifficulty(std::int8_t difficulty)
{
    if (isChoice(difficulty))
        record_[kDifficultyOffset] = static_cast<std::uint8_t>(difficulty);
}

const char* Profile::lastName() const
{
    return reinterpret_cast<const char*>(record_.data() + kLastNameOffset);
}

void Profile::setLastName(const char* name)
{
    if (name != nullptr)
        putName(record_, kLastNameOffset, name);
}

const char* Profile::bestName(int layout, int difficulty, int rank) const
{
    const int entry = entryIndex(layout, difficulty, rank);
    return entry < 0 ? "" : reinterpret_cast<const char*>(record_.data() + nameOffset(entry));
}

void Profile::setBestName(int layout, int difficulty, int rank, const char* name)
{
    const int entry = entryIndex(layout, difficulty, rank);
    if (entry >= 0 && name != nullptr)
        putName(record_, nameOffset(entry), name);
}

float Profile::bestTime(int layout, int difficulty, int rank) const
{
    const int entry = entryIndex(layout, difficulty, rank);
    return entry < 0 ? 0.0f : getFloat(record_, timeOffset(entry));
}

void Profile::setBestTime(int layout, int difficulty, int rank, float seconds)
{
    const int entry = entryIndex(layout, difficulty, rank);
    if (entry >= 0)
        putFloat(record_, timeOffset(entry), seconds);
}

ClockTime clockTime(float seconds)
{
    int whole = 0;
    if (std::isfinite(seconds) && seconds > 0.0f)
        whole = seconds >= kTimeLimit ? std::numeric_limits<int>::max() : static_cast<int>(seconds);
    return {whole / 3600, whole / 60 % 60, whole % 60};
}

BWString formatClockTime(float seconds)
{
    const ClockTime time = clockTime(seconds);
    return BWString("%02d:%02d:%02d", time.hours, time.minutes, time.seconds);
}
