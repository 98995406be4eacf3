// Reader of the wing file "*.fdt" and the wing-file run of the simple lifting-line method.
// The text is scanned in place: a word is any run of non-white characters, however long, and a
// number is the longest decimal number at the current position (what follows it is the next
// token, as "10m" reads 10 and then "m").

#include <array>
#include <charconv>
#include <cmath>
#include <fstream>
#include <system_error>

#include "llt/LltAnalysisRun.h"
#include "llt/LltGridFile.h"

namespace {

constexpr int kPairs = 52;  // stations 0 (tip) .. 51 (root)

bool IsWhite(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

class WingFileScanner {
  public:
    explicit WingFileScanner(std::string_view text) : text_(text) {}

    // The next word; false at the end of the text.
    bool Word(std::string_view& word) {
        SkipWhite();
        const size_t start = pos_;
        while (pos_ < text_.size() && !IsWhite(text_[pos_])) {
            ++pos_;
        }
        word = text_.substr(start, pos_ - start);
        return !word.empty();
    }

    // The next number; false when the next token does not begin with one (or none is left), or
    // when its value lies outside the range of a double. Words such as "inf" or "nan" are none.
    bool Number(double& value) {
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

  private:
    void SkipWhite() {
        while (pos_ < text_.size() && IsWhite(text_[pos_])) {
            ++pos_;
        }
    }

    size_t SkipDigits(size_t& at) const {
        const size_t start = at;
        while (at < text_.size() && IsDigit(text_[at])) {
            ++at;
        }
        return at - start;
    }

    std::string_view text_;
    size_t pos_ = 0;
};

bool StartsWith(std::string_view word, std::string_view prefix) {
    return word.substr(0, prefix.size()) == prefix;
}

// Tokens 1 to 12. Only the tags' prefixes are compared; a span or lift-slope factor that is not
// above 0 would divide by zero or give a wing without lift, so it fails like a wrong tag.
bool ReadHeader(WingFileScanner& in, LltGridHeader& header) {
    std::string_view word;
    for (int k = 0; k < 8; ++k) {
        if (!in.Word(word)) {
            return false;
        }
    }
    if (!in.Word(word) || !StartsWith(word, "#b")) {
        return false;
    }
    if (!in.Number(header.span)) {
        return false;
    }
    if (!in.Word(word) || !StartsWith(word, "#dc")) {
        return false;
    }
    if (!in.Number(header.liftSlopeFactor)) {
        return false;
    }
    return header.span > 0.0 && header.liftSlopeFactor > 0.0;
}

}  // namespace

std::optional<LltGridHeader> ParseLltGridHeader(std::string_view fileText) {
    WingFileScanner in(fileText);
    LltGridHeader header;
    if (!ReadHeader(in, header)) {
        return std::nullopt;
    }
    return header;
}

bool ReadLltTextFile(const std::string& fileName, std::string& text) {
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

std::optional<LltGridHeader> ReadLltGridHeader(const std::string& fileName) {
    std::string text;
    if (!ReadLltTextFile(fileName, text)) {
        return std::nullopt;
    }
    return ParseLltGridHeader(text);
}

bool LltSolver::ReadGridText(std::string_view fileText) {
    WingFileScanner in(fileText);
    LltGridHeader header;
    if (!ReadHeader(in, header)) {
        return false;
    }
    // Read all pairs first, so that a short or broken body leaves the record as it was.
    std::array<double, kPairs> twist{};
    std::array<double, kPairs> chords{};
    for (int i = 0; i < kPairs; ++i) {
        if (!in.Number(readTwist) || !in.Number(readChord)) {
            return false;
        }
        twist[i] = readTwist;
        chords[i] = readChord;
    }
    for (int i = 0; i < kPairs; ++i) {
        twistDeg[i] = twist[i];
        chord[i] = chords[i];
    }
    MirrorToLeftHalf(chord);
    SetTwistRadians();
    return true;
}

bool LltSolver::ReadGridFile(const std::string& fileName) {
    std::string text;
    return ReadLltTextFile(fileName, text) && ReadGridText(text);
}

namespace {

// The wing-file run on a new record whose pairs `readPairs` fills; null when it cannot.
template <class ReadPairs>
std::shared_ptr<LltSolver> SolveGrid(const LltGridHeader& header, ReadPairs readPairs) {
    auto s = std::make_shared<LltSolver>();
    s->SetStations(header.span);
    if (!readPairs(*s)) {
        return nullptr;
    }
    LltSolveDistributions(*s, header.span, header.liftSlopeFactor);
    return s;
}

}  // namespace

std::shared_ptr<LltSolver> SolveLltGridText(std::string_view fileText,
                                            const LltGridHeader& header) {
    return SolveGrid(header, [&](LltSolver& s) { return s.ReadGridText(fileText); });
}

std::shared_ptr<LltSolver> SolveLltGridFile(const std::string& fileName,
                                            const LltGridHeader& header) {
    return SolveGrid(header, [&](LltSolver& s) { return s.ReadGridFile(fileName); });
}
