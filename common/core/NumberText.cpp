#include "common/core/NumberText.h"

#include <cctype>
#include <charconv>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstring>

namespace luvo {

double ParseLeadingNumber(std::string_view text) {
    double value = 0.0;
    return ReadLeadingNumber(text, value) ? value : 0.0;
}

bool ReadLeadingNumber(std::string_view text, double& result) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\n' ||
                               text[i] == '\r' || text[i] == '\v' || text[i] == '\f')) {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    // Only digits or a point may start the number: from_chars would also take "inf" and "nan".
    if (i >= text.size() ||
        !(std::isdigit(static_cast<unsigned char>(text[i])) || text[i] == '.')) {
        return false;
    }
    double value = 0.0;
    const char* first = text.data() + i;
    const char* last = text.data() + text.size();
    std::from_chars_result r = std::from_chars(first, last, value, std::chars_format::general);
    if (r.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: keep the sign and the magnitude class.
        value = std::strtod(std::string(first, last).c_str(), nullptr);
    } else if (r.ec != std::errc()) {
        return false;
    }
    result = negative ? -value : value;
    return true;
}

std::string CommaAsPoint(std::string_view text) {
    std::string out(text);
    for (char& c : out) {
        if (c == ',') c = '.';
    }
    return out;
}

double ParseFieldNumber(std::string_view text) { return ParseLeadingNumber(CommaAsPoint(text)); }

std::string FormatNumber(const char* fmt, double value) {
    char buffer[512];
    int n = std::snprintf(buffer, sizeof buffer, fmt, value);
    if (n < 0) return std::string();
    std::string out(buffer, static_cast<size_t>(n) < sizeof buffer ? static_cast<size_t>(n)
                                                                   : sizeof buffer - 1);
    // A numeric locale with a decimal comma may be active: write a point regardless.
    const char* point = std::localeconv()->decimal_point;
    if (point != nullptr && std::strcmp(point, ".") != 0 && point[0] != '\0') {
        const std::string sep(point);
        for (size_t pos = out.find(sep); pos != std::string::npos; pos = out.find(sep, pos + 1)) {
            out.replace(pos, sep.size(), ".");
        }
    }
    return out;
}

std::string FormatShown(const char* fmt, double value) {
    std::string out = FormatNumber(fmt, value);
    if (!std::isfinite(value) || out.find('-') == std::string::npos) return out;
    for (char c : out) {
        if (c >= '1' && c <= '9') return out;
    }
    // Only zeros behind the sign: the same text as a zero without one.
    return FormatNumber(fmt, 0.0);
}

std::string FormatResult(const char* fmt, double value) {
    // Beyond 1e15 a double holds no digit after the point, and "%.3f" of 1e300 is 300 digits.
    constexpr double kLargest = 1e15;
    return std::isfinite(value) && std::fabs(value) < kLargest ? FormatShown(fmt, value)
                                                               : std::string("---");
}

}  // namespace luvo
