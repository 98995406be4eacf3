// The checks of the panel method window's inputs and the flow state made from them.

#include "panel3d/input/Panel3dFlowState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <utility>
#include <vector>

namespace {

// The window's initial texts as numbers.
Panel3dFlowInputs Defaults() { return {2.5, -4.0, 2.0, 4, 100, 17.08, 30, 90, 5, 200, 0.95}; }

TEST(Panel3dFlowState, OnlyTheChosenTasksFieldsAreCheckedAndTheFirstFailureCounts) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        int task;
        std::vector<std::pair<Panel3dFlowField, double>> edits;
        std::optional<Panel3dFlowField> fails;
    };
    const Case cases[] = {
        {"defaults, task 0", 0, {}, std::nullopt},
        {"defaults, task 1", 1, {}, std::nullopt},
        {"defaults, task 2", 2, {}, std::nullopt},
        {"speed 0", 0, {{kPanel3dSpeed, 0}}, kPanel3dSpeed},
        {"speed inf", 1, {{kPanel3dSpeed, inf}}, kPanel3dSpeed},
        {"speed unused in task 2", 2, {{kPanel3dSpeed, -1}}, std::nullopt},
        {"viscosity nan", 2, {{kPanel3dViscosity, nan}}, kPanel3dViscosity},
        {"count 1.9", 1, {{kPanel3dPointCount, 1.9}}, kPanel3dPointCount},
        {"count 2 and 99 pass", 1, {{kPanel3dPointCount, 2}}, std::nullopt},
        {"count 99", 1, {{kPanel3dPointCount, 99}}, std::nullopt},
        {"count 99.5 as read", 1, {{kPanel3dPointCount, 99.5}}, kPanel3dPointCount},
        {"count before speed",
         1,
         {{kPanel3dSpeed, 0}, {kPanel3dPointCount, 100}},
         kPanel3dPointCount},
        {"count unused in task 0", 0, {{kPanel3dPointCount, 0}}, std::nullopt},
        {"speeds 90 / 30", 2, {{kPanel3dSpeedMin, 90}, {kPanel3dSpeedMax, 30}}, kPanel3dSpeedMin},
        {"speeds equal", 2, {{kPanel3dSpeedMax, 30}}, kPanel3dSpeedMin},
        {"maximum speed inf", 2, {{kPanel3dSpeedMax, inf}}, kPanel3dSpeedMin},
        {"lowest speed 0", 2, {{kPanel3dSpeedMin, 0}}, kPanel3dSpeedMin},
        {"one speed", 2, {{kPanel3dSpeedCount, 1}}, kPanel3dSpeedCount},
        {"efficiency 0", 2, {{kPanel3dEfficiency, 0}}, kPanel3dEfficiency},
        {"viscosity before efficiency",
         2,
         {{kPanel3dEfficiency, 0}, {kPanel3dViscosity, 0}},
         kPanel3dViscosity},
        {"wing loading unchecked", 2, {{kPanel3dWingLoading, -5}}, std::nullopt},
        {"angles unchecked", 1, {{kPanel3dAlphaMin, 90}, {kPanel3dAlphaStep, 0}}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Panel3dFlowInputs in = Defaults();
        for (const auto& [field, value] : c.edits) in[field] = value;
        const auto violation = CheckPanel3dFlowInputs(c.task, in);
        ASSERT_EQ(violation.has_value(), c.fails.has_value());
        if (violation) EXPECT_EQ(violation->field, *c.fails);
    }
}

TEST(Panel3dFlowState, CountsAreTruncatedAfterTheCheck) {
    Panel3dFlowInputs in = Defaults();
    in[kPanel3dPointCount] = 4.9;
    in[kPanel3dSpeedCount] = 5.99;
    ASSERT_FALSE(CheckPanel3dFlowInputs(1, in).has_value());
    ASSERT_FALSE(CheckPanel3dFlowInputs(2, in).has_value());
    const Panel3dFlowState lift = MakePanel3dFlowState(1, in);
    EXPECT_EQ(lift.angleCount, 4);
    EXPECT_EQ(lift.pointCount, 4);
    const Panel3dFlowState speed = MakePanel3dFlowState(2, in);
    EXPECT_EQ(speed.speedCount, 5);
    EXPECT_EQ(speed.pointCount, 5);
}

}  // namespace
