// The three result files of a vortex-lattice run: their layout, the Latin-1 zone title, the wing
// zone without sizes for one chordwise element, the wake's "0" column, a k-factor of 0/0, and a
// file that cannot be written.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <sstream>

#include "tests/support/TempDir.h"
#include "tests/vlm/core/VlmTestWings.h"

namespace {

using luvo::test::ReadFileBytes;
using luvo::test::ScopedWorkDir;
using vlm_test::Join;
using vlm_test::RectangleGridTokens;

std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

std::vector<double> Numbers(const std::string& line) {
    std::vector<double> values;
    std::istringstream in(line);
    for (double v; in >> v;) values.push_back(v);
    return values;
}

std::string G8(double v) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.8g", v);
    return buffer;
}

// A solved grid-file wing of nx elements, 2 strips and one wake element, files in the work dir.
std::unique_ptr<VlmSolver> SolvedRectangle(int nx, double a0) {
    const auto grid = ParseVlmGridText(Join(RectangleGridTokens(nx, 2, 1, 4.0, 1.0, a0, "0.125")));
    VlmGridRunInputs in;
    in.birnbaumCount = 21;
    in.result3dFileName = "3D.dat";
    in.resultCpFileName = "cp-x.dat";
    in.resultCaFileName = "ca-y.dat";
    auto s = vlm_test::BuildGrid(VlmGridRunValues(in, *grid), *grid);
    EXPECT_EQ(s->wakeElementLength[0], 0.5);
    EXPECT_EQ(s->Solve(), VlmRunError::kNone);
    return s;
}

TEST(VlmResultFiles, ThreeDFileHoldsTheLatticeAndTheWake) {
    ScopedWorkDir work;
    for (const int nx : {1, 2}) {
        const auto s = SolvedRectangle(nx, 0.05);
        EXPECT_TRUE(s->unwrittenFiles.empty());
        const std::string bytes = ReadFileBytes("3D.dat");
        EXPECT_EQ(bytes.find('\r'), std::string::npos);
        const auto lines = Lines(bytes);
        ASSERT_EQ(lines.size(), 3u + 1 + 2 * nx + 1 + 1 + 1 + 3 * 2);
        EXPECT_EQ(lines[0], "TITLE=\"D-Daten\"");
        EXPECT_EQ(lines[1], "VARIABLES=\"X\", \"Y\", \"Z\", \"Gamma\", \"Pressure difference\"");
        // "ü" as the Latin-1 byte 0xFC.
        EXPECT_EQ(lines[2],
                  nx == 1 ? "ZONE T=\"Fl\xFCgel\"" : "ZONE T=\"Fl\xFCgel\", I=2, J=2, F=POINT");
        EXPECT_EQ(lines[3], "");
        for (int e = 0; e < 2 * nx; ++e) {
            const std::string expected = G8(s->colloc.x[e]) + " " + G8(s->colloc.y[e]) + " " +
                                         G8(s->colloc.z[e]) + " " + G8(s->gamma[e]) + " " +
                                         G8(2 * s->pressureDifference[e]);
            EXPECT_EQ(lines[4 + e], expected);
        }
        const size_t wake = 4 + 2 * nx;
        EXPECT_EQ(lines[wake], "");
        EXPECT_EQ(lines[wake + 1], "ZONE T=\"Nachlauf\", I=2, J=3, F=POINT");
        EXPECT_EQ(lines[wake + 2], "");
        for (int k = 0; k <= 2; ++k) {
            for (int r = 0; r <= 1; ++r) {
                const std::string& line = lines[wake + 3 + 2 * k + r];
                EXPECT_EQ(line.substr(line.size() - 2), " 0");
                const auto row = Numbers(line);
                ASSERT_EQ(row.size(), 5u);
                EXPECT_NEAR(row[1], s->wakeRows[r].y[k], 1e-7);
                EXPECT_NEAR(row[3], s->trailingGamma[k], 1e-7 * std::fabs(s->trailingGamma[k]));
            }
        }
    }
}

