// Profile-coordinate and result files of the supersonic method, and the profiles and label texts
// the design windows start with.

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "common/core/NumberText.h"
#include "supersonic/core/SupersonicFiles.h"
#include "supersonic/core/SupersonicResultTexts.h"
#include "tests/supersonic/core/SupersonicTestProfiles.h"
#include "tests/support/TempDir.h"

namespace {

using luvo::test::ReadFileBytes;
using luvo::test::TempDir;
using Window = SupersonicWindow;

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < bytes.size()) {
        const size_t end = bytes.find('\n', pos);
        lines.push_back(bytes.substr(pos, end - pos));
        if (end == std::string::npos) break;
        pos = end + 1;
    }
    return lines;
}

// Items of a block line: numbers each led by a tab.
std::vector<double> TabItems(const std::string& line) {
    std::vector<double> items;
    for (size_t at = line.find('\t'); at != std::string::npos; at = line.find('\t', at + 1)) {
        items.push_back(luvo::ParseLeadingNumber(line.substr(at + 1)));
    }
    return items;
}

SupersonicProfile DefaultProfile(Window w) {
    return SupersonicStartProfile(w, SupersonicDefaultSettings(w));
}

TEST(SupersonicStartProfiles, DefaultsOfBothWindows) {
    const SupersonicProfile parts = DefaultProfile(Window::Parts);
    EXPECT_TRUE(parts.partsMode);
    EXPECT_EQ(parts.mach, 3.0);
    EXPECT_EQ(parts.alpha, 3.0);
    EXPECT_EQ(parts.kappa, 1.4);
    EXPECT_EQ(parts.part1.supportCount, 1);
    EXPECT_TRUE(parts.part1.lagrange);
    EXPECT_FALSE(parts.part2.curved);
    EXPECT_EQ(parts.part2.supportPoints[2], (SupersonicPoint{0.25, 0.02}));
    EXPECT_EQ(parts.part2.supportPoints[5], (SupersonicPoint{0.0, 0.0}));
    // Parabolic camber of 2 % and a diamond of 8 %.
    EXPECT_NEAR(parts.camberLine[95].z, 0.02, 1e-15);
    EXPECT_NEAR(parts.upper[95].z, 0.06, 1e-15);
    EXPECT_NEAR(parts.lower[95].z, -0.02, 1e-15);
    EXPECT_FALSE(parts.subsonic);
    EXPECT_GT(parts.seLift, 0.0);
    const SupersonicResultTexts t = SupersonicFormatResults(parts);
    EXPECT_EQ(t.camber, "2.00");
    EXPECT_EQ(t.thickness, "8.00");

    const SupersonicProfile contour = DefaultProfile(Window::Contour);
    EXPECT_FALSE(contour.partsMode);
    EXPECT_EQ(contour.alpha, 4.0);
    EXPECT_EQ(contour.part1.supportCount, 3);
    EXPECT_EQ(contour.part2.supportCount, 2);
    EXPECT_TRUE(contour.part1.curved);
    EXPECT_TRUE(contour.part2.curved);
    EXPECT_FALSE(contour.part1.lagrange);
    EXPECT_EQ(contour.part1.endCurvature0, -2.0);
    EXPECT_EQ(contour.part2.endCurvature0, 1.0);
    // The spline passes through the support points, which are taken in any order.
    EXPECT_NEAR(contour.part1.points[0].z, 0.0, 1e-15);
    EXPECT_NEAR(contour.upper[190].z, 0.0, 1e-15);
    EXPECT_GT(contour.seLift, 0.0);
    EXPECT_FALSE(contour.subsonic);
}

