#include "core/Statistics.h"

#include <algorithm>
#include <cmath>

namespace bench {

std::optional<double> Median(std::vector<double> values) {
    if (values.empty()) return std::nullopt;
    const size_t middle = values.size() / 2;
    std::nth_element(values.begin(), values.begin() + middle, values.end());
    const double upper = values[middle];
    if (values.size() % 2) return upper;
    const double lower = *std::max_element(values.begin(), values.begin() + middle);
    return (lower + upper) / 2;
}

std::optional<double> Percentile(std::vector<double> values, double p) {
    if (values.empty()) return std::nullopt;
    std::sort(values.begin(), values.end());
    const double rank = std::ceil(std::clamp(p, 0.0, 100.0) / 100.0 * double(values.size()));
    const size_t index = rank < 1 ? 0 : size_t(rank) - 1;
    return values[std::min(index, values.size() - 1)];
}

}  // namespace bench
