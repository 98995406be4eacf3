#include <gtest/gtest.h>

#include <clocale>
#include <fstream>
#include <iterator>
#include <limits>
#include <locale>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "tests/panel3d/core/Panel3dSolverFixtures.h"
#include "tests/support/TempDir.h"

namespace {

using luvo::test::TempDir;

std::string ReadFile(const std::string& name) {
    std::ifstream in(name, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

Panel3dResultFileNames NameFiles(const TempDir& dir) {
    return {dir.file("3D.dat"), dir.file("cp-x.dat"), dir.file("ca-y.dat")};
}

TEST(Panel3dResultFiles, ZonesRowsAndTotalsOfASolvedWing) {
    auto w = panel3d_test::PreparedWing(2, 3, 25, 1, 4.0);
    ASSERT_TRUE(w && panel3d_test::SolveRun(*w, 0));
    w->referenceArea = 1234.567891;
    w->kFactor = 0.25;
    w->momentY = std::numeric_limits<double>::quiet_NaN();
    w->stripLift[0] = std::numeric_limits<double>::infinity();
    TempDir dir;
    Panel3dResultFileNames names = NameFiles(dir);
    EXPECT_TRUE(w->WriteResultFiles(names).empty());

    const std::vector<std::string> d3 = Lines(ReadFile(names.file3d));
    ASSERT_GE(d3.size(), 4u);
    EXPECT_EQ(d3[0], "TITLE = \" 3D-Daten\"");
    EXPECT_EQ(d3[2], "");
    EXPECT_EQ(d3[3], "ZONE T=\"Network Wing\", I=4, J=6, F=POINT");
    EXPECT_EQ(d3[4], "");
    const size_t wakeZone = 5 + 24 + 1;  // after the 24 wing rows and an empty line
    ASSERT_GT(d3.size(), wakeZone + 2);
    EXPECT_EQ(d3[wakeZone - 1], "");
    EXPECT_EQ(d3[wakeZone], "ZONE T=\"Network Wake\", I=26, J=6, F=POINT");
    EXPECT_EQ(d3.size(), wakeZone + 2 + 156);
    // The first wing row: the centroid and values of panel 0, two blanks apart.
    const Panel3dPanel& p = w->wingPanels[0];
    char row[256];
    std::snprintf(row, sizeof row, "%.8g  %.8g  %.8g  %.8g  %.8g  %.8g  %.8g", p.centroid[0],
                  p.centroid[1], p.centroid[2], p.sourceStrength, p.doubletStrength,
                  p.velocityMagnitude, p.pressureCoefficient);
    EXPECT_EQ(d3[5], row);
    // The wake zone runs strip by strip: the trailing-edge panel, then its free-wake rows.
    const Panel3dPanel& second = w->freeWake[0];
    std::snprintf(row, sizeof row, "%.8g  %.8g", second.centroid[0], second.centroid[1]);
    EXPECT_EQ(d3[wakeZone + 3].rfind(row, 0), 0u) << d3[wakeZone + 3];

    const std::string ca = ReadFile(names.fileCa);
    const std::vector<std::string> cl = Lines(ca);
    ASSERT_GE(cl.size(), 12u);
    EXPECT_EQ(cl[0], "#Area_ges= 1234.5679");
    EXPECT_EQ(cl[1], "#k_factor= 0.25");
    EXPECT_EQ(cl[6], "#cMy= nan");
    EXPECT_EQ(cl[8], "");
    EXPECT_EQ(cl[9],
              "TITLE = \"ca, cWi und Gamma \xFC"
              "ber Y\"");
    EXPECT_EQ(cl[11], "");
    EXPECT_EQ(cl[12].substr(cl[12].find("  ")), "  0  " + cl[12].substr(cl[12].find("  ") + 5))
        << "a value that is not finite is written as 0 in a row";
    EXPECT_EQ(cl.size(), 12u + 6 + 2);  // two empty lines at the end
    EXPECT_EQ(ca.substr(ca.size() - 3), "\n\n\n");

    const std::vector<std::string> cp = Lines(ReadFile(names.fileCp));
    EXPECT_EQ(cp[0], "");
    EXPECT_EQ(cp[1],
              "TITLE = \"cp \xFC"
              "ber X\"");
    EXPECT_EQ(cp[3], "");
    std::snprintf(row, sizeof row, "ZONE T=\"cp-Verlauf bei Y= %.8g\"", p.centroid[1]);
    EXPECT_EQ(cp[4], row);
    EXPECT_EQ(cp.size(), 3u + 6 * (2 + 4));
}

TEST(Panel3dResultFiles, SameBytesUnderAGermanLocale) {
    auto w = panel3d_test::PreparedWing(2, 2, 3, 1, 4.0);
    ASSERT_TRUE(w && panel3d_test::SolveRun(*w, 0));
    TempDir dir;
    Panel3dResultFileNames names = NameFiles(dir);
    ASSERT_TRUE(w->WriteResultFiles(names).empty());
    const std::string files[] = {ReadFile(names.file3d), ReadFile(names.fileCa),
                                 ReadFile(names.fileCp)};
    const std::locale old = std::locale::global(std::locale::classic());
    try {
        std::locale::global(std::locale("de_DE.UTF-8"));
    } catch (const std::runtime_error&) {
        // Not installed here: the comparison still runs under the classic locale.
    }
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    ASSERT_TRUE(w->WriteResultFiles(names).empty());
    std::locale::global(old);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(ReadFile(names.file3d), files[0]);
    EXPECT_EQ(ReadFile(names.fileCa), files[1]);
    EXPECT_EQ(ReadFile(names.fileCp), files[2]);
    EXPECT_FALSE(std::regex_search(files[0] + files[1] + files[2], std::regex("[0-9],[0-9]")));
}

TEST(Panel3dResultFiles, AFolderAsANameIsReportedAndTheOthersAreWritten) {
    auto w = panel3d_test::PreparedWing(2, 2, 3, 1, 4.0);
    ASSERT_TRUE(w && panel3d_test::SolveRun(*w, 0));
    TempDir dir;
    Panel3dResultFileNames names = NameFiles(dir);
    names.fileCa = dir.path().string();
    EXPECT_EQ(w->WriteResultFiles(names), std::vector<std::string>{dir.path().string()});
    EXPECT_FALSE(ReadFile(names.file3d).empty());
    EXPECT_FALSE(ReadFile(names.fileCp).empty());
}

}  // namespace
