#include "panel3d/core/Panel3dGridHeader.h"

#include <charconv>
#include <cmath>
#include <system_error>

#include "common/core/TextScanner.h"

namespace {

// A word made only of an optional sign and decimal digits, within int: "9.0" or "9x" is none.
bool IntegerWord(std::string_view word, int& value) {
    const bool negative = !word.empty() && word.front() == '-';
    if (!word.empty() && (word.front() == '+' || negative)) word.remove_prefix(1);
    if (word.empty()) return false;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
    }
    const std::from_chars_result r = std::from_chars(word.data(), word.data() + word.size(), value);
    if (r.ec != std::errc()) return false;
    if (negative) value = -value;
    return true;
}

// A word that is one decimal number and nothing else.
bool NumberWord(std::string_view word, double& value) {
    luvo::TextScanner in(word);
    std::string_view rest;
    return in.Number(value) && !in.Word(rest);
}

bool OddPointCount(int points) { return points >= 3 && points % 2 == 1; }

bool PositiveFactor(double v) { return std::isfinite(v) && v > 0.0; }

class HeaderReader {
  public:
    explicit HeaderReader(std::string_view text) : in_(text) {}

    bool Skip(int words) {
        std::string_view word;
        for (int k = 0; k < words; ++k) {
            if (!in_.Word(word)) return false;
        }
        return true;
    }
    bool Tag(std::string_view prefix) {
        std::string_view word;
        return in_.Word(word) && luvo::StartsWith(word, prefix);
    }
    bool Integer(int& value) {
        std::string_view word;
        return in_.Word(word) && IntegerWord(word, value);
    }
    bool Number(double& value) {
        std::string_view word;
        return in_.Word(word) && NumberWord(word, value);
    }

  private:
    luvo::TextScanner in_;
};

}  // namespace

std::optional<Panel3dGridHeader> ParsePanel3dGridHeader(std::string_view fileText) {
    HeaderReader in(fileText);
    Panel3dGridHeader h;
    const bool read = in.Skip(9) && in.Tag("#nw") && in.Integer(h.wakeRowCount) && in.Tag("#e") &&
                      in.Number(h.trailingEdgeWakeFactor) && in.Tag("#wl") &&
                      in.Number(h.wakeLengthFactor) && in.Tag("#sf") &&
                      in.Integer(h.symmetryFlag) && in.Skip(1) && in.Integer(h.chordPointCount) &&
                      in.Skip(2) && in.Integer(h.spanPointCount);
    if (!read) return std::nullopt;
    // Even counts or fewer than three points leave panels without corners; more panels than
    // the model takes, or a wake without rows or length, cannot be solved.
    if (!OddPointCount(h.chordPointCount) || !OddPointCount(h.spanPointCount)) return std::nullopt;
    if (h.wakeRowCount < 1 || h.wakeRowCount > 100) return std::nullopt;
    if (!PositiveFactor(h.trailingEdgeWakeFactor) || !PositiveFactor(h.wakeLengthFactor)) {
        return std::nullopt;
    }
    h.chordPanelCount = (h.chordPointCount - 1) / 2;
    h.spanPanelCount = (h.spanPointCount - 1) / 2;
    // Both counts are below 2^31 / 2 here; the product in 64 bits cannot overflow.
    const long long panels = 4LL * h.chordPanelCount * h.spanPanelCount;
    if (panels > kPanel3dMaxWingPanels) return std::nullopt;
    return h;
}

std::optional<Panel3dGridHeader> ReadPanel3dGridHeader(const std::string& fileName) {
    std::string text;
    if (!luvo::ReadTextFile(fileName, text)) return std::nullopt;
    return ParsePanel3dGridHeader(text);
}
