#include "vlm/core/VlmInputChecks.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

// Counts are truncated before the checks: the bounds hold for the whole numbers the run uses.
TEST(VlmLatticeCountChecks, FirstFailureAtTheBoundsOfTheTruncatedCounts) {
    struct Case {
        double nx, perHalf;
        const char* firstFailureStart;  // nullptr: all pass
    };
    const Case cases[] = {
        {2, 2, nullptr},
        {2.9, 2.9, nullptr},
        {1.99, 50, "Die Wirbelzahl in x-Richtung ist zu niedrig"},
        {0, 0, "Die Wirbelzahl in x-Richtung ist zu niedrig"},
        {-5, 1e9, "Die Wirbelzahl in x-Richtung ist zu niedrig"},
        {10, -3, "Die Wirbelzahl in y-Richtung ist zu niedrig"},
        {1e300, 1e300, "Die Wirbelzahl in x-Richtung ist zu hoch"},
        {50, 1.5, "Die Wirbelzahl in y-Richtung ist zu niedrig"},
        {100.9, 40, nullptr},  // 100 x 40 per half: exactly 8000 vortices
        {101, 2, "Die Wirbelzahl in x-Richtung ist zu hoch"},
        {2, 101, "Die Wirbelzahl in y-Richtung ist zu hoch"},
        {100, 41, "Die Gesamtzahl aller Wirbel ist zu hoch"},
        {NAN, 10, "Die Wirbelzahl in x-Richtung ist zu niedrig"},
    };
    for (const Case& c : cases) {
        const char* failure = luvo::FirstRangeFailure(VlmLatticeCountChecks(c.nx, c.perHalf));
        if (c.firstFailureStart == nullptr) {
            EXPECT_EQ(failure, nullptr) << c.nx << " x " << c.perHalf;
        } else {
            ASSERT_NE(failure, nullptr) << c.nx << " x " << c.perHalf;
            EXPECT_EQ(std::string(failure).rfind(c.firstFailureStart, 0), 0u) << failure;
        }
    }
}

}  // namespace
