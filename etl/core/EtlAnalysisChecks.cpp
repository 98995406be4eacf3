#include "etl/core/EtlAnalysisChecks.h"

#include <cmath>

#include "common/core/NumberText.h"

namespace {

constexpr bool kIn = true;    // bound included (<=)
constexpr bool kOut = false;  // bound excluded (<)

const char* const kLengthOfPiece =
    "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen inklusive Punkt zulässig.\n\n"
    "Bitte wiederholen Sie die Eingabe der Länge des Abschnittes.\n\n";
const char* const kLengthWithSign =
    "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen inklusive Punkt und minus-Zeichen "
    "zulässig.\n\n";
const char* const kPieceCaption = "Eingabe der Länge des Abschnittes";
const char* const kRelativeCaption = "Eingabe des relativen geometrischen Anstellwinkels";
const char* const kRelativeRange =
    "Ungültige Eingabe!\n\nFür den geometrischen Anstellwinkel gilt:\n"
    "-10 <= relativer geometrischer Anstellwinkel [°] <= 10\n\n"
    "Bitte wiederholen Sie die Eingabe des relativen geometrischen Anstellwinkels.\n\n";
const char* const kRelativeLength =
    "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen inklusive Punkt zulässig.\n\n"
    "Bitte wiederholen Sie die Eingabe des relativen geometrischen Anstellwinkels.\n\n";

// The sweep and sideslip messages add their field's name to the common length text.
const std::string kSweepLength =
    std::string(kLengthWithSign) + "Bitte wiederholen Sie die Eingabe des Pfeilwinkels.\n\n";
const std::string kSideslipLength =
    std::string(kLengthWithSign) + "Bitte wiederholen Sie die Eingabe des Schiebewinkels.\n\n";
const std::string kSweep2Length =
    std::string(kLengthWithSign) + "Bitte wiederholen Sie die Eingabe des Pfeilwinkel2.\n\n";
const std::string kSweep3Length =
    std::string(kLengthWithSign) + "Bitte wiederholen Sie die Eingabe des Pfeilwinkel3.\n\n";

// Same order as EtlInput. The lift-slope factor has a rule for the table's sake only: it is
// never checked.
const luvo::InputRule kRules[kEtlInputCount] = {
    // Span
    {0, kOut, 100, kIn, 4, "10.0", "10.0", "Eingabe der Spannweite", "Eingabe der Spannweite",
     "Ungültige Eingabe!\n\nFür die Spannweite gilt:\n0 < Spannweite <= 100\n\n"
     "Bitte wiederholen Sie die Eingabe der Spannweite.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 4 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe der Spannweite.\n\n"},
    // Sideslip: -30 passes although the message says "-30 <".
    {-30, kIn, 30, kIn, 5, "0.0", "0.0", "Eingabe des Schiebewinkels", "Eingabe des Schiebewinkels",
     "Ungültige Eingabe!\n\nFür den Schiebewinkel gilt:\n-30 < Schiebewinkel <= 30\n\n"
     "Bitte wiederholen Sie die Eingabe des Schiebewinkels.\n\n",
     kSideslipLength.c_str()},
    // LiftSlope
    {-HUGE_VAL, kIn, HUGE_VAL, kIn, 1000, "1", "1", "", "", "", ""},
    // SweepAB
    {-45, kIn, 45, kIn, 5, "0.0", "0.0", "Eingabe des Pfeilwinkels", "Eingabe des Pfeilwinkels",
     "Ungültige Eingabe!\n\nFür den Pfeilwinkel gilt:\n-45 <= Pfeilwinkel a. d. VK <= 45\n\n"
     "Bitte wiederholen Sie die Eingabe des Pfeilwinkels.\n\n",
     kSweepLength.c_str()},
    // SweepBC
    {-45, kIn, 45, kIn, 5, "0.0", "0.0", "Eingabe des Pfeilwinkel2", "Eingabe des Pfeilwinkel2",
     "Ungültige Eingabe!\n\nFür den Pfeilwinkel2 gilt:\n-45 <= Pfeilwinkel2 a. d. VK <= 45\n\n"
     "Bitte wiederholen Sie die Eingabe des Pfeilwinkel2.\n\n",
     kSweep2Length.c_str()},
    // SweepCD
    {-45, kIn, 45, kIn, 5, "0.0", "0.0", "Eingabe des Pfeilwinkel3", "Eingabe des Pfeilwinkel3",
     "Ungültige Eingabe!\n\nFür den Pfeilwinkel3 gilt:\n-45 <= Pfeilwinkel3 a. d. VK <= 45\n\n"
     "Bitte wiederholen Sie die Eingabe des Pfeilwinkel3.\n\n",
     kSweep3Length.c_str()},
    // LengthAB
    {0, kOut, 100, kIn, 5, "50.0", "50", kPieceCaption, kPieceCaption,
     "Ungültige Eingabe!\n\nFür die Länge des 1. Trapezes gilt:\n"
     "0 < Länge des Trapezes [% von b/2] <= 100 \n\n"
     "Bitte wiederholen Sie die Eingabe der Länge des Abschnittes.\n\n",
     kLengthOfPiece},
    // LengthBC
    {0, kIn, 100, kIn, 5, "25.0", "25.0", kPieceCaption, kPieceCaption,
     "Ungültige Eingabe!\n\nFür die Länge des 2. Trapezes gilt:\n"
     "0 <= Länge des Trapezes [% von b/2] <= 100\n\n"
     "Bitte wiederholen Sie die Eingabe der Länge des Abschnittes.\n\n",
     kLengthOfPiece},
    // LengthCD
    {0, kIn, 100, kOut, 5, "25.0", "25.0", kPieceCaption, kPieceCaption,
     "Ungültige Eingabe!\n\nFür die Länge des 3. Trapezes gilt:\n"
     "0 <= Länge des Trapezes [% von b/2] < 100\n\n"
     "Bitte wiederholen Sie die Eingabe der Länge des Abschnittes.\n\n",
     kLengthOfPiece},
    // ChordA
    {0, kOut, 50, kIn, 4, "2.0", "2.0", "Eingabe der Tiefe an der Wurzel",
     "Eingabe der Tiefe an der Wurzel",
     "Ungültige Eingabe!\n\nFür die Tiefe an der Flügelwurzel gilt:\n"
     "0 < Tiefe an der Wurzel [m] <= 50\n\n"
     "Bitte wiederholen Sie die Eingabe der Tiefe an der Wurzel.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 4 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe der Tiefe an der Wurzel.\n\n"},
    // ChordB
    {0, kOut, 50, kIn, 4, "2.0", "2.0", "Eingabe des Flügelschnitts in B",
     "Eingabe des Flügelschnitts in B",
     "Ungültige Eingabe!\n\nFür die Tiefe des Flügelschnitts in B gilt:\n"
     "0 < Tiefe des Flügelschnitts in B [m] <= 50\n\n"
     "Bitte wiederholen Sie die Eingabe des Flügelschnitts in B.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 4 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des Flügelschnitts in B.\n\n"},
    // ChordC
    {0, kOut, 50, kIn, 4, "2.0", "2.0", "Eingabe des Flügelschnitts in C",
     "Eingabe des Flügelschnitts in C",
     "Ungültige Eingabe!\n\nFür die Tiefe des Flügelschnitts in C gilt:\n"
     "0 < Tiefe des Flügelschnitts in C [m] <= 50\n\n"
     "Bitte wiederholen Sie die Eingabe des Flügelschnitts in C.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 4 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des Flügelschnitts in C.\n\n"},
    // ChordD
    {0, kOut, 50, kIn, 4, "2.0", "2.0", "Eingabe der Tiefe an der Flügelspitze",
     "Eingabe der Tiefe an der Flügelspitze",
     "Ungültige Eingabe!\n\nFür die Tiefe an der Flügelspitze gilt:\n"
     "0 < Tiefe an der Flügelspitze [m] <= 50\n\n"
     "Bitte wiederholen Sie die Eingabe der Tiefe an der Flügelspitze.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 4 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe der Tiefe an der Flügelspitze.\n\n"},
    // AngleA
    {-10, kIn, 15, kIn, 5, "10.0", "10.0", "Eingabe des geometrischen Anstellwinkels",
     "Eingabe des geometrischen Anstellwinkels",
     "Ungültige Eingabe!\n\nFür den geometrischen Anstellwinkel gilt:\n"
     "-10 <= geometrischer Anstellwinkel an der Wurzel [°] <= 15\n\n"
     "Bitte wiederholen Sie die Eingabe des geometrischen Anstellwinkels.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des geometrischen Anstellwinkels.\n\n"},
    // AngleB, AngleC
    {-10, kIn, 10, kIn, 5, "-2.0", "-2.0", kRelativeCaption, kRelativeCaption, kRelativeRange,
     kRelativeLength},
    {-10, kIn, 10, kIn, 5, "-2.0", "-2.0", kRelativeCaption, kRelativeCaption, kRelativeRange,
     kRelativeLength},
    // AngleD
    {-10, kIn, 10, kIn, 5, "-4.0", "-4.0", kRelativeCaption, kRelativeCaption,
     "Ungültige Eingabe!\n\nFür den geometrischen Anstellwinkel gilt:\n"
     "-10 <= relativer geometrischer Anstellwinkel an der Spitze [°] <= 10\n\n"
     "Bitte wiederholen Sie die Eingabe des geometrischen Anstellwinkels.\n\n",
     "Ungültige Eingabe!\n\nEs sind maximal 5 Stellen inklusive Punkt zulässig.\n\n"
     "Bitte wiederholen Sie die Eingabe des relativen \n geometrischen Anstellwinkels.\n\n"},
};

using In = EtlInput;

luvo::CheckTable MakeTable() {
    luvo::CheckTable table;
    table.inputCount = kEtlInputCount;
    for (In input : {In::Span, In::SweepAB, In::Sideslip, In::SweepBC, In::SweepCD, In::LengthAB,
                     In::LengthBC, In::LengthCD, In::ChordA, In::ChordB, In::ChordC, In::ChordD,
                     In::AngleA, In::AngleB, In::AngleC, In::AngleD}) {
        table.order.push_back(EtlIndex(input));
    }
    table.rule = [](int input) -> const luvo::InputRule& { return kRules[input]; };
    table.continuingChecks = 4;
    table.sumAfter = EtlIndex(In::LengthCD);
    table.sumRule = EtlDecideLengths;
    table.sumCaption = kEtlLengthSumCaption;
    table.sumMessage = kEtlLengthSumMessage;
    return table;
}

}  // namespace