TEST(SupersonicResultTexts, FormatsAsTheLabelsShowThem) {
    // Flat plate at 3 degrees, Mach 3.
    SupersonicProfile p = supersonic_test::PartsProfile(3.0, 3.0, 1.4, 0.0, 0.0);
    SupersonicResultTexts t = SupersonicFormatResults(p);
    EXPECT_EQ(t.liftLinear, "0.0740");
    EXPECT_EQ(t.waveDragAntimetric, "0.0039");
    EXPECT_EQ(t.waveDragLinear, "0.0039");
    EXPECT_EQ(t.waveDragSymmetric, "0");
    EXPECT_EQ(t.momentLinear, "-0.0370");
    EXPECT_EQ(t.pressurePointLinear, "0.500");
    EXPECT_EQ(t.shock.pressurePoint, "0.501");
    EXPECT_FALSE(t.subsonic);

    // Symmetric at zero incidence: zero lift shows " - " in the linearised column, and the
    // shock-expansion lift, moment and pressure point (0/0) show "0".
    p = supersonic_test::PartsProfile(3.0, 0.0, 1.4, 0.0, 0.03);
    t = SupersonicFormatResults(p);
    EXPECT_EQ(t.pressurePointLinear, " - ");
    EXPECT_EQ(t.liftLinear, "0");
    EXPECT_EQ(t.shock.lift, "0");
    EXPECT_EQ(t.shock.moment, "0");
    EXPECT_EQ(t.shock.pressurePoint, "0");
    EXPECT_NE(t.shock.waveDrag, "0");

    // Small values show "0"; a camber line below the chord shows f/t 0.00.
    p.linLift = 0.00004;
    p.part1.points[50].z = -0.03;
    t = SupersonicFormatResults(p);
    EXPECT_EQ(t.liftLinear, "0");
    EXPECT_EQ(t.camber, "0.00");

    // Subsonic: four times " -".
    p.subsonic = true;
    t = SupersonicFormatResults(p);
    EXPECT_TRUE(t.subsonic);
    EXPECT_EQ(t.shock.waveDrag, " -");
    EXPECT_EQ(t.shock.pressurePoint, " -");

    // Coefficient mode: alpha* derived from A0 and A2, and the coefficients themselves.
    SupersonicProfile c(true);
    c.mach = 2.0;
    c.kappa = 1.4;
    c.part1.coefficientMode = true;
    c.part1.coefficients = {0.05, 0.08, 0.03, 0, 0, 0};
    c.Compute();
    t = SupersonicFormatResults(c);
    EXPECT_EQ(t.alpha, "2.29");
    EXPECT_EQ(t.coefficients[1], "0.08000");
    EXPECT_EQ(t.coefficients[5], "0.00000");
}

TEST(SupersonicCoordinateFile, WrittenAndReadBack) {
    TempDir dir;
    const std::string path = dir.file("profil.pol");
    for (Window w : {Window::Parts, Window::Contour}) {
        SCOPED_TRACE(w == Window::Parts ? "parts" : "contour");
        const SupersonicProfile p = DefaultProfile(w);
        ASSERT_TRUE(WriteSupersonicCoordinateFile(path, p));
        const std::vector<std::string> lines = Lines(ReadFileBytes(path));
        ASSERT_EQ(lines.size(), 381u);
        EXPECT_EQ(lines[0], luvo::FormatNumber("%.8f", p.upper[190].x) + "\t" +
                                luvo::FormatNumber("%.8f", p.upper[190].z));
        EXPECT_EQ(lines[190], "0.00000000\t0.00000000");
        EXPECT_EQ(lines[191], luvo::FormatNumber("%.8f", p.lower[1].x) + "\t" +
                                  luvo::FormatNumber("%.8f", p.lower[1].z));

        SupersonicContour contour;
        ASSERT_TRUE(ReadSupersonicContourFile(path, contour));
        ASSERT_EQ(contour.upper.size(), 191u);
        ASSERT_EQ(contour.lower.size(), 191u);
        SupersonicSettings settings = SupersonicDefaultSettings(Window::Contour);
        settings.alpha = p.alpha;
        const SupersonicProfile back = SupersonicStartProfile(Window::Contour, settings, &contour);
        EXPECT_FALSE(back.part1.rebuild);
        EXPECT_EQ(back.part1.supportCount, 0);
        for (int i = 0; i < 191; ++i) {
            EXPECT_NEAR(back.upper[i].z, p.upper[i].z, 1e-8);
            EXPECT_NEAR(back.lower[i].z, p.lower[i].z, 1e-8);
        }
        // The eight decimals of the file move every slope a little, and the waves follow them
        // smoothly. Except across the rule that turns below 0.001 degrees leave the flow alone:
        // the default lower contour turns by -0.001003 degrees at panel 174, which the file moves
        // across that threshold, and one lost turn of 0.001 degrees changes cp behind it by about
        // 1e-5.
        const double shockTolerance = w == Window::Parts ? 1e-9 : 3e-5;
        EXPECT_NEAR(back.seLift, p.seLift, shockTolerance);
        EXPECT_NEAR(back.seDrag, p.seDrag, shockTolerance);
        EXPECT_NEAR(back.seMoment, p.seMoment, shockTolerance);
        EXPECT_NEAR(back.linLift, p.linLift, 1e-5);
        EXPECT_NEAR(back.linDragAlphaCamber + back.linDragThickness,
                    p.linDragAlphaCamber + p.linDragThickness, 1e-5);
        EXPECT_NEAR(back.linMoment, p.linMoment, 1e-5);
    }
    EXPECT_FALSE(
        WriteSupersonicCoordinateFile(dir.file("fehlt/profil.pol"), DefaultProfile(Window::Parts)));
}

