// allocation_count.h: how many times the program has allocated with operator new, for
// benchmarks that show a path allocates nothing.
#pragma once

#include <cstdint>

int64_t allocationCount();
