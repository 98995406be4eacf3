#pragma once
// Text <-> number conversion shared by every method. Both directions always use a
// decimal point, whatever LC_NUMERIC the toolkit or the user's environment set.

#include <string>
#include <string_view>

namespace luvo {

// The longest leading decimal number of the text (after blanks), 0 when it begins with none.
// "1,5" -> 1, "12.5x" -> 12.5, "-" -> 0, "" -> 0. Words such as "inf" or "nan" are no number.
double ParseLeadingNumber(std::string_view text);

// As ParseLeadingNumber; false, leaving `value` alone, when the text begins with no number.
bool ReadLeadingNumber(std::string_view text, double& value);

// The text of an input field with each decimal comma as a point: a student types "1,5" for 1.5.
// Files never go through this: a comma there is no decimal separator.
std::string CommaAsPoint(std::string_view text);

// A field's text as a number: ParseLeadingNumber of CommaAsPoint. "1,5" -> 1.5, "-" -> 0.
double ParseFieldNumber(std::string_view text);

// printf-style formatting of one double with exactly one conversion in fmt ("%.3f", "%2.2f").
std::string FormatNumber(const char* fmt, double value);

// As FormatNumber, for texts that a window shows (labels, fields the program writes, status
// texts): a text that reads as zero carries no minus sign ("0.0", not "-0.0" for -0.0 or -0.04).
// Result files keep FormatNumber's text.
std::string FormatShown(const char* fmt, double value);

// As FormatShown, but a value that is not finite, or so large (1e15 and more) that it would
// print as a row of meaningless digits, shows "---" (result labels, plot labels).
std::string FormatResult(const char* fmt, double value);

}  // namespace luvo
