// The analysis window's checks on a window stand-in whose writes run the nested passes, as the
// window's fields do.

#include "etl/core/EtlAnalysisChecks.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

namespace {

using In = EtlInput;

class FakeWindow : public luvo::CheckHost {
  public:
    FakeWindow() {
        texts = {"10",   "0.0",  "1",    "15.0", "15.0",  "15.0", "50.0", "40.0", "10.0",
                 "2.00", "2.00", "2.00", "2.00", "10.00", "0.00", "0.00", "0.00"};
    }
    std::string Text(int input) const override { return texts[input]; }
    void Write(int input, const std::string& text) override {
        texts[input] = text;
        ++writes;
        written.emplace_back(input, text);
        luvo::RunCheckPass(EtlAnalysisCheckTable(), *this);
    }
    void WriteQuietly(int input, const std::string& text) override {
        texts[input] = text;
        ++writes;
        written.emplace_back(input, text);
    }
    void ShowBox(const std::string& caption, const std::string& message) override {
        boxes.emplace_back(caption, message);
    }
    void Recompute() override { ++recomputes; }

    // Typing: the text changes, then one pass runs.
    void Type(In input, const std::string& text) {
        texts[EtlIndex(input)] = text;
        luvo::RunCheckPass(EtlAnalysisCheckTable(), *this);
    }
    std::string operator[](In input) const { return texts[EtlIndex(input)]; }

