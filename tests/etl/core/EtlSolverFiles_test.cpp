// Result files of the extended lifting-line method: "GammaUndCa.dat" of the analysis byte for
// byte and a wing without lift. "Zirkulation.dat", non-finite values and names that cannot be
// written are tested with the simple lifting line's files in
// tests/common/core/WingCirculationFiles_test.cpp.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <string>

#include "common/core/NumberText.h"
#include "etl/core/EtlRuns.h"
#include "etl/core/EtlSolver.h"
#include "tests/etl/core/EtlTestWings.h"
#include "tests/llt/core/LltFileLines.h"
#include "tests/support/TempDir.h"

namespace {

using llt_test::Lines;
using luvo::test::ReadFileBytes;
using luvo::test::TempDir;

// A record filled by hand with values whose text is easy to predict.
std::unique_ptr<EtlSolver> HandRecord() {
    auto s = std::make_unique<EtlSolver>();
    s->SetStations(8);
    for (int i = 0; i <= 102; ++i) {
        s->chord[i] = 2.0 - i / 100.0;
        s->twistDeg[i] = EtlPi + i;
        s->gamma[i] = i / 3.0e3;
        s->ca[i] = -0.125 * i;
    }
    s->area = 12.5;
    s->meanChord = 5.3333;
    s->aspectRatio = 1234567.0;
    s->liftCoefficient = 0.358014;
    s->inducedDragCoefficient = 0.00788;
    s->kFactor = 1.005465;
    return s;
}

std::string G8(double v) { return luvo::FormatNumber("%.8g", v); }

const std::string kSummary =
    "#S      = 12.5\n"
    "#l_mue  = 5.33\n"
    "#Lambda = 1.23e+06\n"
    "#caGes  = 0.358\n"
    "#cwiGes = 0.00788\n"
    "#k      = 1.01\n";

TEST(EtlResultFiles, GammaUndCaByteForByte) {
    TempDir dir;
    const auto s = HandRecord();
    ASSERT_TRUE(s->WriteCirculationDistributionFile(dir.file("GammaUndCa.dat")));
    std::string expected = "TITLE = \"Verteilung der Zirkulation und des Auftriebbeiwerts\" \n\n" +
                           kSummary +
                           "VARIABLES = \"nue\" , \"depth\" , \"geom. angle\" , \"Zirkulation\" , "
                           "\"Auftriebsbeiwert\" \n\n";
    for (int i = 1; i <= 51; ++i) {
        expected += std::to_string(i) + "   " + G8(s->chord[i]) + "  " + G8(s->twistDeg[i]) + "  " +
                    G8(s->gamma[i]) + "  " + G8(s->ca[i]) + "  \n";
    }
    const std::string bytes = ReadFileBytes(dir.file("GammaUndCa.dat"));
    EXPECT_EQ(bytes, expected);
    EXPECT_EQ(Lines(bytes).size(), 61u);
}

// A wing without lift (f = 0, f = -1, beta 120): its k-factor reads "nan", its rows are numbers.
TEST(EtlResultFiles, WingWithoutLift) {
    TempDir dir;
    for (auto [f, beta] : {std::pair{0.0, 0.0}, std::pair{-1.0, 0.0}, std::pair{1.0, 120.0}}) {
        EtlAnalysisInputs in = etl_test::AnalysisWindowInputs();
        in.liftSlopeFactor = f;
        in.sideslip = beta;
        const auto s = EtlSolveAnalysis(in);
        ASSERT_TRUE(s->WriteCirculationDistributionFile(dir.file("GammaUndCa.dat")));
        const auto lines = Lines(ReadFileBytes(dir.file("GammaUndCa.dat")));
        ASSERT_EQ(lines.size(), 61u);
        EXPECT_EQ(lines[7], "#k      = nan");
        EXPECT_EQ(lines[5], "#caGes  = 0");
        for (size_t row = 10; row < lines.size(); ++row) {
            EXPECT_EQ(lines[row].find("nan"), std::string::npos) << lines[row];
        }
    }
}

}  // namespace
