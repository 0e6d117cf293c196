// timing_summary.cpp: nearest-rank percentiles over a sorted copy of the times.
#include "timing_summary.h"

#include <algorithm>
#include <cmath>

namespace {

double nearestRank(const std::vector<double>& sorted, double percent)
{
    const double rank = std::ceil(percent / 100.0 * static_cast<double>(sorted.size()));
    const std::size_t index = rank < 1 ? 0 : static_cast<std::size_t>(rank) - 1;
    return sorted[std::min(index, sorted.size() - 1)];
}

} // namespace

TimingSummary summarizeTimes(std::vector<double> times)
{
    TimingSummary summary;
    if (times.empty()) {
        return summary;
    }
    std::sort(times.begin(), times.end());
    summary.median = nearestRank(times, 50);
    summary.p90 = nearestRank(times, 90);
    summary.p99 = nearestRank(times, 99);
    summary.max = times.back();
    return summary;
}
