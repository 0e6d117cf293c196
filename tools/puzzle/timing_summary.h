// timing_summary.h: median, p90, p99 and maximum of a set of measured times.
#pragma once

#include <vector>

struct TimingSummary {
    double median = 0;
    double p90 = 0;
    double p99 = 0;
    double max = 0;
};

// Nearest-rank percentiles: the q-th percentile is the smallest value with at least q % of
// the values at or below it. An empty set gives all zeros.
TimingSummary summarizeTimes(std::vector<double> times);