TEST(SupersonicCoordinateFile, SidesSplitAtTheLastLeadingEdgeLine) {
    // Upper side from the trailing edge to x = 0 at the fifth line, the lower side four more.
    const std::string five =
        "1.0 0.0\n0.75\t0.02\n0.5 0.04\n0.25 0.03\n0 0\n0.3 -0.02\n0.6 -0.03\n0.8 -0.01\n1 0\n";
    SupersonicContour c;
    ASSERT_TRUE(ReadSupersonicContourText(five, c));
    ASSERT_EQ(c.upper.size(), 5u);
    ASSERT_EQ(c.lower.size(), 5u);
    const std::vector<SupersonicPoint> upper = {
        {0, 0}, {0.25, 0.03}, {0.5, 0.04}, {0.75, 0.02}, {1, 0}};
    const std::vector<SupersonicPoint> lower = {
        {0, 0}, {0.3, -0.02}, {0.6, -0.03}, {0.8, -0.01}, {1, 0}};
    EXPECT_EQ(c.upper, upper);
    EXPECT_EQ(c.lower, lower);
    // Interpolated onto the grid: the diamond-like sides are straight between their points.
    const SupersonicProfile p =
        SupersonicStartProfile(Window::Contour, SupersonicDefaultSettings(Window::Contour), &c);
    EXPECT_NEAR(p.upper[19].z, 0.03 * 0.1 / 0.25, 1e-15);          // x = 0.1
    EXPECT_NEAR(p.lower[133].z, -0.03 + 0.02 * 0.1 / 0.2, 1e-15);  // x = 0.7

    // Comment lines, empty lines and blanks before a line hold no point.
    SupersonicContour commented;
    ASSERT_TRUE(
        ReadSupersonicContourText("# Profil\n\n1.0 0.0\n0.75\t0.02\n  0.5 0.04\n0.25 0.03  \n"
                                  " \t0 0\n0.3 -0.02\n0.6 -0.03\n\n0.8 -0.01\n1 0\n",
                                  commented));
    EXPECT_EQ(commented.upper, upper);
    EXPECT_EQ(commented.lower, lower);

    // Windows line ends, and an editor's byte order mark, read the same.
    std::string crlf;
    for (char ch : five) crlf += ch == '\n' ? std::string("\r\n") : std::string(1, ch);
    for (const std::string& text : {crlf, "\xEF\xBB\xBF" + five}) {
        SupersonicContour read;
        ASSERT_TRUE(ReadSupersonicContourText(text, read));
        EXPECT_EQ(read.upper, upper);
        EXPECT_EQ(read.lower, lower);
    }
}

