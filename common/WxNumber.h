#pragma once
// wxString front of the shared number conversion: always a decimal point.

#include <wx/string.h>

namespace luvo {

// Leading number of a field's text, 0 when it begins with none.
double ToNumber(const wxString& text);

// printf-style formatting of one double ("%.3f", "%2.2f") for a window's text: a zero shows
// without a minus sign.
wxString FormatWx(const char* fmt, double value);

// As FormatWx, "---" for a value that is not finite (result labels).
wxString FormatLabel(const char* fmt, double value);

}  // namespace luvo
