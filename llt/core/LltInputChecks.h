#pragma once
// Input checks of the three task windows of the simple lifting-line method (analysis, twist
// design, chord design). One engine for all three: the windows differ only in which inputs
// they have and in the order in which these are tested.
//
// A check pass reads every checked text, tests the inputs in the window's order (range first,
// then text length), reports the first violation and writes a reset text back, or corrects the
// three segment lengths so that they add up to 100 per cent, or, when everything passes,
// recomputes the window. Writing a text into a field is a change like typing and runs a new pass
// nested inside the write, except that the segment correction is written whole and then checked
// once; `LltCheckHost` is the window as the engine sees it.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/InputChecks.h"

enum class LltInput {
    Span,
    TotalLift,
    LiftSlope,
    AspectRatio,
    A1,
    A3,
    A5,
    SegmentAB,
    SegmentBC,
    SegmentCD,
    ChordA,
    ChordB,
    ChordC,
    ChordD,
    AngleA,
    AngleB,
    AngleC,
    AngleD,
};
constexpr int kLltInputCount = 18;

inline constexpr int LltIndex(LltInput input) { return static_cast<int>(input); }

enum class LltTaskWindow { Analysis, TwistDesign, ChordDesign };

// Bounds, text length, reset texts and messages of one kind of input (common/core/InputChecks.h).
using LltInputRule = luvo::InputRule;

const LltInputRule& LltRuleFor(LltInput input);
bool LltInRange(const LltInputRule& rule, double value);

// Number of characters of a UTF-8 text.
int LltTextLength(std::string_view text);

// The inputs a window checks, in the order it checks them; the segment sum is tested right
// after SegmentCD. The analysis window's lift-slope factor is not among them.
const std::vector<LltInput>& LltCheckOrder(LltTaskWindow window);
bool LltWindowChecks(LltTaskWindow window, LltInput input);

extern const char* const kLltSegmentSumCaption;
extern const char* const kLltSegmentSumMessage;

// The corrected texts are read back with their one or two decimals; comparing their sum with
// 100 exactly would reject, for example, 11.01 + 25.0 + 63.99.
constexpr double kLltSegmentSumTolerance = 1e-9;

struct LltWrite {
    LltInput input;
    std::string text;
};

// What the segment-sum rule decides for lengths s1, s2, s3 [%] and the values read.
struct LltSegmentDecision {
    int segmentCase = 0;           // 0: the sum is 100; else the first applicable case, 1..7
    bool showBox = false;          // cases 1 and 3: the segment-sum box, nothing written
    std::vector<LltWrite> writes;  // in this order; only to fields the window has
};

using LltValues = std::array<double, kLltInputCount>;
using LltTexts = std::array<std::string, kLltInputCount>;

LltSegmentDecision LltDecideSegments(LltTaskWindow window, const LltValues& values);

// The outcome of one pass over the texts of a window (texts of inputs that the window does not
// check are not looked at).
struct LltPassOutcome {
    enum class Kind { Accepted, RangeViolation, LengthViolation, SegmentSumBox, SegmentCorrection };
    Kind kind = Kind::Accepted;
    LltInput input = LltInput::Span;  // the violating input
    int segmentCase = 0;
    std::string caption;  // of the box to show (violations and the segment-sum box)
    std::string message;
    std::vector<LltWrite> writes;
};

LltPassOutcome LltEvaluatePass(LltTaskWindow window, const LltTexts& texts);

// True when a pass over these texts would recompute the window.
bool LltInputsAccepted(LltTaskWindow window, const LltTexts& texts);

// The window's checks as a table of the common engine, inputs numbered by LltIndex.
const luvo::CheckTable& LltCheckTable(LltTaskWindow window);

// The window as the check pass sees it.
class LltCheckHost {
  public:
    virtual ~LltCheckHost() = default;
    virtual std::string Text(LltInput input) const = 0;
    // Replaces the field's whole text; the field's change handling runs a new pass nested inside
    // this call. Only called with a text that differs from the field's.
    virtual void Write(LltInput input, const std::string& text) = 0;
    // Replaces the field's whole text without a pass (a write of the segment correction).
    virtual void WriteQuietly(LltInput input, const std::string& text) = 0;
    // The modal error box (OK, error icon).
    virtual void ShowBox(const std::string& caption, const std::string& message) = 0;
    virtual void Recompute() = 0;
};

// One check pass. A write that would leave a field's text as it is raises no further pass; a
// segment correction is checked by one pass on its final texts, and one none of whose writes
// changes a text cannot settle (its lengths, read back, still miss 100): it shows the segment-sum
// box and stops without recomputing.
void LltRunCheckPass(LltTaskWindow window, LltCheckHost& host);
