#include "common/gui/WxNumber.h"

#include "common/core/NumberText.h"

namespace luvo {

double ToNumber(const wxString& text) { return ParseFieldNumber(std::string(text.utf8_str())); }

std::string PointText(const wxString& fieldText) {
    return CommaAsPoint(std::string(fieldText.utf8_str()));
}

wxString FormatWx(const char* fmt, double value) {
    return wxString::FromUTF8(FormatShown(fmt, value));
}

wxString FormatLabel(const char* fmt, double value) {
    return wxString::FromUTF8(FormatResult(fmt, value));
}

}  // namespace luvo
