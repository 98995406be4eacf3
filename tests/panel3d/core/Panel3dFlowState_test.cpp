// The checks of the panel method window's inputs and the flow state made from them.

#include "panel3d/core/Panel3dFlowState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace {

// Parts of the messages that name the failing input.
const char* const kCount = "Anzahl der Punkte";
const char* const kSpeed = "Wert der Geschwindigkeit";
const char* const kViscosity = "Viskosität";
const char* const kSpeedRange = "minimalen Geschwindigkeit";
const char* const kSpeedCount = "Anzahl der Geschwindigkeiten";
const char* const kEfficiency = "Wirkungsgrades";

// The window's initial texts as numbers.
Panel3dFlowInputs Defaults() { return {2.5, -4.0, 2.0, 4, 100, 17.08, 30, 90, 5, 200, 0.95}; }

TEST(Panel3dFlowState, OnlyTheChosenTasksFieldsAreCheckedAndTheFirstFailureCounts) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Case {
        const char* what;
        int task;
        std::vector<std::pair<Panel3dFlowField, double>> edits;
        const char* fails;  // a part of the message, nullptr when all pass
    };
    const Case cases[] = {
        {"defaults, task 0", 0, {}, nullptr},
        {"defaults, task 1", 1, {}, nullptr},
        {"defaults, task 2", 2, {}, nullptr},
        {"speed 0", 0, {{kPanel3dSpeed, 0}}, kSpeed},
        {"speed inf", 1, {{kPanel3dSpeed, inf}}, kSpeed},
        {"speed unused in task 2", 2, {{kPanel3dSpeed, -1}}, nullptr},
        {"viscosity nan", 2, {{kPanel3dViscosity, nan}}, kViscosity},
        {"count 1.9", 1, {{kPanel3dPointCount, 1.9}}, kCount},
        {"count 2", 1, {{kPanel3dPointCount, 2}}, nullptr},
        {"count 99", 1, {{kPanel3dPointCount, 99}}, nullptr},
        {"count 99.5 as read", 1, {{kPanel3dPointCount, 99.5}}, kCount},
        {"count before speed", 1, {{kPanel3dSpeed, 0}, {kPanel3dPointCount, 100}}, kCount},
        {"count unused in task 0", 0, {{kPanel3dPointCount, 0}}, nullptr},
        {"speeds 90 / 30", 2, {{kPanel3dSpeedMin, 90}, {kPanel3dSpeedMax, 30}}, kSpeedRange},
        {"speeds equal", 2, {{kPanel3dSpeedMax, 30}}, kSpeedRange},
        {"maximum speed inf", 2, {{kPanel3dSpeedMax, inf}}, kSpeedRange},
        {"lowest speed 0", 2, {{kPanel3dSpeedMin, 0}}, kSpeedRange},
        {"one speed", 2, {{kPanel3dSpeedCount, 1}}, kSpeedCount},
        {"efficiency 0", 2, {{kPanel3dEfficiency, 0}}, kEfficiency},
        {"viscosity before efficiency",
         2,
         {{kPanel3dEfficiency, 0}, {kPanel3dViscosity, 0}},
         kViscosity},
        {"wing loading unchecked", 2, {{kPanel3dWingLoading, -5}}, nullptr},
        {"angles unchecked", 1, {{kPanel3dAlphaMin, 90}, {kPanel3dAlphaStep, 0}}, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Panel3dFlowInputs in = Defaults();
        for (const auto& [field, value] : c.edits) in[field] = value;
        const char* failure = luvo::FirstRangeFailure(Panel3dFlowChecks(c.task, in));
        if (c.fails == nullptr) {
            EXPECT_EQ(failure, nullptr) << failure;
        } else {
            ASSERT_NE(failure, nullptr);
            EXPECT_NE(std::string(failure).find(c.fails), std::string::npos) << failure;
        }
    }
}

TEST(Panel3dFlowState, CountsAreTruncatedAfterTheCheck) {
    Panel3dFlowInputs in = Defaults();
    in[kPanel3dPointCount] = 4.9;
    in[kPanel3dSpeedCount] = 5.99;
    ASSERT_EQ(luvo::FirstRangeFailure(Panel3dFlowChecks(1, in)), nullptr);
    ASSERT_EQ(luvo::FirstRangeFailure(Panel3dFlowChecks(2, in)), nullptr);
    const Panel3dFlowState lift = MakePanel3dFlowState(1, in);
    EXPECT_EQ(lift.angleCount, 4);
    EXPECT_EQ(lift.pointCount, 4);
    const Panel3dFlowState speed = MakePanel3dFlowState(2, in);
    EXPECT_EQ(speed.speedCount, 5);
    EXPECT_EQ(speed.pointCount, 5);
}

}  // namespace
