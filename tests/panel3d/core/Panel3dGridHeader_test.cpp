// The header of the grid file "*.fdp", read from files that each case writes.

#include "panel3d/core/Panel3dGridHeader.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "panel3d/core/Panel3dModule.h"
#include "tests/panel3d/core/Panel3dTestGrids.h"
#include "tests/support/TempDir.h"

namespace {

using luvo::test::TempDir;

// The 27 header tokens of a wing of 9 x 5 grid points; a case edits single tokens
// (index = token - 1).
std::vector<std::string> HeaderTokens() { return panel3d_test::GridHeaderTokens(4, 2); }

// Header tokens, one to a line, followed by the points of a wing of 9 x 5 grid points (the header
// reader never looks at them).
std::string FileText(const std::vector<std::string>& tokens) {
    return panel3d_test::GridText(tokens, panel3d_test::TestWing{4, 2}.Points(), "\n");
}

std::string WriteFile(const TempDir& dir, const std::string& text) {
    const std::string path = dir.file("grid.fdp");
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(Panel3dGridHeader, NineByFivePointsGiveTheCountsAndWakeValues) {
    TempDir dir;
    const auto h = ReadPanel3dGridHeader(WriteFile(dir, FileText(HeaderTokens())));
    ASSERT_TRUE(h.has_value());
    EXPECT_EQ(h->wakeRowCount, 25);
    EXPECT_DOUBLE_EQ(h->trailingEdgeWakeFactor, 0.1);
    EXPECT_DOUBLE_EQ(h->wakeLengthFactor, 5.0);
    EXPECT_EQ(h->symmetryFlag, 1);
    EXPECT_EQ(h->chordPointCount, 9);
    EXPECT_EQ(h->chordPanelCount, 4);
    EXPECT_EQ(h->spanPointCount, 5);
    EXPECT_EQ(h->spanPanelCount, 2);
}

TEST(Panel3dGridHeader, HeadersThatPassAndThoseThatFail) {
    struct Case {
        const char* what;
        std::function<void(std::vector<std::string>&)> edit;
        bool passes;
    };
    const auto set = [](int token, std::string value) {
        return [token, value](std::vector<std::string>& t) { t[token - 1] = value; };
    };
    const Case cases[] = {
        {"tenth token #nwake", set(10, "#nwake"), true},
        {"twelfth token #eps", set(12, "#eps"), true},
        {"#wlaenge and #sfymm",
         [](auto& t) {
             t[13] = "#wlaenge";
             t[15] = "#sfymm";
         },
         true},
        {"a free word of 10,000 characters", set(1, std::string(10000, 'W')), true},
        {"3 x 3 points",
         [](auto& t) {
             t[18] = "3";
             t[21] = "3";
         },
         true},
        {"one free-wake row", set(11, "1"), true},
        {"100 free-wake rows", set(11, "100"), true},
        {"factors as exponents",
         [](auto& t) {
             t[12] = "1e-1";
             t[14] = "+5";
         },
         true},
        {"symmetry flag 0", set(17, "0"), true},
        {"61 x 101 points: exactly 6000 panels",
         [](auto& t) {
             t[18] = "61";
             t[21] = "101";
         },
         true},

        {"#nv", set(10, "#nv"), false},
        {"#E", set(12, "#E"), false},
        {"#w", set(14, "#w"), false},
        {"#s", set(16, "#sx"), false},
        {"#NW in capitals", set(10, "#NW"), false},
        {"eight free words", [](auto& t) { t.erase(t.begin()); }, false},
        {"an even point count", set(19, "8"), false},
        {"an even row count", set(22, "4"), false},
        {"a point count of 1", set(19, "1"), false},
        {"a row count of 1", set(22, "1"), false},
        {"a negative count", set(19, "-9"), false},
        {"a count written 9.0", set(19, "9.0"), false},
        {"a count with a unit", set(22, "5x"), false},
        {"a count beyond int", set(19, "99999999999999999999"), false},
        {"symmetry flag 1.0", set(17, "1.0"), false},
        {"nw 0", set(11, "0"), false},
        {"nw 101", set(11, "101"), false},
        {"nw 2.5", set(11, "2.5"), false},
        {"trailing-edge factor 0", set(13, "0"), false},
        {"wake length 0", set(15, "0.0"), false},
        {"negative factor", set(13, "-0.1"), false},
        {"factor nan", set(13, "nan"), false},
        {"factor inf", set(15, "inf"), false},
        {"factor beyond double", set(15, "1e400"), false},
        {"factor with a unit", set(13, "0.1m"), false},
        {"61 x 103 points: 6120 panels",
         [](auto& t) {
             t[18] = "61";
             t[21] = "103";
         },
         false},
        {"huge counts",
         [](auto& t) {
             t[18] = "2000000001";
             t[21] = "2000000001";
         },
         false},
    };
    TempDir dir;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> tokens = HeaderTokens();
        c.edit(tokens);
        const std::string text = FileText(tokens);
        EXPECT_EQ(ReadPanel3dGridHeader(WriteFile(dir, text)).has_value(), c.passes);
        EXPECT_EQ(ParsePanel3dGridHeader(text).has_value(), c.passes);
    }
}

TEST(Panel3dGridHeader, ATextThatEndsBeforeTheRowCountFails) {
    std::vector<std::string> tokens = HeaderTokens();
    std::string text;
    for (size_t k = 0; k < 21; ++k) text += tokens[k] + " ";
    EXPECT_FALSE(ParsePanel3dGridHeader(text).has_value());
    EXPECT_FALSE(ParsePanel3dGridHeader("").has_value());
}

TEST(Panel3dGridHeader, TokensMaySplitOverLinesAndTabsAnyHow) {
    std::string text;
    for (const std::string& t : panel3d_test::GridHeaderTokens(1, 1))
        text += "\t" + t + (t.size() % 2 ? "\r\n" : "  ");
    const auto h = ParsePanel3dGridHeader(text);
    ASSERT_TRUE(h.has_value());
    EXPECT_EQ(h->chordPanelCount, 1);
    EXPECT_EQ(h->spanPanelCount, 1);
}

TEST(Panel3dGridHeader, MissingFilesAndFoldersFailAndReadingCommitsNothing) {
    TempDir dir;
    std::filesystem::create_directory(dir.file("ordner.fdp"));
    panel3d::Panel3dWakeRowCount = 25;
    panel3d::Panel3dChordPanelCount = 0;
    EXPECT_FALSE(ReadPanel3dGridHeader(dir.file("fehlt.fdp")).has_value());
    EXPECT_FALSE(std::filesystem::exists(dir.file("fehlt.fdp")));
    EXPECT_FALSE(ReadPanel3dGridHeader(dir.file("ordner.fdp")).has_value());
    std::vector<std::string> tokens = HeaderTokens();
    tokens[10] = "10";
    EXPECT_TRUE(ReadPanel3dGridHeader(WriteFile(dir, FileText(tokens))).has_value());
    // The run commits a header only together with a model read from the file.
    EXPECT_EQ(panel3d::Panel3dWakeRowCount, 25);
    EXPECT_EQ(panel3d::Panel3dChordPanelCount, 0);
}

}  // namespace
