#pragma once
// wxString front of the shared number conversion: numbers are written with a decimal point, and
// a field's text is read with a decimal comma as well.

#include <wx/string.h>

#include <string>

namespace luvo {

// Leading number of a field's text, a decimal comma read as a point, 0 when it begins with none.
double ToNumber(const wxString& text);

// A field's text as a file keeps it (UTF-8): a decimal comma written as a point.
std::string PointText(const wxString& fieldText);

// printf-style formatting of one double ("%.3f", "%2.2f") for a window's text: a zero shows
// without a minus sign.
wxString FormatWx(const char* fmt, double value);

// As FormatWx, "---" for a value that is not finite (result labels).
wxString FormatLabel(const char* fmt, double value);

}  // namespace luvo