const char* const kEtlLengthSumCaption = "Die Eingaben sind nicht korrekt!";
const char* const kEtlLengthSumMessage =
    "Der Wert der Gesamtlänge aller Trapeze liegt in einem unzulässigen Bereich:\n\n"
    "Die Länge der Trapeze muss in der Summe 100 sein. \n";

const luvo::InputRule& EtlRuleFor(EtlInput input) { return kRules[EtlIndex(input)]; }

const luvo::CheckTable& EtlAnalysisCheckTable() {
    static const luvo::CheckTable table = MakeTable();
    return table;
}

luvo::SumDecision EtlDecideLengths(const luvo::CheckValues& v) {
    const double ab = v[EtlIndex(In::LengthAB)];
    const double bc = v[EtlIndex(In::LengthBC)];
    const double cd = v[EtlIndex(In::LengthCD)];
    luvo::SumDecision d;
    if (std::fabs(((cd + bc) + ab) - 100.0) <= kEtlLengthSumTolerance) return d;
    auto write = [&](In input, const char* fmt, double value) {
        d.writes.push_back({EtlIndex(input), luvo::FormatShown(fmt, value)});
    };
    auto box = [&](int sumCase) {
        d.sumCase = sumCase;
        d.showBox = true;
        return d;
    };
    const double chordB = v[EtlIndex(In::ChordB)];
    const double chordC = v[EtlIndex(In::ChordC)];
    const double angleB = v[EtlIndex(In::AngleB)];
    const double angleC = v[EtlIndex(In::AngleC)];
    if (ab == 100.0) {
        if (bc == 0.0) return box(1);
        // B-C and C-D vanish: C and D take the section of B.
        d.sumCase = 2;
        write(In::LengthBC, "%2.1f", 0.0);
        write(In::LengthCD, "%2.1f", 0.0);
        write(In::ChordC, "%2.1f", chordB);
        write(In::ChordD, "%2.1f", chordB);
        write(In::AngleC, "%2.1f", angleB);
        write(In::AngleD, "%2.1f", angleB);
        return d;
    }
    if (bc != 0.0) {
        if (ab + bc > 100.0) {
            d.sumCase = 3;
            write(In::LengthBC, "%2.1f", 100.0 - ab);
            write(In::LengthCD, "%2.1f", 0.0);
            write(In::ChordD, "%2.1f", chordC);
            write(In::AngleD, "%2.1f", angleC);
        } else if (ab + bc < 100.0) {
            d.sumCase = 4;
            write(In::LengthCD, "%2.2f", (100.0 - ab) - bc);
        } else {
            d.sumCase = 5;
            write(In::LengthCD, "%2.2f", 0.0);
            write(In::ChordD, "%2.2f", chordC);
            write(In::AngleD, "%2.2f", angleC);
        }
        return d;
    }
    if (cd == 0.0) return box(7);
    // No B-C: C-D's length goes to B-C; the nested checks correct it further.
    d.sumCase = 6;
    write(In::LengthBC, "%2.1f", 100.0 - cd);
    write(In::LengthCD, "%2.1f", 0.0);
    write(In::ChordD, "%2.1f", chordC);
    write(In::AngleD, "%2.1f", angleC);
    return d;
}
