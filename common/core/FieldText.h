#pragma once
// How the checks of an input field judge its text. A field accepts a text whose value lies in the
// field's range and whose length keeps to its limit. A text the student is still typing is judged
// more kindly: while appending digits, and a decimal point when it has none, can still make it
// acceptable ("1" on the way to the Mach number 1.64, "0." on the way to a chord of 0.8 m, "-"
// on the way to a negative angle), it is pending, and no check reports it yet.
//
// A decimal comma counts as a point, the way a German student writes 1.5. A text that does not
// begin with a number (a lone "-" or ".") holds none: it is no value, not 0. Only the empty text
// reads as 0.

#include <string_view>

namespace luvo {

struct FieldRange {
    double lower;
    bool lowerIncluded;
    double upper;
    bool upperIncluded;
    int maxLength = 0;  // characters, sign and point included; 0: no limit
};

enum class FieldTextState {
    Accepted,  // a value the field takes
    Pending,   // not yet, but further typing can still make it one
    Invalid,   // no further typing can make it one
};

// The value the checks see: the text's leading number with a comma read as a point, 0 for the
// empty text, NaN (outside every range) for any other text that does not begin with a number.
double FieldCheckValue(std::string_view text);

// Number of characters of a UTF-8 text: what the field's length limit counts.
int TextLength(std::string_view text);

// Whether a value lies within the range's bounds, each taken as included or not (the length limit
// plays no part). A value that is not finite lies in no range.
bool InFieldRange(double value, const FieldRange& range);

bool FieldTextAccepted(std::string_view text, const FieldRange& range);

// The state of a text as typed so far. Leading zeros do not count as a way on ("0" cannot become
// the Mach number 5 as "05"), and a negative value needs a digit other than zero.
FieldTextState JudgeTypedText(std::string_view text, const FieldRange& range);

}  // namespace luvo
