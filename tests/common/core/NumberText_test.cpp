#include "common/core/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace {

TEST(NumberText, ReadsTheLeadingNumber) {
    struct Case {
        const char* text;
        double value;
    };
    const Case cases[] = {
        {"", 0.0},        {"-", 0.0},       {"1,5", 1.0},  {"12.5x", 12.5}, {"  3.25", 3.25},
        {"-0.75", -0.75}, {".5", 0.5},      {"-.5", -0.5}, {"abc", 0.0},    {"1e2", 100.0},
        {"5.", 5.0},      {"inf", 0.0},     {"nan", 0.0},  {",5", 0.0},     {"--3", 0.0},
        {"2-3", 2.0},     {"0.083", 0.083}, {"+4", 4.0},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(luvo::ParseLeadingNumber(c.text), c.value) << "text \"" << c.text << "\"";
    }
}

TEST(NumberText, HugeExponentsStayInfiniteButSigned) {
    EXPECT_TRUE(std::isinf(luvo::ParseLeadingNumber("1e999")));
    EXPECT_LT(luvo::ParseLeadingNumber("-1e999"), 0.0);
}

TEST(NumberText, FormatsWithPrintfRules) {
    EXPECT_EQ(luvo::FormatNumber("%.3f", 0.0827), "0.083");
    EXPECT_EQ(luvo::FormatNumber("%2.2f", 1.2), "1.20");
    EXPECT_EQ(luvo::FormatNumber("%.1f", -2.25), "-2.2");
    EXPECT_EQ(luvo::FormatResult("%.3f", std::numeric_limits<double>::infinity()), "---");
    EXPECT_EQ(luvo::FormatResult("%.3f", std::nan("")), "---");
    EXPECT_EQ(luvo::FormatResult("%.3f", 5.0), "5.000");
    // Too large to show as a number: dashes, never hundreds of digits.
    EXPECT_EQ(luvo::FormatResult("%.3f", 1e300), "---");
    EXPECT_EQ(luvo::FormatResult("%2.1f", -1e15), "---");
    EXPECT_EQ(luvo::FormatResult("%.3f", 123456789012.5), "123456789012.500");
}

// What a window shows never reads "-0.0": a text of zeros carries no sign, whether the value was
// a negative zero or a small negative value rounded away. Files keep printf's text.
TEST(NumberText, ShownZerosCarryNoMinusSign) {
    struct Case {
        const char* fmt;
        double value;
        const char* shown;
        const char* file;
    };
    const Case cases[] = {
        {"%.1f", -0.0, "0.0", "-0.0"},
        {"%.1f", -0.04, "0.0", "-0.0"},
        {"%2.2f", -0.004, "0.00", "-0.00"},
        {"%5.1f", -0.0, "  0.0", " -0.0"},
        {"%.3e", -0.0, "0.000e+00", "-0.000e+00"},
        {"%.1f", -1e-300, "0.0", "-0.0"},
        // Any other digit keeps the sign.
        {"%.1f", -0.06, "-0.1", "-0.1"},
        {"%.3f", -0.0005001, "-0.001", "-0.001"},
        {"%2.2f", -12.0, "-12.00", "-12.00"},
        {"%g", -1e-300, "-1e-300", "-1e-300"},
        {"%.3e", -1e-20, "-1.000e-20", "-1.000e-20"},
        {"%.1f", 0.0, "0.0", "0.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.fmt) + " of " + std::to_string(c.value));
        EXPECT_EQ(luvo::FormatShown(c.fmt, c.value), c.shown);
        EXPECT_EQ(luvo::FormatResult(c.fmt, c.value), c.shown);
        EXPECT_EQ(luvo::FormatNumber(c.fmt, c.value), c.file);
    }
    // Not a number to show: the sign of an infinity stays, the result labels show dashes.
    const double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(luvo::FormatShown("%.1f", -inf), "-inf");
    EXPECT_EQ(luvo::FormatResult("%.1f", -inf), "---");
}

// A German numeric locale (when the machine has one) must change neither direction.
TEST(NumberText, IgnoresADecimalCommaLocale) {
    const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "German"};
    const char* chosen = nullptr;
    for (const char* n : names) {
        if (std::setlocale(LC_NUMERIC, n) != nullptr) {
            chosen = n;
            break;
        }
    }
    if (chosen == nullptr) GTEST_SKIP() << "no German locale on this machine";
    EXPECT_EQ(luvo::FormatNumber("%.3f", 0.0827), "0.083");
    EXPECT_DOUBLE_EQ(luvo::ParseLeadingNumber("12.5x"), 12.5);
    EXPECT_DOUBLE_EQ(luvo::ParseLeadingNumber("1,5"), 1.0);
    std::setlocale(LC_NUMERIC, "C");
}

}  // namespace
