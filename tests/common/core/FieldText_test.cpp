#include "common/core/FieldText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using luvo::FieldRange;
using State = luvo::FieldTextState;

TEST(FieldText, ValuesAsTheChecksReadThem) {
    struct Case {
        const char* text;
        double value;  // NaN: no value
    };
    const double none = std::nan("");
    const Case cases[] = {
        {"", 0.0},   {"1,5", 1.5}, {",5", 0.5},  {"-0,25", -0.25}, {"12.5", 12.5}, {"2-3", 2.0},
        {"-", none}, {".", none},  {"-.", none}, {"--3", none},    {",", none},    {"-.5", -0.5},
    };
    for (const Case& c : cases) {
        const double v = luvo::FieldCheckValue(c.text);
        if (std::isnan(c.value)) {
            EXPECT_TRUE(std::isnan(v)) << "text \"" << c.text << "\" read as " << v;
        } else {
            EXPECT_DOUBLE_EQ(v, c.value) << "text \"" << c.text << "\"";
        }
    }
}

// Typed texts against the ranges of the program's fields: accepted, still on the way to an
// accepted value, or beyond any.
TEST(FieldText, TypedTextsArePendingWhileTypingCanStillMakeThemValid) {
    const FieldRange mach{1, false, 5, true};           // supersonic Mach number
    const FieldRange kappa{1, false, 2, true};          // supersonic kappa
    const FieldRange rootChord{0, false, 50, true, 4};  // lifting-line chord at the root
    const FieldRange innerChord{0, true, 50, true, 4};  // lifting-line chord at B: 0 passes
    const FieldRange angle{-15, true, 15, true, 5};     // thin-airfoil alpha*
    const FieldRange lengthCD{0, true, 100, false, 5};  // trapezoid length CD
    const FieldRange count{0, true, 4, true};           // supersonic support-point count
    const FieldRange tipChord{0.1, true, 30, true};     // vortex-lattice tip chord
    struct Case {
        const char* range;
        const FieldRange& r;
        const char* text;
        State state;
    };
    const Case cases[] = {
        {"Mach", mach, "1", State::Pending},
        {"Mach", mach, "1.", State::Pending},
        {"Mach", mach, "1,", State::Pending},
        {"Mach", mach, "1.0", State::Pending},
        {"Mach", mach, "1.6", State::Accepted},
        {"Mach", mach, "1,64", State::Accepted},
        {"Mach", mach, "5", State::Accepted},
        {"Mach", mach, "", State::Pending},
        {"Mach", mach, "6", State::Invalid},
        {"Mach", mach, "0", State::Invalid},  // no leading zero on the way to 5
        {"Mach", mach, "5.1", State::Invalid},
        {"Mach", mach, "10", State::Invalid},
        {"Mach", mach, ".", State::Invalid},
        {"Mach", mach, "-", State::Invalid},
        {"kappa", kappa, "1", State::Pending},
        {"kappa", kappa, "1.4", State::Accepted},
        {"kappa", kappa, "2.5", State::Invalid},
        {"root chord", rootChord, "0", State::Pending},
        {"root chord", rootChord, "0.", State::Pending},
        {"root chord", rootChord, ".", State::Pending},
        {"root chord", rootChord, "0.0", State::Pending},
        {"root chord", rootChord, "0.00", State::Invalid},  // four characters, and still 0
        {"root chord", rootChord, "0.8", State::Accepted},
        {"root chord", rootChord, "0,8", State::Accepted},
        {"root chord", rootChord, "51", State::Invalid},
        {"root chord", rootChord, "12.55", State::Invalid},  // in range, but too long
        {"root chord", rootChord, "-", State::Invalid},
        {"chord at B", innerChord, "0", State::Accepted},
        {"chord at B", innerChord, "-", State::Invalid},  // "-0" is no negative number
        {"alpha*", angle, "-", State::Pending},
        {"alpha*", angle, "-.", State::Pending},
        {"alpha*", angle, ".", State::Pending},
        {"alpha*", angle, "-1", State::Accepted},
        {"alpha*", angle, "-0", State::Accepted},
        {"alpha*", angle, "", State::Accepted},  // an empty field reads as 0
        {"alpha*", angle, "-16", State::Invalid},
        {"alpha*", angle, "--", State::Invalid},
        {"alpha*", angle, "-15.01", State::Invalid},  // six characters
        {"length CD", lengthCD, "100", State::Invalid},
        {"length CD", lengthCD, "99.9", State::Accepted},
        {"count", count, ".", State::Pending},
        {"count", count, "2.7", State::Accepted},
        {"count", count, "5", State::Invalid},
        {"tip chord", tipChord, "0.", State::Pending},
        {"tip chord", tipChord, "0.0", State::Invalid},  // below 0.1, whatever follows
        {"tip chord", tipChord, "3", State::Accepted},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(luvo::JudgeTypedText(c.text, c.r), c.state)
            << c.range << ": \"" << c.text << "\"";
    }
}

// Values at, inside and beyond each bound, with the bound included or not; a value that is no
// number lies in no range, and the length limit does not matter for a value.
TEST(FieldText, ValuesLieInARangeByItsBoundsAndTheirInclusion) {
    const FieldRange mach{1, false, 5, true};        // lower excluded, upper included
    const FieldRange angle{-15, true, 15, true, 2};  // both included; a length limit
    const FieldRange lengthCD{0, true, 100, false};  // upper excluded
    const FieldRange open{1, false, 2, false};       // both excluded
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        const char* range;
        const FieldRange& r;
        double value;
        bool in;
    };
    const Case cases[] = {
        {"Mach", mach, 1.0, false},
        {"Mach", mach, 1.0000001, true},
        {"Mach", mach, 5.0, true},
        {"Mach", mach, 5.0000001, false},
        {"Mach", mach, 0.5, false},
        {"angle", angle, -15.0, true},
        {"angle", angle, 15.0, true},
        {"angle", angle, -15.5, false},
        {"angle", angle, -12.125, true},  // longer than the limit as a text
        {"length CD", lengthCD, 0.0, true},
        {"length CD", lengthCD, 100.0, false},
        {"length CD", lengthCD, 99.99, true},
        {"open", open, 1.0, false},
        {"open", open, 2.0, false},
        {"open", open, 1.5, true},
        {"open", open, std::nan(""), false},
        {"length CD", lengthCD, inf, false},
        {"angle", angle, -inf, false},
        {"Mach", mach, std::nan(""), false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(luvo::InFieldRange(c.value, c.r), c.in) << c.range << ": " << c.value;
    }
}

}  // namespace
