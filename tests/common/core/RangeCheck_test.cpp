#include "common/core/RangeCheck.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

using luvo::RangeCheck;

TEST(RangeCheck, BothBoundsIncludedAndNonFiniteValuesFail) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double value, lower, upper;
        bool passes;
    } cases[] = {
        {-10, -10, 10, true},     {10, -10, 10, true},    {10.5, -10, 10, false},
        {-10.01, -10, 10, false}, {0, 0, 10, true},       {nan, -10, 10, false},
        {inf, -inf, inf, false},  {-inf, -10, 10, false}, {1e300, 2, inf, true},
        {1.99, 2, inf, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(luvo::InRange({c.value, c.lower, c.upper, "m"}), c.passes)
            << c.value << " in " << c.lower << ".." << c.upper;
    }
}

TEST(RangeCheck, OnlyTheFirstFailureInTheGivenOrderIsReported) {
    EXPECT_EQ(luvo::FirstRangeFailure({{20, -10, 10, "alpha"}, {30, 1, 21, "count"}}),
              std::string("alpha"));
    EXPECT_EQ(luvo::FirstRangeFailure({{0, -10, 10, "alpha"}, {30, 1, 21, "count"}}),
              std::string("count"));
    EXPECT_EQ(luvo::FirstRangeFailure({{0, -10, 10, "alpha"}, {21, 1, 21, "count"}}), nullptr);
    EXPECT_EQ(luvo::FirstRangeFailure({}), nullptr);
}

}  // namespace
