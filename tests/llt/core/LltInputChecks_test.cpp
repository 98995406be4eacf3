// The check passes of the three task windows, run on a window model without a display: writes
// raise nested passes exactly as the fields' change handling does.

#include "llt/core/LltInputChecks.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace {

using In = LltInput;

struct Box {
    std::string caption;
    std::string message;
    std::map<LltInput, std::string> texts;  // the fields while the box is open
};

// A task window reduced to its field texts. Writing a text runs a nested pass, as the fields do.
class FakeWindow : public LltCheckHost {
  public:
    FakeWindow(LltTaskWindow window, std::map<LltInput, std::string> texts)
        : window_(window), texts_(std::move(texts)) {}

    // The user changes one field: the change runs a pass.
    void Type(LltInput input, const std::string& text) {
        texts_[input] = text;
        LltRunCheckPass(window_, *this);
    }

    std::string Text(LltInput input) const override {
        auto it = texts_.find(input);
        return it == texts_.end() ? std::string() : it->second;
    }
    void Write(LltInput input, const std::string& text) override {
        ASSERT_TRUE(LltWindowChecks(window_, input)) << "write to a field the window lacks";
        ++writes;
        texts_[input] = text;
        // A correction that never settled would recurse without end; fail instead.
        ASSERT_LT(++depth_, 50) << "check passes do not come to rest";
        LltRunCheckPass(window_, *this);
        --depth_;
    }
    void WriteQuietly(LltInput input, const std::string& text) override {
        ASSERT_TRUE(LltWindowChecks(window_, input)) << "write to a field the window lacks";
        ++writes;
        texts_[input] = text;
    }
    void ShowBox(const std::string& caption, const std::string& message) override {
        boxes.push_back({caption, message, texts_});
    }
    void Recompute() override { ++recomputes; }

    std::vector<Box> boxes;
    int recomputes = 0;
    int writes = 0;

  private:
    LltTaskWindow window_;
    std::map<LltInput, std::string> texts_;
    int depth_ = 0;
};

// Valid texts of every input a window checks: the analysis window's initial texts, and for the
// design windows those of their own Parts.
std::map<LltInput, std::string> ValidTexts(LltTaskWindow window) {
    switch (window) {
        case LltTaskWindow::Analysis:
            return {{In::Span, "8"},       {In::SegmentAB, "50"}, {In::SegmentBC, "25"},
                    {In::SegmentCD, "25"}, {In::ChordA, "2.00"},  {In::ChordB, "1.70"},
                    {In::ChordC, "1.30"},  {In::ChordD, "0.6"},   {In::AngleA, "5.0"},
                    {In::AngleB, "-0.5"},  {In::AngleC, "-0.8"},  {In::AngleD, "-1.5"},
                    {In::LiftSlope, "1"}};
        case LltTaskWindow::TwistDesign:
            return {{In::Span, "8.0"},     {In::TotalLift, "0.3"}, {In::LiftSlope, "1"},
                    {In::A1, "0.03"},      {In::A3, "0.00"},       {In::A5, "0.00"},
                    {In::SegmentAB, "50"}, {In::SegmentBC, "25"},  {In::SegmentCD, "25"},
                    {In::ChordA, "2.00"},  {In::ChordB, "1.70"},   {In::ChordC, "1.30"},
                    {In::ChordD, "0.60"}};
        case LltTaskWindow::ChordDesign:
            break;
    }
    return {{In::Span, "15.0"},       {In::TotalLift, "0.3"}, {In::LiftSlope, "1"},
            {In::AspectRatio, "6.0"}, {In::A1, "0.03"},       {In::A3, "0.00"},
            {In::A5, "0.00"},         {In::SegmentAB, "50"},  {In::SegmentBC, "25"},
            {In::SegmentCD, "25"},    {In::AngleA, "5.0"},    {In::AngleB, "-0.4"},
            {In::AngleC, "-0.75"},    {In::AngleD, "-1.5"}};
}

const char* Name(LltTaskWindow w) {
    return w == LltTaskWindow::Analysis ? "analysis"
                                        : (w == LltTaskWindow::TwistDesign ? "twist" : "chord");
}

