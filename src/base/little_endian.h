// little_endian.h: numbers as the stored records keep them: little-endian bytes, and floats as
// their IEEE bits.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>

static_assert(std::numeric_limits<float>::is_iec559, "floats are stored as their IEEE bits");

// A float's bits and back (memcpy: not every standard library the game builds with has
// std::bit_cast).
inline uint32_t bitsOfFloat(float value)
{
    uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

inline float floatOfBits(uint32_t bits)
{
    float value = 0.0f;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

// The count lowest bytes of the value (at most 4), lowest first.
inline void putLittleEndian(uint8_t* bytes, uint32_t value, size_t count = 4)
{
    for (size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<uint8_t>(value >> (8 * i));
    }
}

inline uint32_t littleEndianAt(const uint8_t* bytes, size_t count = 4)
{
    uint32_t value = 0;
    for (size_t i = 0; i < count; ++i) {
        value |= uint32_t{bytes[i]} << (8 * i);
    }
    return value;
}