TEST(VlmResultFiles, CpFileHasTwoZonesPerStripCountedFromOne) {
    ScopedWorkDir work;
    const auto s = SolvedRectangle(3, 0.05);
    const auto lines = Lines(ReadFileBytes("cp-x.dat"));
    ASSERT_EQ(lines.size(), 2u * 2 * (2 + 1 + 1 + 3 + 1));
    size_t at = 0;
    for (int strip = 1; strip <= 2; ++strip) {
        for (const char* side : {"Oberseite", "Unterseite"}) {
            EXPECT_EQ(lines[at], "TITLE=\"D-Daten\"");
            EXPECT_EQ(lines[at + 1], "VARIABLES=\"x'=x/t(y)\", \"cp(x')\"");
            EXPECT_EQ(lines[at + 2],
                      std::string("ZONE T=\"") + side + " Rippe " + std::to_string(strip) + "\"");
            EXPECT_EQ(lines[at + 3], "");
            const bool upper = side[0] == 'O';
            for (int r = 0; r < 3; ++r) {
                const int i = upper ? 2 - r : r;  // upper: leading to trailing edge
                const double dp = s->pressureDifference[i + 3 * (strip - 1)];
                const auto row = Numbers(lines[at + 4 + r]);
                ASSERT_EQ(row.size(), 2u);
                EXPECT_NEAR(row[1], upper ? -dp : dp, 1e-7 * std::fabs(dp));
                EXPECT_GT(row[0], 0.0);
                EXPECT_LT(row[0], 1.0);
            }
            // x' runs from the leading edge to the trailing edge on the upper side, back below.
            EXPECT_EQ(Numbers(lines[at + 4])[0] < Numbers(lines[at + 6])[0], upper);
            EXPECT_EQ(lines[at + 7], "");
            at += 8;
        }
    }
}

TEST(VlmResultFiles, CaFileStartsWithItsSummaryAndWritesNanForKOfAWingWithoutLift) {
    ScopedWorkDir work;
    for (const double a0 : {0.05, 0.0}) {
        const auto s = SolvedRectangle(2, a0);
        const auto lines = Lines(ReadFileBytes("ca-y.dat"));
        ASSERT_EQ(lines.size(), 8u + 1 + 2 + 1 + 2);
        const char* labels[8] = {"#Area_ges= ", "#k_factor= ", "#refl= ", "#cA_ges= ",
                                 "#cWi_ges= ",  "#cMx= ",      "#cMy= ",  "#cMz= "};
        const VlmResults& r = s->results;
        const double values[8] = {r.refArea, r.kFactor, r.refChord, r.ca,
                                  r.cwi,     r.cmx,     r.cmy,      r.cmz};
        for (int k = 0; k < 8; ++k) {
            const std::string value = std::isfinite(values[k]) ? G8(values[k]) : "nan";
            EXPECT_EQ(lines[k], labels[k] + value);
        }
        if (a0 == 0.0) {
            EXPECT_EQ(lines[1], "#k_factor= nan");
            EXPECT_TRUE(std::isnan(r.kFactor));
            EXPECT_EQ(r.ca, 0.0);
        } else {
            EXPECT_TRUE(std::isfinite(r.kFactor));
        }
        EXPECT_EQ(lines[8], "");
        EXPECT_EQ(lines[9], "TITLE=\"D-Daten\"");
        EXPECT_EQ(lines[10], "VARIABLES=\"y\", \"ca(y)\", \"Gamma(y)\"");
        EXPECT_EQ(lines[11], "");
        EXPECT_EQ(lines[12], G8(s->colloc.y[0]) + " " + G8(s->stripLiftCoefficient[0]) + " " +
                                 G8(s->stripCirculation[0]));
    }
}

TEST(VlmResultFiles, UnwritableFileIsReportedAndTheOthersAreWritten) {
    ScopedWorkDir work;
    const auto grid = ParseVlmGridText(Join(RectangleGridTokens(2, 2, 1, 4.0, 1.0, 0.05, "0.125")));
    VlmGridRunInputs in;
    in.birnbaumCount = 21;
    in.result3dFileName = "fehlt/3D.dat";
    in.resultCpFileName = "cp-x.dat";
    in.resultCaFileName = "";
    const VlmRunOutcome out = RunVlmGrid(VlmGridRunValues(in, *grid), *grid, nullptr);
    ASSERT_EQ(out.error, VlmRunError::kNone);
    EXPECT_EQ(out.unwrittenFiles, (std::vector<std::string>{"fehlt/3D.dat", ""}));
    EXPECT_FALSE(ReadFileBytes("cp-x.dat").empty());
    ASSERT_TRUE(out.results);
    EXPECT_GT(out.results->ca, 0.0);
}

}  // namespace
