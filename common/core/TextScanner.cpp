#include "common/core/TextScanner.h"

#include <charconv>
#include <cmath>
#include <fstream>
#include <system_error>

namespace luvo {

namespace {

bool IsWhite(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool TextScanner::Word(std::string_view& word) {
    SkipWhite();
    const size_t start = pos_;
    while (pos_ < text_.size() && !IsWhite(text_[pos_])) {
        ++pos_;
    }
    word = text_.substr(start, pos_ - start);
    return !word.empty();
}

bool TextScanner::Number(double& value) {
    SkipWhite();
    size_t end = pos_;
    bool negative = false;
    if (end < text_.size() && (text_[end] == '+' || text_[end] == '-')) {
        negative = text_[end] == '-';
        ++end;
    }
    const size_t mantissa = end;
    size_t digits = SkipDigits(end);
    if (end < text_.size() && text_[end] == '.') {
        ++end;
        digits += SkipDigits(end);
    }
    if (digits == 0) {
        return false;
    }
    // An exponent belongs to the number only when digits follow the "e" and its sign.
    if (end < text_.size() && (text_[end] == 'e' || text_[end] == 'E')) {
        size_t exponent = end + 1;
        if (exponent < text_.size() && (text_[exponent] == '+' || text_[exponent] == '-')) {
            ++exponent;
        }
        if (SkipDigits(exponent) > 0) {
            end = exponent;
        }
    }
    // Whatever is glued to the number makes the token a word.
    if (end < text_.size() && !IsWhite(text_[end])) {
        return false;
    }
    double parsed = 0.0;
    const char* first = text_.data() + mantissa;
    const char* last = text_.data() + end;
    const std::from_chars_result r =
        std::from_chars(first, last, parsed, std::chars_format::general);
    if (r.ec != std::errc() || r.ptr != last || !std::isfinite(parsed)) {
        return false;
    }
    value = negative ? -parsed : parsed;
    pos_ = end;
    return true;
}

void TextScanner::SkipWhite() {
    while (pos_ < text_.size() && IsWhite(text_[pos_])) {
        ++pos_;
    }
}

size_t TextScanner::SkipDigits(size_t& at) const {
    const size_t start = at;
    while (at < text_.size() && IsDigit(text_[at])) {
        ++at;
    }
    return at - start;
}

bool StartsWith(std::string_view word, std::string_view prefix) {
    return word.substr(0, prefix.size()) == prefix;
}

bool ReadTextFile(const std::string& fileName, std::string& text) {
    std::ifstream in(fileName, std::ios::in | std::ios::binary);
    if (!in.is_open()) {
        return false;
    }
    // istream::read turns a failing read (a directory, say) into the bad state instead of
    // letting the buffer's exception through.
    text.clear();
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        text.append(chunk, static_cast<size_t>(in.gcount()));
    }
    return !in.bad();
}

}  // namespace luvo
