#pragma once
// The check engine of the task windows whose fields are validated at every change. A window
// describes its checks as a table: which inputs it tests in which order (each first by its
// range, then, when in range, by its text length), how many of the first checks go on after a
// violation, and a sum rule that runs after one of the inputs. The engine evaluates one pass over
// the texts, shows the boxes, writes the reset or corrected texts and, when everything passes,
// recomputes the window.
//
// Writing a text into a field is a change like typing and runs a new pass nested inside the
// write; only a sum correction, which writes several fields, is checked once on its final texts.
// `CheckHost` is the window as the engine sees it. Inputs are numbered by the window.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "common/core/FieldText.h"

namespace luvo {

// Bounds, text length, reset texts and messages of one input (texts in UTF-8).
struct InputRule {
    double lower;
    bool lowerIncluded;
    double upper;
    bool upperIncluded;
    int maxLength;            // characters, sign and point included
    const char* rangeReset;   // written after a range violation
    const char* lengthReset;  // written after a length violation
    const char* rangeCaption;
    const char* lengthCaption;
    const char* rangeMessage;
    const char* lengthMessage;
};

// A value that is not finite is out of any range.
bool InRange(const InputRule& rule, double value);

// The rule's bounds and length as the field judges a typed text.
FieldRange RangeOf(const InputRule& rule);

struct InputWrite {
    int input;
    std::string text;
};

// What a sum rule decides for the values read at the start of a pass.
struct SumDecision {
    int sumCase = 0;                 // 0: the sum holds; else the window's case number
    bool showBox = false;            // the sum box, nothing written
    std::vector<InputWrite> writes;  // the correction, in this order
};

// The values and texts of a pass, indexed by input; inputs outside the order stay 0 and empty.
using CheckValues = std::vector<double>;
using CheckTexts = std::vector<std::string>;

struct CheckTable {
    int inputCount = 0;
    std::vector<int> order;
    std::function<const InputRule&(int input)> rule;
    // The first this many checks of the order go on after a violation; from the next one on the
    // first violation ends the pass.
    int continuingChecks = 0;
    // The input after whose checks the sum rule runs (-1: none).
    int sumAfter = -1;
    std::function<SumDecision(const CheckValues&)> sumRule;
    const char* sumCaption = "";
    const char* sumMessage = "";
};

struct CheckViolation {
    int input = 0;
    bool range = true;  // else the text length
    std::string caption;
    std::string message;
    std::string reset;
};

struct PassOutcome {
    // Accepted: no violation, the sum holds. Violations: the pass ends with its violations.
    // SumBox and SumCorrection: the sum rule ends the pass, after any continuing violations.
    enum class Kind { Accepted, Violations, SumBox, SumCorrection };
    Kind kind = Kind::Accepted;
    std::vector<CheckViolation> violations;  // in the order of the checks
    int sumCase = 0;
    std::vector<InputWrite> writes;  // the sum correction
};

// The values as the checks read them (FieldCheckValue: a text without a number is none).
CheckValues ReadCheckValues(const CheckTable& table, const CheckTexts& texts);

PassOutcome EvaluatePass(const CheckTable& table, const CheckTexts& texts);

// The window as the check pass sees it.
class CheckHost {
  public:
    virtual ~CheckHost() = default;
    virtual std::string Text(int input) const = 0;
    // Replaces the field's whole text; the field's change handling runs a new pass nested inside
    // this call. Only called with a text that differs from the field's.
    virtual void Write(int input, const std::string& text) = 0;
    // Replaces the field's whole text without a pass: one write of a correction of several
    // fields, whose half-way state must not be checked.
    virtual void WriteQuietly(int input, const std::string& text) = 0;
    // The modal error box (OK, error icon).
    virtual void ShowBox(const std::string& caption, const std::string& message) = 0;
    virtual void Recompute() = 0;
};

// One check pass over the host's texts. A write that would leave a field's text as it is raises
// no further pass. A sum correction is written whole and then checked by one pass; one none of
// whose writes changes a text cannot settle: it shows the sum box and stops without recomputing.
void RunCheckPass(const CheckTable& table, CheckHost& host);

}  // namespace luvo
