// Reader of the wing file "*.fde" into the extended lifting-line record.

#include "common/core/TextScanner.h"
#include "etl/core/EtlGridFile.h"
#include "etl/core/EtlSolver.h"

namespace {

constexpr int kFreeWords = 10;

// Tokens 1..18: free words, then each tag followed by its number.
bool ReadHeader(luvo::TextScanner& in, EtlGridHeader& header) {
    std::string_view word;
    for (int k = 0; k < kFreeWords; ++k) {
        if (!in.Word(word)) {
            return false;
        }
    }
    const struct {
        const char* tag;
        double* value;
    } fields[] = {{"#b", &header.span},
                  {"#dc", &header.liftSlopeFactor},
                  {"#de", &header.rootChord},
                  {"#al", &header.rootAngle}};
    for (const auto& field : fields) {
        if (!in.Word(word) || !luvo::StartsWith(word, field.tag) || !in.Number(*field.value)) {
            return false;
        }
    }
    // A span or factor not above 0 gives no wing to solve, a root chord not above 0 none to read.
    return header.span > 0.0 && header.liftSlopeFactor > 0.0 && header.rootChord > 0.0;
}

// One segment of the table: length, outer twist, outer chord, leading-edge sweep.
struct Segment {
    double length = 0;
    double twist = 0;
    double chord = 0;
    double sweep = 0;
};

bool ReadSegments(luvo::TextScanner& in, Segment (&segments)[EtlSolver::kSegments + 1]) {
    bool anyLength = false;
    for (int k = 1; k <= EtlSolver::kSegments; ++k) {
        Segment& s = segments[k];
        if (!in.Number(s.length) || !in.Number(s.twist) || !in.Number(s.chord) ||
            !in.Number(s.sweep)) {
            return false;
        }
        if (s.length < 0.0 || s.chord < 0.0) {
            return false;
        }
        anyLength = anyLength || s.length > 0.0;
    }
    return anyLength;
}

}  // namespace

std::optional<EtlGridHeader> ParseEtlGridHeader(std::string_view fileText) {
    luvo::TextScanner in(fileText);
    EtlGridHeader header;
    if (!ReadHeader(in, header)) {
        return std::nullopt;
    }
    return header;
}

std::optional<EtlGridHeader> ReadEtlGridHeader(const std::string& fileName) {
    std::string text;
    if (!luvo::ReadTextFile(fileName, text)) {
        return std::nullopt;
    }
    return ParseEtlGridHeader(text);
}

bool EtlSolver::ReadGridText(std::string_view fileText) {
    // Everything is read and checked first, so a file that does not pass leaves the record alone.
    luvo::TextScanner in(fileText);
    EtlGridHeader header;
    Segment segments[kSegments + 1];
    if (!ReadHeader(in, header) || !ReadSegments(in, segments)) {
        return false;
    }
    for (int k = 1; k <= kSegments; ++k) {
        segmentLength[k] = segments[k].length;
        twistDeg[k + 1] = segments[k].twist;
        chord[k + 1] = segments[k].chord;
        segmentLeadingEdgeSweep[k] = segments[k].sweep;
    }
    rootTwist = header.rootAngle;
    twistDeg[1] = header.rootAngle;
    rootChord = header.rootChord;
    chord[1] = header.rootChord;
    return true;
}

bool EtlSolver::ReadGridFile(const std::string& fileName) {
    std::string text;
    return luvo::ReadTextFile(fileName, text) && ReadGridText(text);
}