TEST(LltInputChecks, ValidDefaultsRecomputeOnce) {
    for (LltTaskWindow w :
         {LltTaskWindow::Analysis, LltTaskWindow::TwistDesign, LltTaskWindow::ChordDesign}) {
        SCOPED_TRACE(Name(w));
        FakeWindow window(w, ValidTexts(w));
        window.Type(In::Span, window.Text(In::Span));
        EXPECT_TRUE(window.boxes.empty());
        EXPECT_EQ(window.recomputes, 1);
        EXPECT_EQ(window.writes, 0);
    }
}

// One wrong input: its box (caption and full text), the text written back, and the nested pass
// that then recomputes the window once.
TEST(LltInputChecks, ViolationsShowTheirBoxAndWriteTheirResetText) {
    const std::string span = "Bitte wiederholen Sie die Eingabe der Spannweite.\n\n";
    const std::string segment = "Bitte wiederholen Sie die Eingabe der Länge des Abschnittes.\n\n";
    struct Case {
        LltTaskWindow window;
        LltInput input;
        const char* typed;
        const char* caption;
        std::string message;
        const char* writtenBack;
    };
    const Case cases[] = {
        // An empty text reads as 0.
        {LltTaskWindow::Analysis, In::Span, "", "Eingabe der Spannweite",
         "Ungültige Eingabe!\n\nFür die Spannweite gilt:\n0 < Spannweite <= 100\n\n" + span,
         "10.0"},
        // In range, but 5 characters.
        {LltTaskWindow::Analysis, In::Span, "12.55", "Eingabe der Spannweite",
         "Ungültige Eingabe!\n\nEs sind maximal 4 Stellen inklusive Punkt zulässig.\n\n" + span,
         "10.0"},
        // A lone minus sign reads as 0.
        {LltTaskWindow::ChordDesign, In::Span, "-", "Eingabe der Spannweite",
         "Ungültige Eingabe!\n\nFür die Spannweite gilt:\n0 < Spannweite <= 100\n\n" + span,
         "10.0"},
        {LltTaskWindow::Analysis, In::SegmentAB, "123", "Eingabe der Länge des Abschnittes",
         "Ungültige Eingabe!\n\nFür die Länge des 1. Trapezes gilt:\n"
         "0 < Länge des Trapezes [% von b/2] <= 100 \n\n" +
             segment,
         "50.0"},
        // The length reset of AB has no decimal.
        {LltTaskWindow::TwistDesign, In::SegmentAB, "50.001", "Eingabe der Länge des Abschnittes",
         "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen inklusive Punkt zulässig.\n\n" + segment,
         "50"},
        {LltTaskWindow::Analysis, In::SegmentCD, "100", "Eingabe der Länge des Abschnittes",
         "Ungültige Eingabe!\n\nFür die Länge des 3. Trapezes gilt:\n"
         "0 <= Länge des Trapezes [% von b/2] < 100\n\n" +
             segment,
         "25.0"},
        {LltTaskWindow::Analysis, In::ChordA, "0", "Eingabe der Tiefe an der Wurzel",
         "Ungültige Eingabe!\n\nFür die Tiefe an der Flügelwurzel gilt:\n"
         "0 < Tiefe an der Wurzel [m] <= 50\n\n"
         "Bitte wiederholen Sie die Eingabe der Tiefe an der Wurzel.\n\n",
         "2.0"},
        {LltTaskWindow::TwistDesign, In::ChordD, "50.5", "Eingabe der Tiefe an der Flügelspitze",
         "Ungültige Eingabe!\n\nFür die Tiefe an der Flügelspitze gilt:\n"
         "0 < Tiefe an der Flügelspitze [m] <= 50\n\n"
         "Bitte wiederholen Sie die Eingabe der Tiefe an der Flügelspitze.\n\n",
         "2.0"},
        {LltTaskWindow::TwistDesign, In::TotalLift, "-1", "Eingabe des Gesamtauftriebs",
         "Ungültige Eingabe!\n\nFür den Gesamtauftrieb gilt:\n-1 < Gesamtauftriebsbeiwert <= 3\n\n"
         "Bitte wiederholen Sie die Eingabe des Gesamtauftriebs.\n\n",
         "0.3"},
        {LltTaskWindow::ChordDesign, In::A1, "-1", "Eingabe des 1. Fourierkoeffizienten ",
         "Ungültige Eingabe!\n\nFür den 1. Fourierkoeffizienten gilt:\n"
         "-1 < 1. Fourierkoeffizient <= 1\n\n"
         "Bitte wiederholen Sie die Eingabe des 1. Fourierkoeffizienten.\n\n",
         "0.03"},
        // The a5 captions differ by a trailing blank between range and length.
        {LltTaskWindow::TwistDesign, In::A5, "1.5", "Eingabe des 5. Fourierkoeffizienten ",
         "Ungültige Eingabe!\n\nFür den 5. Fourierkoeffizienten gilt:\n"
         "-1 < 5. Fourierkoeffizient <= 1\n\n"
         "Bitte wiederholen Sie die Eingabe des 5. Fourierkoeffizienten.\n\n",
         "0.0"},
        {LltTaskWindow::TwistDesign, In::A5, "0.1234567", "Eingabe des 5. Fourierkoeffizienten",
         "Ungültige Eingabe!\n\nEs sind maximal 8 Ziffern inklusive Punkt zulässig.\n\n"
         "Bitte wiederholen Sie die Eingabe des 5. Fourierkoeffizienten.\n\n",
         "0.0"},
        {LltTaskWindow::ChordDesign, In::LiftSlope, "0", "Eingabe des Auftriebsgradienten",
         "Ungültige Eingabe!\n\nFür den Auftriebsgradienten d(ca)/d(alpha) gilt:\n"
         "0 < Auftriebsgradient <= 3\n\n"
         "Bitte wiederholen Sie die Eingabe des Auftriebsgradienten.\n\n",
         "1.0"},
        // Four characters are allowed although the message names three digits.
        {LltTaskWindow::ChordDesign, In::AspectRatio, "12.55", "Eingabe der Flügelstreckung",
         "Ungültige Eingabe!\n\nEs sind maximal 3 Ziffern inklusive Punkt zulässig.\n\n"
         "Bitte wiederholen Sie die Eingabe der Flügelstreckung.\n\n",
         "4.0"},
        {LltTaskWindow::Analysis, In::AngleA, "20.5", "Eingabe des geometrischen Anstellwinkels",
         "Ungültige Eingabe!\n\nFür den geometrischen Anstellwinkel gilt:\n"
         "-20 <= geometrischer Anstellwinkel an der Wurzel [°] <= 20\n\n"
         "Bitte wiederholen Sie die Eingabe des geometrischen Anstellwinkels.\n\n",
         "10.0"},
        {LltTaskWindow::ChordDesign, In::AngleD, "-20.1",
         "Eingabe des relativen geometrischen Anstellwinkels",
         "Ungültige Eingabe!\n\nFür den geometrischen Anstellwinkel gilt:\n"
         "-20 <= relativer geometrischer Anstellwinkel an der Spitze [°] <= 20\n\n"
         "Bitte wiederholen Sie die Eingabe des geometrischen Anstellwinkels.\n\n",
         "-4.0"},
        {LltTaskWindow::Analysis, In::AngleD, "-1.255",
         "Eingabe des relativen geometrischen Anstellwinkels",
         "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen inklusive Punkt zulässig.\n\n"
         "Bitte wiederholen Sie die Eingabe des relativen \n geometrischen Anstellwinkels.\n\n",
         "-4.0"},
        {LltTaskWindow::Analysis, In::AngleB, "21",
         "Eingabe des relativen geometrischen Anstellwinkels",
         "Ungültige Eingabe!\n\nFür den geometrischen Anstellwinkel gilt:\n"
         "-20 <= relativer geometrischer Anstellwinkel [°] <= 20\n\n"
         "Bitte wiederholen Sie die Eingabe des relativen geometrischen Anstellwinkels.\n\n",
         "-2.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(Name(c.window)) + " input " + std::to_string(LltIndex(c.input)) +
                     " \"" + c.typed + "\"");
        FakeWindow window(c.window, ValidTexts(c.window));
        window.Type(c.input, c.typed);
        ASSERT_EQ(window.boxes.size(), 1u);
        EXPECT_EQ(window.boxes[0].caption, c.caption);
        EXPECT_EQ(window.boxes[0].message, c.message);
        EXPECT_EQ(window.Text(c.input), c.writtenBack);
        EXPECT_EQ(window.recomputes, 1);  // the nested pass after the write-back
    }
}

