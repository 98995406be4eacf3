#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "panel3d/core/Panel3dModel.h"
#include "panel3d/core/Panel3dModule.h"
#include "tests/panel3d/core/Panel3dTestGrids.h"
#include "tests/support/TempDir.h"

namespace {

using panel3d_test::GridHeaderTokens;
using panel3d_test::GridText;
using panel3d_test::TestWing;

std::shared_ptr<Panel3dModel> NewModel(int n, int m) {
    return Panel3dModel::Create(panel3d_test::SizesOf(n, m));
}

// Point (i, s) of a grid whose coordinates say where they stand.
Panel3dVector Numbered(int i, int s) { return {double(i), double(s), 100.0 + 10.0 * s + i}; }

std::vector<Panel3dVector> NumberedPoints(int n, int m) {
    std::vector<Panel3dVector> p;
    for (int s = 0; s <= 2 * m; ++s) {
        for (int i = 0; i <= 2 * n; ++i) p.push_back(Numbered(i, s));
    }
    return p;
}

void ExpectCorner(const Panel3dModel& model, int panel, int corner, const Panel3dVector& p) {
    SCOPED_TRACE(testing::Message() << "panel " << panel << " corner " << corner);
    const Panel3dVector c = model.wingPanels[panel].Corner(corner);
    EXPECT_EQ(c.x, p.x);
    EXPECT_EQ(c.y, p.y);
    EXPECT_EQ(c.z, p.z);
}

TEST(Panel3dGridPoints, SmallestGridPutsTheMiddlePointIntoFourPanels) {
    const auto model = NewModel(1, 1);
    ASSERT_TRUE(model->ReadGridPointsText(GridText(GridHeaderTokens(1, 1), NumberedPoints(1, 1))));
    ExpectCorner(*model, 0, 0, Numbered(1, 1));
    ExpectCorner(*model, 1, 3, Numbered(1, 1));
    ExpectCorner(*model, 2, 1, Numbered(1, 1));
    ExpectCorner(*model, 3, 2, Numbered(1, 1));
    // The four grid corners belong to one panel each.
    ExpectCorner(*model, 0, 2, Numbered(0, 0));
    ExpectCorner(*model, 1, 1, Numbered(2, 0));
    ExpectCorner(*model, 2, 3, Numbered(0, 2));
    ExpectCorner(*model, 3, 0, Numbered(2, 2));
}

TEST(Panel3dGridPoints, EveryCornerHoldsItsGridPoint) {
    for (const auto& [n, m] : {std::pair{4, 2}, std::pair{1, 3}, std::pair{3, 1}}) {
        SCOPED_TRACE(testing::Message() << "N=" << n << " M=" << m);
        const auto model = NewModel(n, m);
        ASSERT_TRUE(
            model->ReadGridPointsText(GridText(GridHeaderTokens(n, m), NumberedPoints(n, m))));
        for (int j = 0; j < 2 * m; ++j) {
            for (int i = 0; i < 2 * n; ++i) {
                const int p = 2 * n * j + i;
                ExpectCorner(*model, p, 0, Numbered(i + 1, j + 1));
                ExpectCorner(*model, p, 1, Numbered(i + 1, j));
                ExpectCorner(*model, p, 2, Numbered(i, j));
                ExpectCorner(*model, p, 3, Numbered(i, j + 1));
            }
        }
    }
}

TEST(Panel3dGridPoints, LineStructureLongWordsAndTrailingTokensDoNotMatter) {
    TestWing wing;
    const auto reference = NewModel(2, 2);
    ASSERT_TRUE(reference->ReadGridPointsText(GridText(wing)));

    std::vector<std::string> oddHeader = GridHeaderTokens(2, 2);
    // The five tokens after the station count are skipped whatever they hold.
    oddHeader[22] = "1.0";
    oddHeader[23] = "-7";
    oddHeader[24] = std::string(10000, 'w');
    oddHeader[25] = "#nw";
    oddHeader[26] = "1e5";
    oddHeader[0] = std::string(10000, 'a');
    const struct {
        const char* what;
        std::string text;
    } variants[] = {
        {"one number per line", GridText(wing, "\n")},
        {"tabs and CR LF", GridText(GridHeaderTokens(2, 2), wing.Points(), "\t\r\n")},
        {"odd header words", GridText(oddHeader, wing.Points())},
        {"tokens after the body", GridText(wing) + "9 9 9 Ende der Datei\n"},
    };
    for (const auto& v : variants) {
        SCOPED_TRACE(v.what);
        const auto model = NewModel(2, 2);
        ASSERT_TRUE(model->ReadGridPointsText(v.text));
        for (size_t p = 0; p < model->wingPanels.size(); ++p) {
            EXPECT_EQ(model->wingPanels[p].cornerX, reference->wingPanels[p].cornerX);
            EXPECT_EQ(model->wingPanels[p].cornerY, reference->wingPanels[p].cornerY);
            EXPECT_EQ(model->wingPanels[p].cornerZ, reference->wingPanels[p].cornerZ);
        }
    }
}

TEST(Panel3dGridPoints, BrokenBodiesFailAndLeaveTheCornersAsTheyWere) {
    const TestWing wing;
    const std::string good = GridText(wing);
    std::vector<Panel3dVector> onePointShort = wing.Points();
    onePointShort.pop_back();
    const std::string header = GridText(GridHeaderTokens(2, 2), {});
    std::string lastNumberMissing = good;
    lastNumberMissing.erase(lastNumberMissing.find_last_of(' '));
    auto replaceFirstBodyNumber = [&](const std::string& token) {
        return header + token + good.substr(good.find(' ', header.size()));
    };
    auto replaceLastNumber = [&](const std::string& token) {
        return good.substr(0, good.find_last_of(' ') + 1) + token;
    };
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"header only", header},
        {"short header", "a b c"},
        {"last coordinate missing", lastNumberMissing},
        {"one point short", GridText(GridHeaderTokens(2, 2), onePointShort)},
        {"body word", replaceFirstBodyNumber("Fluegel")},
        {"nan", replaceFirstBodyNumber("nan")},
        {"inf", replaceFirstBodyNumber("-inf")},
        {"beyond a double", replaceFirstBodyNumber("1e999")},
        {"lone sign", replaceFirstBodyNumber("-")},
        {"decimal comma as the last token", replaceLastNumber("0,5")},
        {"unit glued to the last token", replaceLastNumber("0.5m")},
    };
    ASSERT_TRUE(NewModel(2, 2)->ReadGridPointsText(good));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const auto model = NewModel(2, 2);
        EXPECT_FALSE(model->ReadGridPointsText(c.text));
        for (const Panel3dPanel& p : model->wingPanels) {
            for (int k = 0; k < 4; ++k) {
                EXPECT_EQ(p.cornerX[k], 0.0);
                EXPECT_EQ(p.cornerY[k], 0.0);
                EXPECT_EQ(p.cornerZ[k], 0.0);
            }
        }
    }
}

TEST(Panel3dGridPoints, ReadsTheNamedFile) {
    luvo::test::TempDir dir;
    const TestWing wing;
    std::ofstream(dir.file("grid.fdp")) << GridText(wing);
    const auto model = NewModel(2, 2);
    ASSERT_TRUE(model->ReadGridPoints(dir.file("grid.fdp")));
    const Panel3dVector last = wing.Point(4, 4);
    EXPECT_EQ(model->wingPanels.back().Corner(0).y, last.y);
    EXPECT_FALSE(NewModel(2, 2)->ReadGridPoints(dir.file("missing.fdp")));
    EXPECT_FALSE(NewModel(2, 2)->ReadGridPoints(dir.path().string()));  // a folder
    EXPECT_FALSE(NewModel(2, 2)->ReadGridPoints(""));
}

}  // namespace
