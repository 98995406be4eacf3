#include "llt/core/LltInputChecks.h"

#include <cmath>

#include "common/core/InputChecks.h"
#include "common/core/NumberText.h"

namespace {

constexpr bool kIn = true;    // bound included (<=)
constexpr bool kOut = false;  // bound excluded (<)

// Same order as LltInput.
const LltInputRule kRules[kLltInputCount] = {
    // Span
    {0, kOut, 100, kIn, 4, "10.0", "10.0", "Eingabe der Spannweite", "Eingabe der Spannweite",
     "Ungültige Eingabe!\n\nFür die Spannweite gilt:\n0 < Spannweite <= 100\n\n"
     "Bitte wiederholen Sie die Eingabe der Spannweite.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 4 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe der Spannweite.\n\n"},
    // TotalLift
    {-1, kOut, 3, kIn, 8, "0.3", "0.3", "Eingabe des Gesamtauftriebs",
     "Eingabe des Gesamtauftriebs",
     "Ungültige Eingabe!\n\nFür den Gesamtauftrieb gilt:\n-1 < Gesamtauftriebsbeiwert <= 3\n\n"
     "Bitte wiederholen Sie die Eingabe des Gesamtauftriebs.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 8 Ziffern inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des Gesamtauftriebs.\n\n"},
    // LiftSlope
    {0, kOut, 3, kIn, 4, "1.0", "1.0", "Eingabe des Auftriebsgradienten",
     "Eingabe des Auftriebsgradienten",
     "Ungültige Eingabe!\n\nFür den Auftriebsgradienten d(ca)/d(alpha) gilt:\n"
     "0 < Auftriebsgradient <= 3\n\n"
     "Bitte wiederholen Sie die Eingabe des Auftriebsgradienten.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 4 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des Auftriebsgradienten.\n\n"},
    // AspectRatio: the limit is 4 characters although the message names 3 digits.
    {0, kOut, 40, kIn, 4, "4.0", "4.0", "Eingabe der Flügelstreckung",
     "Eingabe der Flügelstreckung",
     "Ungültige Eingabe!\n\nFür die Flügelstreckung gilt:\n0 < Flügelstreckung <= 40\n\n"
     "Bitte wiederholen Sie die Eingabe der Flügelstreckung.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 3 Ziffern inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe der Flügelstreckung.\n\n"},
    // A1
    {-1, kOut, 1, kIn, 8, "0.03", "0.03", "Eingabe des 1. Fourierkoeffizienten ",
     "Eingabe des 1. Fourierkoeffizienten ",
     "Ungültige Eingabe!\n\nFür den 1. Fourierkoeffizienten gilt:\n"
     "-1 < 1. Fourierkoeffizient <= 1\n\n"
     "Bitte wiederholen Sie die Eingabe des 1. Fourierkoeffizienten.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 8 Ziffern inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des 1. Fourierkoeffizienten.\n\n"},
    // A3
    {-1, kIn, 1, kIn, 8, "0.0", "0.0", "Eingabe des 3. Fourierkoeffizienten ",
     "Eingabe des 3. Fourierkoeffizienten ",
     "Ungültige Eingabe!\n\nFür den 3. Fourierkoeffizienten gilt:\n"
     "-1 <= 3. Fourierkoeffizient <= 1\n\n"
     "Bitte wiederholen Sie die Eingabe des 3. Fourierkoeffizienten.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 8 Ziffern inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des 3. Fourierkoeffizienten.\n\n"},
    // A5: -1 passes although the message says "-1 <".
    {-1, kIn, 1, kIn, 8, "0.0", "0.0", "Eingabe des 5. Fourierkoeffizienten ",
     "Eingabe des 5. Fourierkoeffizienten",
     "Ungültige Eingabe!\n\nFür den 5. Fourierkoeffizienten gilt:\n"
     "-1 < 5. Fourierkoeffizient <= 1\n\n"
     "Bitte wiederholen Sie die Eingabe des 5. Fourierkoeffizienten.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 8 Ziffern inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des 5. Fourierkoeffizienten.\n\n"},
    // SegmentAB
    {0, kOut, 100, kIn, 5, "50.0", "50", "Eingabe der Länge des Abschnittes",
     "Eingabe der Länge des Abschnittes",
     "Ungültige Eingabe!\n\nFür die Länge des 1. Trapezes gilt:\n"
     "0 < Länge des Trapezes [% von b/2] <= 100 \n\n"
     "Bitte wiederholen Sie die Eingabe der Länge des Abschnittes.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe der Länge des Abschnittes.\n\n"},
    // SegmentBC
    {0, kIn, 100, kIn, 5, "25.0", "25.0", "Eingabe der Länge des Abschnittes",
     "Eingabe der Länge des Abschnittes",
     "Ungültige Eingabe!\n\nFür die Länge des 2. Trapezes gilt:\n"
     "0 <= Länge des Trapezes [% von b/2] <= 100\n\n"
     "Bitte wiederholen Sie die Eingabe der Länge des Abschnittes.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe der Länge des Abschnittes.\n\n"},
    // SegmentCD
    {0, kIn, 100, kOut, 5, "25.0", "25.0", "Eingabe der Länge des Abschnittes",
     "Eingabe der Länge des Abschnittes",
     "Ungültige Eingabe!\n\nFür die Länge des 3. Trapezes gilt:\n"
     "0 <= Länge des Trapezes [% von b/2] < 100\n\n"
     "Bitte wiederholen Sie die Eingabe der Länge des Abschnittes.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe der Länge des Abschnittes.\n\n"},
    // ChordA
    {0, kOut, 50, kIn, 4, "2.0", "2.0", "Eingabe der Tiefe an der Wurzel",
     "Eingabe der Tiefe an der Wurzel",
     "Ungültige Eingabe!\n\nFür die Tiefe an der Flügelwurzel gilt:\n"
     "0 < Tiefe an der Wurzel [m] <= 50\n\n"
     "Bitte wiederholen Sie die Eingabe der Tiefe an der Wurzel.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 4 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe der Tiefe an der Wurzel.\n\n"},
    // ChordB: 0 passes.
    {0, kIn, 50, kIn, 4, "2.0", "2.0", "Eingabe des Flügelschnitts in B",
     "Eingabe des Flügelschnitts in B",
     "Ungültige Eingabe!\n\nFür die Tiefe des Flügelschnitts in B gilt:\n"
     "0 < Tiefe des Flügelschnitts in B [m] <= 50\n\n"
     "Bitte wiederholen Sie die Eingabe des Flügelschnitts in B.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 4 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des Flügelschnitts in B.\n\n"},
    // ChordC
    {0, kIn, 50, kIn, 4, "2.0", "2.0", "Eingabe des Flügelschnitts in C",
     "Eingabe des Flügelschnitts in C",
     "Ungültige Eingabe!\n\nFür die Tiefe des Flügelschnitts in C gilt:\n"
     "0 < Tiefe des Flügelschnitts in C [m] <= 50\n\n"
     "Bitte wiederholen Sie die Eingabe des Flügelschnitts in C.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 4 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des Flügelschnitts in C.\n\n"},
    // ChordD
    {0, kIn, 50, kIn, 4, "2.0", "2.0", "Eingabe der Tiefe an der Flügelspitze",
     "Eingabe der Tiefe an der Flügelspitze",
     "Ungültige Eingabe!\n\nFür die Tiefe an der Flügelspitze gilt:\n"
     "0 < Tiefe an der Flügelspitze [m] <= 50\n\n"
     "Bitte wiederholen Sie die Eingabe der Tiefe an der Flügelspitze.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 4 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe der Tiefe an der Flügelspitze.\n\n"},
    // AngleA
    {-20, kIn, 20, kIn, 5, "10.0", "10.0", "Eingabe des geometrischen Anstellwinkels",
     "Eingabe des geometrischen Anstellwinkels",
     "Ungültige Eingabe!\n\nFür den geometrischen Anstellwinkel gilt:\n"
     "-20 <= geometrischer Anstellwinkel an der Wurzel [°] <= 20\n\n"
     "Bitte wiederholen Sie die Eingabe des geometrischen Anstellwinkels.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des geometrischen Anstellwinkels.\n\n"},
    // AngleB
    {-20, kIn, 20, kIn, 5, "-2.0", "-2.0", "Eingabe des relativen geometrischen Anstellwinkels",
     "Eingabe des relativen geometrischen Anstellwinkels",
     "Ungültige Eingabe!\n\nFür den geometrischen Anstellwinkel gilt:\n"
     "-20 <= relativer geometrischer Anstellwinkel [°] <= 20\n\n"
     "Bitte wiederholen Sie die Eingabe des relativen geometrischen Anstellwinkels.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des relativen geometrischen Anstellwinkels.\n\n"},
    // AngleC
    {-20, kIn, 20, kIn, 5, "-2.0", "-2.0", "Eingabe des relativen geometrischen Anstellwinkels",
     "Eingabe des relativen geometrischen Anstellwinkels",
     "Ungültige Eingabe!\n\nFür den geometrischen Anstellwinkel gilt:\n"
     "-20 <= relativer geometrischer Anstellwinkel [°] <= 20\n\n"
     "Bitte wiederholen Sie die Eingabe des relativen geometrischen Anstellwinkels.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des relativen geometrischen Anstellwinkels.\n\n"},
    // AngleD
    {-20, kIn, 20, kIn, 5, "-4.0", "-4.0", "Eingabe des relativen geometrischen Anstellwinkels",
     "Eingabe des relativen geometrischen Anstellwinkels",
     "Ungültige Eingabe!\n\nFür den geometrischen Anstellwinkel gilt:\n"
     "-20 <= relativer geometrischer Anstellwinkel an der Spitze [°] <= 20\n\n"
     "Bitte wiederholen Sie die Eingabe des geometrischen Anstellwinkels.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des relativen \n geometrischen Anstellwinkels.\n\n"},
};

using In = LltInput;

const std::vector<LltInput> kAnalysisOrder = {
    In::Span,   In::SegmentAB, In::SegmentBC, In::SegmentCD, In::ChordA, In::ChordB,
    In::ChordC, In::ChordD,    In::AngleA,    In::AngleB,    In::AngleC, In::AngleD};
const std::vector<LltInput> kTwistDesignOrder = {
    In::Span,      In::TotalLift, In::LiftSlope, In::A1,     In::A3,     In::A5,    In::SegmentAB,
    In::SegmentBC, In::SegmentCD, In::ChordA,    In::ChordB, In::ChordC, In::ChordD};
const std::vector<LltInput> kChordDesignOrder = {
    In::Span,   In::TotalLift, In::LiftSlope, In::AspectRatio, In::A1,
    In::A3,     In::A5,        In::SegmentAB, In::SegmentBC,   In::SegmentCD,
    In::AngleA, In::AngleB,    In::AngleC,    In::AngleD};

// ---- segment-sum correction as data ----

// Where a corrected text comes from.
enum class Source { Zero, RestAfterAB, RestAfterABAndBC, ChordB, ChordC, AngleB, AngleC };

// "%2.1f" or "%2.2f"; case 6 depends on the window.
enum class Format { One, Two, Case6Length, Case6Copy };

struct SegmentWrite {
    LltInput target;
    Source source;
    Format format;
};

struct SegmentCase {
    int number;
    bool (*applies)(double s1, double s2, double s3);
    bool showBox;
    std::vector<SegmentWrite> writes;
};

// Rows in the order of their test: the first that applies decides. All comparisons exact.
const std::vector<SegmentCase> kSegmentCases = {
    {1, [](double s1, double s2, double) { return s1 == 100.0 && s2 == 0.0; }, true, {}},
    {2,
     [](double s1, double, double) { return s1 == 100.0; },
     false,
     {{In::SegmentBC, Source::Zero, Format::One},
      {In::SegmentCD, Source::Zero, Format::One},
      {In::ChordC, Source::ChordB, Format::One},
      {In::ChordD, Source::ChordB, Format::One},
      {In::AngleC, Source::AngleB, Format::One},
      {In::AngleD, Source::AngleB, Format::One}}},
    {3, [](double, double s2, double s3) { return s2 == 0.0 && s3 == 0.0; }, true, {}},
    {4,
     [](double, double s2, double) { return s2 == 0.0; },
     false,
     {{In::SegmentBC, Source::RestAfterAB, Format::One},
      {In::SegmentCD, Source::Zero, Format::One},
      {In::ChordD, Source::ChordC, Format::One},
      {In::AngleD, Source::AngleC, Format::One}}},
    {5,
     [](double s1, double s2, double) { return s1 + s2 > 100.0; },
     false,
     {{In::SegmentBC, Source::RestAfterAB, Format::One},
      {In::SegmentCD, Source::Zero, Format::One},
      {In::ChordD, Source::ChordC, Format::One},
      {In::AngleD, Source::AngleC, Format::One}}},
    {6,
     [](double s1, double s2, double) { return s1 + s2 == 100.0; },
     false,
     {{In::SegmentCD, Source::Zero, Format::Case6Length},
      {In::ChordD, Source::ChordC, Format::Case6Copy},
      {In::AngleD, Source::AngleC, Format::Case6Copy}}},
    {7,
     [](double, double, double) { return true; },
     false,
     {{In::SegmentCD, Source::RestAfterABAndBC, Format::Two}}},
};

const char* FormatOf(LltTaskWindow window, Format format) {
    switch (format) {
        case Format::One:
            return "%2.1f";
        case Format::Two:
            return "%2.2f";
        case Format::Case6Length:
            return window == LltTaskWindow::ChordDesign ? "%2.1f" : "%2.2f";
        case Format::Case6Copy:
            return window == LltTaskWindow::Analysis ? "%2.2f" : "%2.1f";
    }
    return "%2.1f";
}

double ValueOf(Source source, const LltValues& v) {
    const double s1 = v[LltIndex(In::SegmentAB)];
    const double s2 = v[LltIndex(In::SegmentBC)];
    switch (source) {
        case Source::Zero:
            return 0.0;
        case Source::RestAfterAB:
            return 100.0 - s1;
        case Source::RestAfterABAndBC:
            return (100.0 - s1) - s2;
        case Source::ChordB:
            return v[LltIndex(In::ChordB)];
        case Source::ChordC:
            return v[LltIndex(In::ChordC)];
        case Source::AngleB:
            return v[LltIndex(In::AngleB)];
        case Source::AngleC:
            return v[LltIndex(In::AngleC)];
    }
    return 0.0;
}

}  // namespace

