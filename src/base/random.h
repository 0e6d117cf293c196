// random.h: the one process-wide pseudo-random generator behind every puzzle.
#pragma once

#include <cstdint>

// Sets the generator state. Before any seeding the state is 1.
void seedRandom(uint32_t seed);

// Advances the generator one step and returns its 15-bit output modulo n, in [0, n).
// A bound of 0 or less gives 0 (the step is still taken) rather than dividing by zero.
int32_t randomBelow(int32_t n);
