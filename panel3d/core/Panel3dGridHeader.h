#pragma once
// The header of the panel method's grid file "*.fdp": tokens 1 to 22 of white-space separated
// words. Nine free words; "#nw..." and the number of free-wake rows; "#e..." and the length
// factor of the trailing-edge wake row; "#wl..." and the free-wake length in spans; "#sf..."
// and the symmetry flag; a free word and the points per section row (2N+1); two free words and
// the number of section rows (2M+1). Tags count by their first characters, case-sensitive.
// The body (from token 28) is read by Panel3dModel::ReadGridPoints.

#include <optional>
#include <string>
#include <string_view>

struct Panel3dGridHeader {
    int wakeRowCount = 0;               // nw, 1..100
    double trailingEdgeWakeFactor = 0;  // finite, above 0
    double wakeLengthFactor = 0;        // finite, above 0
    int symmetryFlag = 0;               // 1: the wing is symmetric about the root plane
    int chordPointCount = 0;            // 2N+1, odd, at least 3
    int chordPanelCount = 0;            // N
    int spanPointCount = 0;             // 2M+1, odd, at least 3
    int spanPanelCount = 0;             // M
};

// Most wing panels (4NM) a grid file may describe; the discretisation window has the same limit.
constexpr int kPanel3dMaxWingPanels = 6000;

// The header of a file's text. Nothing when a tag does not match, the text ends early, a count
// or the symmetry flag is no whole integer word, a factor is no number, or a value lies outside
// the ranges above or the panel limit.
std::optional<Panel3dGridHeader> ParsePanel3dGridHeader(std::string_view fileText);

// The same for a file; nothing also when it cannot be read (missing, a folder). The file is
// never created.
std::optional<Panel3dGridHeader> ReadPanel3dGridHeader(const std::string& fileName);
