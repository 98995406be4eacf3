#include "common/NumberText.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>

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