TEST(SupersonicCoordinateFile, NotAContour) {
    std::string tooLong;
    for (int i = 0; i < 100001; ++i) tooLong += "0.5 0.01\n";
    const std::vector<std::pair<const char*, std::string>> cases = {
        {"empty", ""},
        {"no leading edge", "1 0\n0.5 0.04\n0.1 0.01\n"},
        {"leading edge only at the end", "1 0\n0.5 0.04\n0 0\n"},
        {"one upper point", "0 0\n0.5 -0.02\n1 0\n"},
        {"last line without z", "1 0\n0.5 0.04\n0 0\n0.5 -0.04\n1\n"},
        {"number too large", "1 0\n0.5 1e999\n0 0\n1 0\n"},
        {"too many points", tooLong + "0 0\n1 0\n"},
    };
    for (const auto& [name, text] : cases) {
        SupersonicContour c;
        EXPECT_FALSE(ReadSupersonicContourText(text, c)) << name;
    }
    TempDir dir;
    SupersonicContour c;
    EXPECT_FALSE(ReadSupersonicContourFile(dir.file("fehlt.pol"), c));
}

TEST(SupersonicCoordinateFile, ReadWholeOrNotAtAll) {
    TempDir dir;
    const std::string path = dir.file("profil.pol");
    ASSERT_TRUE(WriteSupersonicCoordinateFile(path, DefaultProfile(Window::Contour)));
    const std::string saved = ReadFileBytes(path);
    // Cut off in the lower side, within the line of the first x from 0.3 on.
    const size_t cut = saved.find("\n0.3", saved.size() / 2);
    ASSERT_NE(cut, std::string::npos);
    const std::string five =
        "1 0\n0.75 0.02\n0.5 0.04\n0.25 0.03\n0 0\n0.3 -0.02\n0.6 -0.03\n0.8 -0.01\n1 0\n";
    const std::vector<std::pair<const char*, std::string>> refused = {
        {"last line cut to its x", saved.substr(0, cut + 4)},
        {"cut after a whole line", saved.substr(0, cut + 1)},
        {"text file", "hello world\nfoo bar\n1 2\n"},
        {"words after the contour", five + "Ende\n"},
        {"upper side from mid-chord", "0.5 0.04\n0.25 0.03\n0 0\n0.3 -0.02\n1 0\n"},
        {"decimal comma", "1 0\n0,5 0.04\n0 0\n0.5 -0.04\n1 0\n"},
        {"unit glued to z", "1 0\n0.5 0.04m\n0 0\n0.5 -0.04\n1 0\n"},
        {"three numbers", "1 0\n0.5 0.04 0\n0 0\n0.5 -0.04\n1 0\n"},
        {"x beyond the trailing edge", "1.5 0\n1 0\n0 0\n0.5 -0.04\n1 0\n"},
        {"x before the leading edge", "1 0\n0 0\n-0.5 0.01\n0 0\n0.5 -0.04\n1 0\n"},
    };
    for (const auto& [name, text] : refused) {
        SCOPED_TRACE(name);
        SupersonicContour c;
        c.upper = {{0.5, 0.5}};
        EXPECT_FALSE(ReadSupersonicContourText(text, c));
        EXPECT_EQ(c.upper, (std::vector<SupersonicPoint>{{0.5, 0.5}}));
        EXPECT_TRUE(c.lower.empty());
    }
    // The whole file reads.
    SupersonicContour whole;
    EXPECT_TRUE(ReadSupersonicContourText(saved, whole));
}

TEST(SupersonicCoordinateFile, UnevenSpacingIsInterpolated) {
    // 191 points per side clustered at the nose: not the grid, so interpolated, not copied.
    std::string text;
    auto z = [](double x) { return x <= 0.5 ? 0.1 * x : 0.1 * (1 - x); };
    for (int i = 190; i >= 0; --i) {
        const double x = std::pow(i / 190.0, 2.0);
        text += luvo::FormatNumber("%.12f", x) + "\t" + luvo::FormatNumber("%.12f", z(x)) + "\n";
    }
    text += "0.5 -0.01\n1 0\n";
    SupersonicContour c;
    ASSERT_TRUE(ReadSupersonicContourText(text, c));
    ASSERT_EQ(c.upper.size(), 191u);
    const SupersonicProfile p =
        SupersonicStartProfile(Window::Contour, SupersonicDefaultSettings(Window::Contour), &c);
    for (int i = 0; i < 191; ++i) {
        const double x = i / 190.0;
        if (std::fabs(x - 0.5) > 0.02) {
            EXPECT_NEAR(p.upper[i].z, z(x), 1e-11) << i;
        }
    }
}

