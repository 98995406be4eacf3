// The grid file "*.fdw": what the reader takes, what it refuses (and that a refused file runs
// nothing), and a file with an odd strip count that must run the full system.

#include "vlm/core/VlmGridFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "tests/support/TempDir.h"
#include "tests/vlm/core/VlmTestWings.h"

namespace {

using vlm_test::Join;
using vlm_test::RectangleGridTokens;

TEST(VlmGridFile, DefaultWingFileHas796TokensAndReadsBack) {
    const VlmRunValues v = VlmInteractiveRunValues(vlm_test::DefaultInputs());
    const auto built = vlm_test::BuildInteractive(v);
    const std::string text = vlm_test::GridFileText(*built, v);
    std::istringstream in(text);
    int tokens = 0;
    for (std::string word; in >> word;) ++tokens;
    EXPECT_EQ(tokens, 796);

    const auto grid = ParseVlmGridText(text);
    ASSERT_TRUE(grid);
    EXPECT_EQ(grid->wakeElementCount, 25);
    EXPECT_EQ(grid->wakeLength, 5.0);
    EXPECT_EQ(grid->symmetryFlag, 0);
    EXPECT_EQ(grid->chordwiseCount, 30);
    EXPECT_EQ(grid->spanwiseCount, 30);
    EXPECT_EQ(grid->distributionParameter, 4.0);
    EXPECT_EQ(grid->stripsPerSegment, (std::vector<int>{15, 15}));
    EXPECT_EQ(grid->dihedral, (std::vector<double>{5.0, -5.0}));
    EXPECT_EQ(grid->tables.stationTrailingY, (std::vector<double>{3.0, 0.0, -3.0}));
    EXPECT_EQ(grid->tables.stripEdgeLeadingX.size(), 31u);
    EXPECT_EQ(grid->tables.stationBirnbaum[2][1], built->segments[0].birnbaumA[2]);
    EXPECT_EQ(grid->tables.stationBirnbaum[0][2], built->segments[1].birnbaumA[0]);
}

TEST(VlmGridFile, TagsCompareTheirFirstThreeCharacters) {
    struct Case {
        size_t token;
        const char* word;
        bool accepted;
    };
    const Case cases[] = {
        {9, "#nwx", true}, {9, "#nw", true},   {11, "#wl_Laenge", true}, {13, "#ssss", true},
        {9, "#NW", false}, {9, "#n", false},   {11, "#WL", false},       {13, "ss#", false},
        {9, "nw", false},  {13, "#sx", false},
    };
    for (const Case& c : cases) {
        auto tokens = RectangleGridTokens(2, 4, 3, 4.0, 1.0, 0.05);
        tokens[c.token] = c.word;
        EXPECT_EQ(ParseVlmGridText(Join(tokens)).has_value(), c.accepted) << c.word;
    }
}

TEST(VlmGridFile, RefusesFilesThatDoNotDescribeALattice) {
    // Token indices (0-based): nw 10, wl 12, ss 14, nx 16, ny 18, k 20, nseg 22, strips 31.
    struct Case {
        const char* what;
        size_t token;
        const char* word;
    };
    const Case cases[] = {
        {"count with a fraction", 18, "4.5"},
        {"word for a count", 16, "zwei"},
        {"symmetry flag 2", 14, "2"},
        {"symmetry flag -1", 14, "-1"},
        {"nx 0", 16, "0"},
        {"ny 1", 18, "1"},
        {"nw 0", 10, "0"},
        {"nseg 0", 22, "0"},
        {"negative strips", 31, "-4"},
        {"strips short of ny", 31, "3"},
        {"strips beyond ny", 31, "5"},
        {"wake length 0", 12, "0"},
        {"negative k", 20, "-1"},
        {"value not finite", 40, "inf"},
        {"value nan", 40, "nan"},
        {"value too large", 40, "1e999"},
        {"nx 101", 16, "101"},
        {"ny 202", 18, "202"},
        {"nw 501", 10, "501"},
        {"nseg 201", 22, "201"},
        {"word for a value", 40, "x"},
    };
    for (const Case& c : cases) {
        auto tokens = RectangleGridTokens(2, 4, 3, 4.0, 1.0, 0.05);
        tokens[c.token] = c.word;
        EXPECT_FALSE(ParseVlmGridText(Join(tokens))) << c.what;
    }
    // More than 8000 elements, even within the limits of each count.
    auto big = RectangleGridTokens(2, 4, 3, 4.0, 1.0, 0.05);
    big[16] = "100";
    big[18] = "81";
    big[31] = "81";
    EXPECT_FALSE(ParseVlmGridText(Join(big)));
    // A body one value short, an empty text, and the valid file itself.
    auto tokens = RectangleGridTokens(2, 4, 3, 4.0, 1.0, 0.05);
    EXPECT_TRUE(ParseVlmGridText(Join(tokens)));
    tokens.pop_back();
    EXPECT_FALSE(ParseVlmGridText(Join(tokens)));
    EXPECT_FALSE(ParseVlmGridText(""));
    // Labels of any length.
    tokens = RectangleGridTokens(2, 4, 3, 4.0, 1.0, 0.05);
    tokens[0] = std::string(10000, 'w');
    EXPECT_TRUE(ParseVlmGridText(Join(tokens)));
}

TEST(VlmGridFile, ValuesAreWholeTokens) {
    // The last token is the one whose rest no later read would trip over.
    for (const char* last : {"0,5", "0.5x", "5e", "1.0.0", "1-2"}) {
        auto tokens = RectangleGridTokens(2, 4, 3, 4.0, 1.0, 0.05);
        tokens.back() = last;
        EXPECT_FALSE(ParseVlmGridText(Join(tokens))) << last;
    }
    for (const char* last : {"0.5", "-5e-1", "+.5", ".50"}) {
        auto tokens = RectangleGridTokens(2, 4, 3, 4.0, 1.0, 0.05);
        tokens.back() = last;
        const auto grid = ParseVlmGridText(Join(tokens));
        ASSERT_TRUE(grid) << last;
        EXPECT_EQ(std::fabs(grid->tables.stationBirnbaum[20].back()), 0.5) << last;
    }
}

TEST(VlmGridFile, RefusedOrMissingFileRunsNothing) {
    luvo::test::ScopedWorkDir work;
    auto tokens = RectangleGridTokens(2, 4, 3, 4.0, 1.0, 0.05);
    tokens[9] = "#NW";
    {
        std::ofstream file("grid.fdw", std::ios::binary);
        file << Join(tokens);
    }
    VlmGridRunInputs in;
    in.birnbaumCount = 21;
    in.result3dFileName = "3D.dat";
    in.resultCpFileName = "cp-x.dat";
    in.resultCaFileName = "ca-y.dat";
    for (const char* name : {"grid.fdw", "fehlt.fdw", "."}) {
        const VlmRunOutcome out = RunVlmGridFile(in, name, nullptr);
        EXPECT_EQ(out.error, VlmRunError::kGridFile) << name;
        EXPECT_FALSE(out.results);
    }
    EXPECT_FALSE(std::filesystem::exists("3D.dat"));
    EXPECT_FALSE(std::filesystem::exists("ca-y.dat"));
}

TEST(VlmGridFile, OddStripCountRunsTheFullSystem) {
    // ny 31 with "#ss" 0 and no sideslip: the strips do not pair up, so the full system runs and
    // still gives a mirror-image circulation.
    const auto grid = ParseVlmGridText(Join(RectangleGridTokens(3, 31, 10, 6.0, 1.0, 0.08)));
    ASSERT_TRUE(grid);
    VlmGridRunInputs in;
    in.birnbaumCount = 21;
    in.dampingFactor = 1.0;
    for (const int wakeModel : {0, 1}) {
        in.wakeModel = wakeModel;
        in.iterationCount = wakeModel;
        const VlmRunValues v = VlmGridRunValues(in, *grid);
        auto s = vlm_test::BuildGrid(v, *grid);
        EXPECT_FALSE(s->UsesHalfSystem());
        ASSERT_EQ(s->Solve(), VlmRunError::kNone);
        for (int j = 0; j < 31; ++j)
            for (int i = 0; i < 3; ++i)
                EXPECT_NEAR(s->gamma[i + 3 * j], s->gamma[i + 3 * (30 - j)], 1e-12) << j;
        EXPECT_GT(s->results.ca, 0.0);
        EXPECT_NEAR(s->results.cmx, 0.0, 1e-12);
    }
}

}  // namespace