const char* const kLltSegmentSumCaption = "Die Eingaben sind nicht korrekt!";
const char* const kLltSegmentSumMessage =
    "Der Wert der Gesamtlänge aller Trapeze liegt in einem unzulässigen Bereich:\n\n"
    "Die Länge der Trapeze muss in der Summe 100 sein. \n";

const LltInputRule& LltRuleFor(LltInput input) { return kRules[LltIndex(input)]; }

bool LltInRange(const LltInputRule& rule, double value) { return luvo::InRange(rule, value); }

int LltTextLength(std::string_view text) { return luvo::TextLength(text); }

const std::vector<LltInput>& LltCheckOrder(LltTaskWindow window) {
    switch (window) {
        case LltTaskWindow::TwistDesign:
            return kTwistDesignOrder;
        case LltTaskWindow::ChordDesign:
            return kChordDesignOrder;
        case LltTaskWindow::Analysis:
            break;
    }
    return kAnalysisOrder;
}

bool LltWindowChecks(LltTaskWindow window, LltInput input) {
    for (LltInput checked : LltCheckOrder(window)) {
        if (checked == input) return true;
    }
    return false;
}

LltSegmentDecision LltDecideSegments(LltTaskWindow window, const LltValues& values) {
    const double s1 = values[LltIndex(In::SegmentAB)];
    const double s2 = values[LltIndex(In::SegmentBC)];
    const double s3 = values[LltIndex(In::SegmentCD)];
    LltSegmentDecision decision;
    if (std::fabs(((s3 + s2) + s1) - 100.0) <= kLltSegmentSumTolerance) return decision;
    for (const SegmentCase& row : kSegmentCases) {
        if (!row.applies(s1, s2, s3)) continue;
        decision.segmentCase = row.number;
        decision.showBox = row.showBox;
        for (const SegmentWrite& w : row.writes) {
            // Chord fields only in the analysis and twist design windows, angle fields only in
            // the analysis and chord design windows.
            if (!LltWindowChecks(window, w.target)) continue;
            decision.writes.push_back({w.target, luvo::FormatShown(FormatOf(window, w.format),
                                                                   ValueOf(w.source, values))});
        }
        break;
    }
    return decision;
}