TEST(SupersonicResultFile, BlocksAndRows) {
    TempDir dir;
    const std::string path = dir.file("ergebnis.dat");
    const SupersonicShockTexts shock = {"0.0093", "0.0769", "-0.0378", "0.491"};
    for (Window w : {Window::Parts, Window::Contour}) {
        const bool parts = w == Window::Parts;
        SCOPED_TRACE(parts ? "parts" : "contour");
        const SupersonicProfile p = DefaultProfile(w);
        ASSERT_TRUE(WriteSupersonicResultFile(path, p, shock));
        const std::string bytes = ReadFileBytes(path);
        const std::vector<std::string> lines = Lines(bytes);
        EXPECT_EQ(lines[0],
                  "# Luvo - \xDC"
                  "berschallberechnung");
        EXPECT_EQ(lines[3], "# cA:    0.0769 ");
        EXPECT_EQ(lines[7],
                  "TITLE = \"LUVO-\xDC"
                  "berschallberechnung\" ");
        EXPECT_EQ(lines[9], "ZONE T=\"Daten\" ");
        EXPECT_EQ(lines[10], parts ? "I=191, J=1, K=1, DATAPACKING=BLOCK, "
                                     "VARLOCATION=([6,11]=CELLCENTERED)  "
                                   : "I=191, J=1, K=1, DATAPACKING=BLOCK, "
                                     "VARLOCATION=([4,9]=CELLCENTERED)  ");
        const size_t nodeBlocks = parts ? 5 : 3;
        const size_t first = 11;
        std::vector<std::vector<double>> blocks;
        for (size_t b = 0; b < nodeBlocks + 6; ++b) blocks.push_back(TabItems(lines[first + b]));
        for (size_t b = 0; b < blocks.size(); ++b) {
            EXPECT_EQ(blocks[b].size(), b < nodeBlocks ? 191u : 190u) << b;
        }
        EXPECT_NEAR(blocks[0][95], 0.5, 1e-8);
        EXPECT_NEAR(blocks[1][95], p.upper[95].z, 1e-8);
        EXPECT_NEAR(blocks[nodeBlocks + 2][10], p.rows[11].cpUpperLinear - p.rows[11].cpLowerLinear,
                    1e-8);
        EXPECT_NEAR(blocks[nodeBlocks + 4][0], p.rows[1].cpLowerShockExpansion, 1e-8);
        const size_t after = first + nodeBlocks + 6;
        EXPECT_EQ(lines[after], " ");
        EXPECT_EQ(lines[after + 1], " ");
        EXPECT_EQ(lines[after + 2],
                  "# TITLE = \"LUVO-\xDC"
                  "berschallberechnung\" ");
        EXPECT_EQ(lines[after + 5], "# I=192, J=1, K=1, F=POINT  ");
        ASSERT_EQ(lines.size(), after + 6 + 192);
        for (int r = 0; r <= 191; ++r) {
            const std::string& row = lines[after + 6 + r];
            ASSERT_EQ(row.substr(0, 2), "# ");
            const std::vector<double> v = [&] {
                std::vector<double> out;
                for (size_t at = 2; at < row.size();) {
                    out.push_back(luvo::ParseLeadingNumber(row.substr(at)));
                    const size_t gap = row.find("  ", at);
                    if (gap == std::string::npos) break;
                    at = gap + 2;
                }
                return out;
            }();
            ASSERT_EQ(v.size(), 7u) << r;
            EXPECT_NEAR(v[0], p.rows[r].xLinear, 1e-8);
            EXPECT_NEAR(v[4], p.rows[r].cpUpperShockExpansion, 1e-8);
            EXPECT_NEAR(v[6], p.rows[r].cpUpperShockExpansion - p.rows[r].cpLowerShockExpansion,
                        1e-8);
        }
        EXPECT_EQ(bytes.back(), '\n');
    }
    EXPECT_FALSE(
        WriteSupersonicResultFile(dir.file("fehlt/e.dat"), DefaultProfile(Window::Parts), shock));
}

}  // namespace
