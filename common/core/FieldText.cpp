#include "common/core/FieldText.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "common/core/NumberText.h"

namespace luvo {

namespace {

// More appended digits than this cannot bring a typed text into any range of the program.
constexpr int kMostAppended = 15;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A typed text that is the beginning of a plain decimal number: "-", "12", "0.", "-.5".
struct TypedNumber {
    bool negative = false;
    std::string integer;
    bool point = false;
    std::string fraction;
};

bool SplitTyped(const std::string& text, TypedNumber& n) {
    size_t i = 0;
    if (i < text.size() && text[i] == '-') {
        n.negative = true;
        ++i;
    }
    while (i < text.size() && IsDigit(text[i])) n.integer += text[i++];
    if (i < text.size() && text[i] == '.') {
        n.point = true;
        ++i;
        while (i < text.size() && IsDigit(text[i])) n.fraction += text[i++];
    }
    return i == text.size();
}

// The smallest magnitude a completion may have to be accepted, and whether it is included.
struct MagnitudeFloor {
    double value;
    bool included;
};

MagnitudeFloor FloorOf(const TypedNumber& n, const FieldRange& range) {
    if (!n.negative) return {range.lower, range.lowerIncluded};
    // A negative value -m lies in the range when m lies in [-upper, -lower]; and "-0" is no
    // negative number.
    MagnitudeFloor floor{-range.upper, range.upperIncluded};
    if (floor.value < 0.0 || (floor.value == 0.0 && floor.included)) floor = {0.0, false};
    return floor;
}

// Whether one shape of completion, `appended` more digits (the first `integerDigits` of them
// into the integer part, the rest after the point) can give an accepted text. The completions of
// a shape run through the numbers t = first..10^appended - 1 in increasing magnitude, so only
// those around the first one above the range's lower bound need a look.
bool ShapeAccepted(const TypedNumber& n, int integerDigits, int appended, bool firstNotZero,
                   const FieldRange& range) {
    const int fractionDigits = appended - integerDigits;
    const bool point = n.point || fractionDigits > 0;
    const std::int64_t count = static_cast<std::int64_t>(std::pow(10.0, appended));
    const std::int64_t first = firstNotZero ? count / 10 : 0;

    auto textOf = [&](std::int64_t t) {
        std::string digits = std::to_string(t);
        digits.insert(0, static_cast<size_t>(appended) - digits.size(), '0');
        std::string text = n.negative ? "-" : "";
        text += n.integer + digits.substr(0, static_cast<size_t>(integerDigits));
        if (point) text += "." + n.fraction + digits.substr(static_cast<size_t>(integerDigits));
        return text;
    };

    const double base = std::fabs(FieldCheckValue(textOf(0)));
    const double step = std::pow(10.0, -static_cast<double>(n.fraction.size() + fractionDigits));
    const MagnitudeFloor floor = FloorOf(n, range);
    double estimate = std::floor((floor.value - base) / step);
    if (!std::isfinite(estimate) || estimate < static_cast<double>(first)) {
        estimate = static_cast<double>(first);
    }
    if (estimate > static_cast<double>(count)) return false;
    const auto around = static_cast<std::int64_t>(estimate);
    for (std::int64_t t = around - 1; t <= around + 2; ++t) {
        if (t < first || t >= count) continue;
        const std::string text = textOf(t);
        if (FieldTextAccepted(text, range) && !(n.negative && FieldCheckValue(text) == 0.0)) {
            return true;
        }
    }
    return false;
}

bool SomeCompletionAccepted(const TypedNumber& n, int typedLength, const FieldRange& range) {
    const int budget = range.maxLength > 0 ? range.maxLength - typedLength : kMostAppended + 1;
    if (n.point) {
        for (int f = 1; f <= budget && f <= kMostAppended; ++f) {
            if (ShapeAccepted(n, 0, f, false, range)) return true;
        }
        return false;
    }
    // A leading zero takes no further integer digit: "0" goes on as "0.", never as "05".
    const bool integerClosed = !n.integer.empty() && n.integer[0] == '0';
    for (int d = 0; d <= budget && d <= kMostAppended; ++d) {
        if (integerClosed && d > 0) break;
        const bool firstNotZero = n.integer.empty() && d > 1;
        if (d > 0 && ShapeAccepted(n, d, d, firstNotZero, range)) return true;
        // With a point: one character for it, then at least one digit after it.
        for (int f = 1; d + 1 + f <= budget && d + f <= kMostAppended; ++f) {
            if (ShapeAccepted(n, d, d + f, firstNotZero, range)) return true;
        }
    }
    return false;
}

}  // namespace

int TextLength(std::string_view text) {
    int count = 0;
    for (char c : text) {
        // Continuation bytes of a UTF-8 sequence do not start a character.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++count;
    }
    return count;
}

double FieldCheckValue(std::string_view text) {
    if (text.empty()) return 0.0;
    double value = 0.0;
    return ReadLeadingNumber(CommaAsPoint(text), value) ? value
                                                        : std::numeric_limits<double>::quiet_NaN();
}

bool InFieldRange(double value, const FieldRange& range) {
    if (!std::isfinite(value)) return false;
    const bool aboveLower = range.lowerIncluded ? value >= range.lower : value > range.lower;
    const bool belowUpper = range.upperIncluded ? value <= range.upper : value < range.upper;
    return aboveLower && belowUpper;
}

bool FieldTextAccepted(std::string_view text, const FieldRange& range) {
    return InFieldRange(FieldCheckValue(text), range) &&
           (range.maxLength <= 0 || TextLength(text) <= range.maxLength);
}

FieldTextState JudgeTypedText(std::string_view text, const FieldRange& range) {
    if (FieldTextAccepted(text, range)) return FieldTextState::Accepted;
    TypedNumber n;
    if (!SplitTyped(CommaAsPoint(text), n) ||
        n.integer.size() + n.fraction.size() > static_cast<size_t>(kMostAppended)) {
        return FieldTextState::Invalid;
    }
    return SomeCompletionAccepted(n, TextLength(text), range) ? FieldTextState::Pending
                                                              : FieldTextState::Invalid;
}

}  // namespace luvo
