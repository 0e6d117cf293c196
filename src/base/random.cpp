// random.cpp: the linear congruential generator (214013, 2531011, 15-bit output).
#include "base/random.h"

namespace {

uint32_t state = 1;

} // namespace

void seedRandom(uint32_t seed)
{
    state = seed;
}

int32_t randomBelow(int32_t n)
{
    state = state * 214013u + 2531011u;
    int32_t output = static_cast<int32_t>((state >> 16) & 0x7fffu);
    return n > 0 ? output % n : 0;
}
