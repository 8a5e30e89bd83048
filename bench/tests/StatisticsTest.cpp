#include "core/Statistics.h"

#include <gtest/gtest.h>

namespace {

using bench::Median;
using bench::Percentile;

struct MedianCase {
    std::vector<double> values;
    double median;
};

TEST(Statistics, MedianIsTheMiddleOfTheSortedValues) {
    const MedianCase cases[] = {
        {{7}, 7},
        {{3, 1, 2}, 2},
        {{9, 1, 5, 3}, 4},          // even count: mean of 3 and 5
        {{100, 1, 1, 1, 100}, 1},   // an outlier does not move it
        {{2, 2, 8, 8}, 5},
    };
    for (const auto& c : cases) EXPECT_EQ(Median(c.values), c.median) << testing::PrintToString(c.values);
}

struct PercentileCase {
    double p;
    double value;
};

TEST(Statistics, PercentileTakesTheNearestRank) {
    std::vector<double> values;
    for (int i = 100; i >= 1; --i) values.push_back(i);  // 1..100, given in reverse
    const PercentileCase cases[] = {{95, 95}, {50, 50}, {100, 100}, {0, 1}, {0.5, 1}, {99.5, 100}, {150, 100}};
    for (const auto& c : cases) EXPECT_EQ(Percentile(values, c.p), c.value) << "p" << c.p;
}

TEST(Statistics, FewValuesRoundTheRankUp) {
    EXPECT_EQ(Percentile({10, 20, 30}, 95), 30);
    EXPECT_EQ(Percentile({10, 20, 30}, 34), 20);
    EXPECT_EQ(Percentile({10, 20, 30}, 33), 10);
}

TEST(Statistics, NoValuesGiveNoFigure) {
    EXPECT_FALSE(Median({}));
    EXPECT_FALSE(Percentile({}, 95));
}

}  // namespace
