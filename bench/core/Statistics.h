// Order statistics of a set of timings.
#pragma once
#include <optional>
#include <vector>

namespace bench {

// The middle value, or the mean of the two middle ones for an even count;
// nothing for no values.
std::optional<double> Median(std::vector<double> values);

// Nearest rank: the smallest value that at least p percent of the values do
// not exceed (p in 0..100); nothing for no values.
std::optional<double> Percentile(std::vector<double> values, double p);

}  // namespace bench