TEST(LltInputChecks, BoundaryValuesThatPass) {
    struct Case {
        LltTaskWindow window;
        LltInput input;
        const char* typed;
    };
    const Case cases[] = {
        {LltTaskWindow::Analysis, In::ChordB, "0"},
        {LltTaskWindow::Analysis, In::ChordC, "0"},
        {LltTaskWindow::TwistDesign, In::ChordD, "0"},
        {LltTaskWindow::TwistDesign, In::A3, "-1"},
        {LltTaskWindow::ChordDesign, In::A5, "-1"},
        {LltTaskWindow::TwistDesign, In::TotalLift, "3"},
        {LltTaskWindow::ChordDesign, In::AspectRatio, "12.5"},
        {LltTaskWindow::Analysis, In::Span, "100"},
        {LltTaskWindow::Analysis, In::AngleA, "-20"},
        // A decimal comma reads as a point: "1,5" is 1.5.
        {LltTaskWindow::Analysis, In::ChordB, "1,5"},
        // The analysis window does not check its lift-slope factor, whatever it holds.
        {LltTaskWindow::Analysis, In::LiftSlope, "0"},
        {LltTaskWindow::Analysis, In::LiftSlope, "-12.345"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(Name(c.window)) + " \"" + c.typed + "\"");
        FakeWindow window(c.window, ValidTexts(c.window));
        window.Type(c.input, c.typed);
        EXPECT_TRUE(window.boxes.empty()) << window.boxes[0].message;
        EXPECT_EQ(window.Text(c.input), c.typed);
        EXPECT_EQ(window.recomputes, 1);
    }
}