namespace {

luvo::CheckTable TableOf(LltTaskWindow window) {
    luvo::CheckTable table;
    table.inputCount = kLltInputCount;
    for (LltInput input : LltCheckOrder(window)) table.order.push_back(LltIndex(input));
    table.rule = [](int input) -> const luvo::InputRule& { return kRules[input]; };
    table.sumAfter = LltIndex(In::SegmentCD);
    table.sumRule = [window](const luvo::CheckValues& v) {
        LltValues values{};
        for (int k = 0; k < kLltInputCount; ++k) values[k] = v[k];
        const LltSegmentDecision d = LltDecideSegments(window, values);
        luvo::SumDecision sum{d.segmentCase, d.showBox, {}};
        for (const LltWrite& w : d.writes) sum.writes.push_back({LltIndex(w.input), w.text});
        return sum;
    };
    table.sumCaption = kLltSegmentSumCaption;
    table.sumMessage = kLltSegmentSumMessage;
    return table;
}

luvo::CheckTexts TextsOf(const LltTexts& texts) { return {texts.begin(), texts.end()}; }

}  // namespace

const luvo::CheckTable& LltCheckTable(LltTaskWindow window) {
    static const luvo::CheckTable tables[3] = {TableOf(LltTaskWindow::Analysis),
                                               TableOf(LltTaskWindow::TwistDesign),
                                               TableOf(LltTaskWindow::ChordDesign)};
    return tables[static_cast<int>(window)];
}