    std::array<std::string, kEtlInputCount> texts;
    std::vector<std::pair<std::string, std::string>> boxes;
    int writes = 0;
    std::vector<std::pair<int, std::string>> written;
    int recomputes = 0;
};

TEST(EtlAnalysisChecks, EachInputsRangeAndLengthViolation) {
    struct Case {
        In input;
        const char* outOfRange;
        const char* tooLong;
        const char* rangeReset;
        const char* lengthReset;
        const char* caption;
        const char* rangeStart;  // how the range message begins after "Ungültige Eingabe!\n\n"
    };
    const Case cases[] = {
        {In::Span, "0", "12.55", "10.0", "10.0", "Eingabe der Spannweite", "Für die Spannweite"},
        {In::SweepAB, "46", "-12.55", "0.0", "0.0", "Eingabe des Pfeilwinkels", "Für den Pfeilw"},
        {In::Sideslip, "30.5", "-1.255", "0.0", "0.0", "Eingabe des Schiebewinkels", "Für den Sch"},
        {In::SweepBC, "-45.5", "1.2555", "0.0", "0.0", "Eingabe des Pfeilwinkel2",
         "Für den Pfeilwinkel2"},
        {In::SweepCD, "-46", "1.2555", "0.0", "0.0", "Eingabe des Pfeilwinkel3",
         "Für den Pfeilwinkel3"},
        {In::LengthAB, "0", "50.000", "50.0", "50", "Eingabe der Länge des Abschnittes",
         "Für die Länge des 1."},
        {In::LengthBC, "-1", "40.000", "25.0", "25.0", "Eingabe der Länge des Abschnittes",
         "Für die Länge des 2."},
        {In::LengthCD, "100", "10.000", "25.0", "25.0", "Eingabe der Länge des Abschnittes",
         "Für die Länge des 3."},
        {In::ChordA, "0", "2.000", "2.0", "2.0", "Eingabe der Tiefe an der Wurzel",
         "Für die Tiefe an der Flügelwurzel"},
        {In::ChordB, "0.00", "12.50", "2.0", "2.0", "Eingabe des Flügelschnitts in B",
         "Für die Tiefe des Flügelschnitts in B"},
        {In::ChordC, "50.1", "12.50", "2.0", "2.0", "Eingabe des Flügelschnitts in C",
         "Für die Tiefe des Flügelschnitts in C"},
        {In::ChordD, "1e999", "12.50", "2.0", "2.0", "Eingabe der Tiefe an der Flügelspitze",
         "Für die Tiefe an der Flügelspitze"},
        {In::AngleA, "15.5", "10.000", "10.0", "10.0", "Eingabe des geometrischen Anstellwinkels",
         "Für den geometrischen"},
        {In::AngleB, "-10.5", "-1.000", "-2.0", "-2.0",
         "Eingabe des relativen geometrischen Anstellwinkels", "Für den geometrischen"},
        {In::AngleC, "11", "-1.000", "-2.0", "-2.0",
         "Eingabe des relativen geometrischen Anstellwinkels", "Für den geometrischen"},
        {In::AngleD, "abc", "-1.000", "-4.0", "-4.0",
         "Eingabe des relativen geometrischen Anstellwinkels", "Für den geometrischen"},
    };
    const std::string head = "Ungültige Eingabe!\n\n";
    for (const Case& c : cases) {
        SCOPED_TRACE(EtlIndex(c.input));
        const luvo::InputRule& rule = EtlRuleFor(c.input);
        // "abc" reads as 0, which is in range for the angle at D: replace by a real violation.
        const std::string bad = std::string(c.outOfRange) == "abc" ? "-11" : c.outOfRange;
        FakeWindow range;
        range.Type(c.input, bad);
        ASSERT_GE(range.boxes.size(), 1u);
        EXPECT_EQ(range.boxes[0].first, c.caption);
        EXPECT_EQ(range.boxes[0].second, rule.rangeMessage);
        EXPECT_EQ(range.boxes[0].second.rfind(head + c.rangeStart, 0), 0u) << range.boxes[0].second;
        // The reset comes first; for C-D the sum rule then corrects it.
        ASSERT_FALSE(range.written.empty());
        EXPECT_EQ(range.written[0], std::make_pair(EtlIndex(c.input), std::string(c.rangeReset)));

        FakeWindow length;
        length.Type(c.input, c.tooLong);
        ASSERT_GE(length.boxes.size(), 1u);
        EXPECT_EQ(length.boxes[0].first, c.caption);
        EXPECT_EQ(length.boxes[0].second, rule.lengthMessage);
        EXPECT_NE(length.boxes[0].second.find("Es sind maximal "), std::string::npos);
        ASSERT_FALSE(length.written.empty());
        EXPECT_EQ(length.written[0], std::make_pair(EtlIndex(c.input), std::string(c.lengthReset)));
    }
}

TEST(EtlAnalysisChecks, ValuesThatPass) {
    // Both ends of the sideslip range, any text in the lift-slope factor (none is checked), and
    // a chord of five characters is still rejected only by its length.
    const std::vector<std::pair<In, const char*>> accepted = {
        {In::Sideslip, "-30"},        {In::Sideslip, "30"}, {In::LiftSlope, ""},
        {In::LiftSlope, "-7.123456"}, {In::SweepAB, "-45"}, {In::AngleA, "-10"}};
    for (const auto& [input, text] : accepted) {
        FakeWindow w;
        w.Type(input, text);
        EXPECT_TRUE(w.boxes.empty()) << text;
        EXPECT_EQ(w.recomputes, 1) << text;
        EXPECT_EQ(w[input], text);
    }
}

TEST(EtlAnalysisChecks, FirstFourChecksGoOnAfterAViolation) {
    // phi_VK1 holds "99" without having been checked; the span box comes first, its reset's
    // nested pass reports phi_VK1 and recomputes after resetting it, and the outer pass reports
    // phi_VK1 once more from the values it read at its start.
    FakeWindow w;
    w.texts[EtlIndex(In::SweepAB)] = "99";
    w.Type(In::Span, "0");
    ASSERT_EQ(w.boxes.size(), 3u);
    EXPECT_EQ(w.boxes[0].first, "Eingabe der Spannweite");
    EXPECT_EQ(w.boxes[1].first, "Eingabe des Pfeilwinkels");
    EXPECT_EQ(w.boxes[2].first, "Eingabe des Pfeilwinkels");
    EXPECT_EQ(w[In::Span], "10.0");
    EXPECT_EQ(w[In::SweepAB], "0.0");
    EXPECT_EQ(w.recomputes, 1);

    // From the fifth check on the first violation ends the pass: the outer pass stops at phi_VK3
    // and only the nested one reports the chord at B.
    FakeWindow later;
    later.texts[EtlIndex(In::ChordB)] = "0";
    later.Type(In::SweepCD, "60");
    ASSERT_EQ(later.boxes.size(), 2u);
    EXPECT_EQ(later.boxes[0].first, "Eingabe des Pfeilwinkel3");
    EXPECT_EQ(later.boxes[1].first, "Eingabe des Flügelschnitts in B");
    EXPECT_EQ(later[In::ChordB], "2.0");
}

TEST(EtlAnalysisChecks, LengthSumRule) {
    struct Case {
        const char *ab, *bc, *cd;
        bool box;
        const char *abAfter, *bcAfter, *cdAfter;
    };
    const Case cases[] = {
        {"50", "40", "20", false, "50", "40", "10.00"},
        {"60", "50", "10", false, "60", "40.0", "0.0"},
        {"100", "20", "0", false, "100", "0.0", "0.0"},
        // Checked once on its final lengths: the half-way 100, 0, 10 raises no box.
        {"100", "40", "10", false, "100", "0.0", "0.0"},
        {"100", "0", "10", true, "100", "0", "10"},
        {"60", "0", "0", true, "60", "0", "0"},
        {"50", "0", "10", false, "50", "50.0", "0.0"},
        {"33.3", "33.3", "33.4", false, "33.3", "33.3", "33.4"},
        {"7.9", "92.1", "0", false, "7.9", "92.1", "0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.ab) + "/" + c.bc + "/" + c.cd);
        FakeWindow w;
        w.texts[EtlIndex(In::ChordB)] = "1.50";
        w.texts[EtlIndex(In::ChordC)] = "1.20";
        w.texts[EtlIndex(In::AngleB)] = "1.00";
        w.texts[EtlIndex(In::AngleC)] = "2.00";
        w.texts[EtlIndex(In::LengthAB)] = c.ab;
        w.texts[EtlIndex(In::LengthBC)] = c.bc;
        w.Type(In::LengthCD, c.cd);
        EXPECT_EQ(w[In::LengthAB], c.abAfter);
        EXPECT_EQ(w[In::LengthBC], c.bcAfter);
        EXPECT_EQ(w[In::LengthCD], c.cdAfter);
        if (c.box) {
            ASSERT_EQ(w.boxes.size(), 1u);
            EXPECT_EQ(w.boxes[0].first, kEtlLengthSumCaption);
            EXPECT_EQ(w.boxes[0].second, kEtlLengthSumMessage);
            EXPECT_EQ(w.recomputes, 0);
            EXPECT_EQ(w.writes, 0);
        } else {
            EXPECT_TRUE(w.boxes.empty());
            // A correction is one change: the window recomputes once, with the final lengths.
            EXPECT_EQ(w.recomputes, 1);
        }
    }
    // Sections that the corrections copy.
    FakeWindow a;
    a.texts[EtlIndex(In::ChordB)] = "1.50";
    a.texts[EtlIndex(In::AngleB)] = "1.00";
    a.texts[EtlIndex(In::LengthBC)] = "20";
    a.texts[EtlIndex(In::LengthCD)] = "0";
    a.Type(In::LengthAB, "100");
    EXPECT_EQ(
        std::vector<std::string>({a[In::ChordC], a[In::ChordD], a[In::AngleC], a[In::AngleD]}),
        std::vector<std::string>({"1.5", "1.5", "1.0", "1.0"}));
    FakeWindow b;
    b.texts[EtlIndex(In::ChordC)] = "1.20";
    b.texts[EtlIndex(In::AngleC)] = "2.00";
    b.texts[EtlIndex(In::LengthBC)] = "50";
    b.Type(In::LengthAB, "60");
    EXPECT_EQ(std::vector<std::string>({b[In::ChordD], b[In::AngleD]}),
              std::vector<std::string>({"1.2", "2.0"}));
}

TEST(EtlAnalysisChecks, CorrectionThatCannotSettleShowsOneBox) {
    // 33.33 + 66.7 misses 100 whatever the correction writes with one decimal.
    FakeWindow w;
    w.texts[EtlIndex(In::LengthAB)] = "33.33";
    w.Type(In::LengthBC, "70");
    ASSERT_EQ(w.boxes.size(), 1u);
    EXPECT_EQ(w.boxes[0].first, kEtlLengthSumCaption);
    EXPECT_EQ(w.recomputes, 0);
    EXPECT_EQ(w[In::LengthBC], "66.7");
    EXPECT_EQ(w[In::LengthCD], "0.0");
}

}  // namespace