TEST(LltInputChecks, DesignWindowsCheckTotalLiftAndA1WhicheverIsUsed) {
    for (LltTaskWindow w : {LltTaskWindow::TwistDesign, LltTaskWindow::ChordDesign}) {
        EXPECT_TRUE(LltWindowChecks(w, In::TotalLift));
        EXPECT_TRUE(LltWindowChecks(w, In::A1));
        EXPECT_TRUE(LltWindowChecks(w, In::LiftSlope));
    }
    EXPECT_FALSE(LltWindowChecks(LltTaskWindow::Analysis, In::LiftSlope));
    EXPECT_FALSE(LltWindowChecks(LltTaskWindow::TwistDesign, In::AngleA));
    EXPECT_FALSE(LltWindowChecks(LltTaskWindow::ChordDesign, In::ChordA));
    EXPECT_EQ(LltCheckOrder(LltTaskWindow::Analysis).size(), 12u);
    EXPECT_EQ(LltCheckOrder(LltTaskWindow::TwistDesign).size(), 13u);
    EXPECT_EQ(LltCheckOrder(LltTaskWindow::ChordDesign).size(), 14u);
}

TEST(LltInputChecks, FirstViolationInTheWindowsOrderIsReportedFirst) {
    // Span and AB both wrong: the span first; AB only in the pass nested in the span's reset.
    std::map<LltInput, std::string> texts = ValidTexts(LltTaskWindow::Analysis);
    texts[In::Span] = "0";
    texts[In::SegmentAB] = "123";
    FakeWindow twoWrong(LltTaskWindow::Analysis, texts);
    twoWrong.Type(In::ChordC, "1.30");
    ASSERT_EQ(twoWrong.boxes.size(), 2u);
    EXPECT_EQ(twoWrong.boxes[0].caption, "Eingabe der Spannweite");
    EXPECT_EQ(twoWrong.boxes[1].caption, "Eingabe der Länge des Abschnittes");
    EXPECT_EQ(twoWrong.boxes[0].texts.at(In::SegmentAB), "123");
    EXPECT_EQ(twoWrong.boxes[1].texts.at(In::Span), "10.0");
    EXPECT_EQ(twoWrong.Text(In::Span), "10.0");
    EXPECT_EQ(twoWrong.Text(In::SegmentAB), "50.0");
    EXPECT_EQ(twoWrong.recomputes, 1);

    // Within one input the range comes before the length: "123.45" is reported as out of range.
    FakeWindow rangeFirst(LltTaskWindow::TwistDesign, ValidTexts(LltTaskWindow::TwistDesign));
    rangeFirst.Type(In::Span, "123.45");
    ASSERT_EQ(rangeFirst.boxes.size(), 1u);
    EXPECT_NE(rangeFirst.boxes[0].message.find("0 < Spannweite <= 100"), std::string::npos);
}

