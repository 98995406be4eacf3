// Reader of the wing file "*.fdt" and the wing-file run of the simple lifting-line method.

#include <array>

#include "common/core/TextScanner.h"
#include "llt/core/LltAnalysisRun.h"
#include "llt/core/LltGridFile.h"

namespace {

constexpr int kPairs = 52;  // stations 0 (tip) .. 51 (root)

// Tokens 1 to 12. Only the tags' prefixes are compared; a span or lift-slope factor that is not
// above 0 would divide by zero or give a wing without lift, so it fails like a wrong tag.
bool ReadHeader(luvo::TextScanner& in, LltGridHeader& header) {
    std::string_view word;
    for (int k = 0; k < 8; ++k) {
        if (!in.Word(word)) {
            return false;
        }
    }
    if (!in.Word(word) || !luvo::StartsWith(word, "#b")) {
        return false;
    }
    if (!in.Number(header.span)) {
        return false;
    }
    if (!in.Word(word) || !luvo::StartsWith(word, "#dc")) {
        return false;
    }
    if (!in.Number(header.liftSlopeFactor)) {
        return false;
    }
    return header.span > 0.0 && header.liftSlopeFactor > 0.0;
}

}  // namespace

std::optional<LltGridHeader> ParseLltGridHeader(std::string_view fileText) {
    luvo::TextScanner in(fileText);
    LltGridHeader header;
    if (!ReadHeader(in, header)) {
        return std::nullopt;
    }
    return header;
}

std::optional<LltGridHeader> ReadLltGridHeader(const std::string& fileName) {
    std::string text;
    if (!luvo::ReadTextFile(fileName, text)) {
        return std::nullopt;
    }
    return ParseLltGridHeader(text);
}

bool LltSolver::ReadGridText(std::string_view fileText) {
    luvo::TextScanner in(fileText);
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
        // A negative chord describes no wing: an error like a span or factor not above 0.
        if (readChord < 0.0) {
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
    return luvo::ReadTextFile(fileName, text) && ReadGridText(text);
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