LltPassOutcome LltEvaluatePass(LltTaskWindow window, const LltTexts& texts) {
    using Kind = LltPassOutcome::Kind;
    using Common = luvo::PassOutcome::Kind;
    const luvo::PassOutcome pass = luvo::EvaluatePass(LltCheckTable(window), TextsOf(texts));
    LltPassOutcome outcome;
    outcome.segmentCase = pass.sumCase;
    switch (pass.kind) {
        case Common::Accepted:
            break;
        case Common::Violations: {
            // No check of these windows goes on after a violation: there is exactly one.
            const luvo::CheckViolation& v = pass.violations.front();
            outcome.kind = v.range ? Kind::RangeViolation : Kind::LengthViolation;
            outcome.input = static_cast<LltInput>(v.input);
            outcome.caption = v.caption;
            outcome.message = v.message;
            outcome.writes.push_back({outcome.input, v.reset});
            break;
        }
        case Common::SumBox:
            outcome.kind = Kind::SegmentSumBox;
            outcome.input = In::SegmentCD;
            outcome.caption = kLltSegmentSumCaption;
            outcome.message = kLltSegmentSumMessage;
            break;
        case Common::SumCorrection:
            outcome.kind = Kind::SegmentCorrection;
            outcome.input = In::SegmentCD;
            for (const luvo::InputWrite& w : pass.writes) {
                outcome.writes.push_back({static_cast<LltInput>(w.input), w.text});
            }
            break;
    }
    return outcome;
}

bool LltInputsAccepted(LltTaskWindow window, const LltTexts& texts) {
    return LltEvaluatePass(window, texts).kind == LltPassOutcome::Kind::Accepted;
}

void LltRunCheckPass(LltTaskWindow window, LltCheckHost& host) {
    class Adapter : public luvo::CheckHost {
      public:
        explicit Adapter(LltCheckHost& h) : h_(h) {}
        std::string Text(int input) const override { return h_.Text(static_cast<LltInput>(input)); }
        void Write(int input, const std::string& text) override {
            h_.Write(static_cast<LltInput>(input), text);
        }
        void WriteQuietly(int input, const std::string& text) override {
            h_.WriteQuietly(static_cast<LltInput>(input), text);
        }
        void ShowBox(const std::string& caption, const std::string& message) override {
            h_.ShowBox(caption, message);
        }
        void Recompute() override { h_.Recompute(); }

      private:
        LltCheckHost& h_;
    };
    Adapter adapter(host);
    luvo::RunCheckPass(LltCheckTable(window), adapter);
}