// The segment-sum rule: the case's writes, what the nested passes make of them, and the boxes.
TEST(LltInputChecks, SegmentSumCasesEndWithTheirTexts) {
    struct Case {
        const char* what;
        LltTaskWindow window;
        const char *ab, *bc, *cd;  // set before AB is typed
        std::map<LltInput, std::string> expected;
        size_t boxes;
        bool recomputed;
    };
    const Case cases[] = {
        {"sum 100",
         LltTaskWindow::Analysis,
         "50",
         "25",
         "25",
         {{In::SegmentAB, "50"}, {In::SegmentBC, "25"}, {In::SegmentCD, "25"}},
         0,
         true},
        {"case 7", LltTaskWindow::Analysis, "70", "25", "25", {{In::SegmentCD, "5.00"}}, 0, true},
        // Case 2: the correction is checked once, on its final 100, 0, 0; its half-way state
        // 100, 0 and the old CD (case 1) raises no box.
        {"case 2",
         LltTaskWindow::Analysis,
         "100",
         "25",
         "25",
         {{In::SegmentBC, "0.0"},
          {In::SegmentCD, "0.0"},
          {In::ChordC, "1.7"},
          {In::ChordD, "1.7"},
          {In::AngleC, "-0.5"},
          {In::AngleD, "-0.5"}},
         0,
         true},
        {"case 2, chord design",
         LltTaskWindow::ChordDesign,
         "100",
         "25",
         "25",
         {{In::SegmentBC, "0.0"},
          {In::SegmentCD, "0.0"},
          {In::AngleC, "-0.4"},
          {In::AngleD, "-0.4"}},
         0,
         true},
        {"case 3",
         LltTaskWindow::Analysis,
         "60",
         "0",
         "0",
         {{In::SegmentAB, "60"}, {In::SegmentBC, "0"}, {In::SegmentCD, "0"}, {In::ChordD, "0.6"}},
         1,
         false},
        // Case 4: the corrected lengths add up to 100 at once.
        {"case 4",
         LltTaskWindow::Analysis,
         "20",
         "0",
         "50",
         {{In::SegmentBC, "80.0"},
          {In::SegmentCD, "0.0"},
          {In::ChordD, "1.3"},
          {In::AngleD, "-0.8"}},
         0,
         true},
        {"case 4, twist design",
         LltTaskWindow::TwistDesign,
         "20",
         "0",
         "50",
         {{In::SegmentBC, "80.0"}, {In::SegmentCD, "0.0"}, {In::ChordD, "1.3"}},
         0,
         true},
        {"case 5",
         LltTaskWindow::Analysis,
         "60",
         "50",
         "25",
         {{In::SegmentBC, "40.0"},
          {In::SegmentCD, "0.0"},
          {In::ChordD, "1.3"},
          {In::AngleD, "-0.8"}},
         0,
         true},
        {"case 6, analysis",
         LltTaskWindow::Analysis,
         "60",
         "40",
         "10",
         {{In::SegmentCD, "0.00"}, {In::ChordD, "1.30"}, {In::AngleD, "-0.80"}},
         0,
         true},
        {"case 6, twist design",
         LltTaskWindow::TwistDesign,
         "60",
         "40",
         "10",
         {{In::SegmentCD, "0.00"}, {In::ChordD, "1.3"}},
         0,
         true},
        {"case 6, chord design",
         LltTaskWindow::ChordDesign,
         "60",
         "40",
         "10",
         {{In::SegmentCD, "0.0"}, {In::AngleD, "-0.8"}},
         0,
         true},
        // 11.01 + 25.0 + 63.99 is 100.00000000000001 in double precision: accepted.
        {"11.01 / 25.0",
         LltTaskWindow::Analysis,
         "11.01",
         "25.0",
         "25",
         {{In::SegmentCD, "63.99"}},
         0,
         true},
        // BC := 66.7 leaves 100.03: the correction cannot settle and stops with one box.
        {"33.33 / 70",
         LltTaskWindow::Analysis,
         "33.33",
         "70",
         "25",
         {{In::SegmentBC, "66.7"}, {In::SegmentCD, "0.0"}},
         1,
         false},
        // Three decimals in AB: CD rounded to two never completes the sum.
        {"1.234 / 25",
         LltTaskWindow::TwistDesign,
         "1.234",
         "25",
         "25",
         {{In::SegmentCD, "73.77"}},
         1,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::map<LltInput, std::string> texts = ValidTexts(c.window);
        texts[In::SegmentBC] = c.bc;
        texts[In::SegmentCD] = c.cd;
        FakeWindow window(c.window, texts);
        window.Type(In::SegmentAB, c.ab);
        for (const auto& [input, text] : c.expected) {
            EXPECT_EQ(window.Text(input), text) << "input " << LltIndex(input);
        }
        ASSERT_EQ(window.boxes.size(), c.boxes);
        for (const Box& box : window.boxes) {
            EXPECT_EQ(box.caption, "Die Eingaben sind nicht korrekt!");
            EXPECT_EQ(box.message,
                      "Der Wert der Gesamtlänge aller Trapeze liegt in einem unzulässigen "
                      "Bereich:\n\nDie Länge der Trapeze muss in der Summe 100 sein. \n");
        }
        EXPECT_EQ(window.recomputes > 0, c.recomputed);
    }
}

TEST(LltInputChecks, DecisionTableReportsTheFirstApplicableCase) {
    struct Case {
        double s1, s2, s3;
        int expected;
    };
    const Case cases[] = {{50, 25, 25, 0}, {100, 0, 5, 1},  {100, 3, 0, 2},
                          {40, 0, 0, 3},   {40, 0, 10, 4},  {80, 30, 0, 5},
                          {70, 30, 5, 6},  {10, 10, 10, 7}, {11.01, 25, 63.99, 0}};
    for (const Case& c : cases) {
        LltValues v{};
        v[LltIndex(In::SegmentAB)] = c.s1;
        v[LltIndex(In::SegmentBC)] = c.s2;
        v[LltIndex(In::SegmentCD)] = c.s3;
        EXPECT_EQ(LltDecideSegments(LltTaskWindow::Analysis, v).segmentCase, c.expected)
            << c.s1 << " " << c.s2 << " " << c.s3;
    }
}

TEST(LltInputChecks, AcceptedOnlyWhenAPassWouldRecompute) {
    LltTexts texts;
    for (const auto& [input, text] : ValidTexts(LltTaskWindow::Analysis)) {
        texts[LltIndex(input)] = text;
    }
    EXPECT_TRUE(LltInputsAccepted(LltTaskWindow::Analysis, texts));
    texts[LltIndex(In::Span)] = "12.55";
    EXPECT_FALSE(LltInputsAccepted(LltTaskWindow::Analysis, texts));
    texts[LltIndex(In::Span)] = "8";
    texts[LltIndex(In::SegmentCD)] = "20";
    EXPECT_FALSE(LltInputsAccepted(LltTaskWindow::Analysis, texts));
    EXPECT_EQ(LltTextLength("-1.5°"), 5);
}

}  // namespace
