// Result files of the lifting-line method: layouts byte for byte, number format, file names
// taken as handed, Latin-1 text, and files that cannot be written. The circulation table and
// the decimal point under a German locale are tested with the extended lifting line's files in
// tests/common/core/WingCirculationFiles_test.cpp.

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "common/core/NumberText.h"
#include "llt/core/LltSolver.h"
#include "tests/llt/core/LltFileLines.h"
#include "tests/llt/core/LltTestWings.h"
#include "tests/support/TempDir.h"

namespace {

using luvo::test::ReadFileBytes;
using luvo::test::ScopedWorkDir;

// A record filled by hand with values whose text is easy to predict.
std::unique_ptr<LltSolver> HandRecord() {
    auto s = std::make_unique<LltSolver>();
    s->SetStations(8);
    for (int i = 0; i <= 102; ++i) {
        s->chord[i] = 2.0 - i / 100.0;
        s->twistDeg[i] = LltPi + i;
        s->gamma[i] = i / 3.0e3;
        s->ca[i] = -0.125 * i;
    }
    s->area = 12.5;
    s->meanChord = 5.3333;
    s->aspectRatio = 1234567.0;
    s->cl = 0.30000004;
    s->cdiSeries = 0.0061234;
    s->clSolved = 0.358014;
    s->cdi = 0.00788;
    s->kFactor = 1.005465;
    return s;
}

std::string G8(double v) { return luvo::FormatNumber("%.8g", v); }

using llt_test::Lines;

const std::string kNote = "1.Zeile ist an der Fl\xFCgelspitze, letzte Zeile an der Wurzel";

TEST(LltResultFiles, GammaUndCaByteForByte) {
    ScopedWorkDir work;
    const auto s = HandRecord();
    ASSERT_TRUE(s->WriteCirculationDistributionFile("GammaUndCa.dat"));
    std::string expected =
        "TITLE = \" Verteilung der Zirkulation und des Auftriebbeiwerts\"\n"
        " \n"
        "#S      = 12.5\n"
        "#l_mue  = 5.33\n"
        "#Lambda = 1.23e+06\n"
        "#caGes  = 0.358\n"
        "#cwiGes = 0.00788\n"
        "#k      = 1.01\n"
        "VARIABLES = \"nue\" , \"y_position\" , \"depth\" , \"geom. angle\" , \"Zirkulation\" , "
        "\"Auftriebsbeiwert\"\n"
        "\n" +
        kNote + "\n";
    for (int i = 1; i <= 51; ++i) {
        expected += std::to_string(i) + "  " + G8(s->y[i]) + "  " + G8(s->chord[i]) + "  " +
                    G8(s->twistDeg[i]) + "  " + G8(s->gamma[i]) + "  " + G8(s->ca[i]) + "  \n";
    }
    EXPECT_EQ(ReadFileBytes("GammaUndCa.dat"), expected);
}

TEST(LltResultFiles, LayoutsOfTheFourFiles) {
    struct Case {
        const char* name;
        std::function<bool(const LltSolver&, const std::string&)> write;
        std::vector<std::string> head;  // the lines before the first row
        int firstStation, lineCount, valuesPerRow;
        bool indexColumn;
    };
    const std::vector<std::string> designSummary = {"#S      = 12.5",     "#l_mue  = 5.33",
                                                    "#Lambda = 1.23e+06", "#caGes  = 0.3",
                                                    "#cwiGes = 0.00612",  "#k      = 1.01"};
    auto with = [](std::vector<std::string> a, const std::vector<std::string>& b,
                   std::vector<std::string> c) {
        a.insert(a.end(), b.begin(), b.end());
        a.insert(a.end(), c.begin(), c.end());
        return a;
    };
    const Case cases[] = {
        {"alfaGeom.dat", &LltSolver::WriteTwistFile,
         with({"TITLE = \" Verteilung des geometrischen Anstellwinkels\"", " "}, designSummary,
              {"", " VARIABLES = \"nue\" , \"y_position\" , \"depth\" , \"geom. angle\"", ""}),
         0, 63, 4, true},
        {"tiefe.dat", &LltSolver::WriteChordFile,
         with({"TITLE = \" Verteilung der Tiefe\"", " "}, designSummary,
              {"VARIABLES = \"nue\" , \"y_position\" , \"depth\" , \"geom. angle\" ", ""}),
         1, 61, 4, true},
        {"GammaUndCa.dat", &LltSolver::WriteCirculationDistributionFile,
         with({"TITLE = \" Verteilung der Zirkulation und des Auftriebbeiwerts\"", " "},
              {"#S      = 12.5", "#l_mue  = 5.33", "#Lambda = 1.23e+06", "#caGes  = 0.358",
               "#cwiGes = 0.00788", "#k      = 1.01"},
              {"VARIABLES = \"nue\" , \"y_position\" , \"depth\" , \"geom. angle\" , "
               "\"Zirkulation\" , \"Auftriebsbeiwert\"",
               "", kNote}),
         1, 62, 6, true},
    };
    ScopedWorkDir work;
    const auto s = HandRecord();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(c.write(*s, c.name));
        const std::string bytes = ReadFileBytes(c.name);
        EXPECT_EQ(bytes.find('\r'), std::string::npos);
        ASSERT_EQ(bytes.back(), '\n');
        const auto lines = Lines(bytes);
        ASSERT_EQ(static_cast<int>(lines.size()), c.lineCount);
        const int headCount = static_cast<int>(c.head.size());
        for (int k = 0; k < headCount; ++k) EXPECT_EQ(lines[k], c.head[k]) << k;
        // Rows from the first station to the root, every value followed by two blanks.
        ASSERT_EQ(c.lineCount - headCount, 52 - c.firstStation);
        for (int row = headCount, i = c.firstStation; row < c.lineCount; ++row, ++i) {
            const std::string& line = lines[row];
            ASSERT_GE(line.size(), 2u);
            EXPECT_EQ(line.substr(line.size() - 2), "  ");
            EXPECT_NE(line[0], ' ');
            std::istringstream values(line);
            std::vector<std::string> words;
            for (std::string w; values >> w;) words.push_back(w);
            ASSERT_EQ(static_cast<int>(words.size()), c.valuesPerRow) << line;
            if (c.indexColumn) {
                EXPECT_EQ(words[0], std::to_string(i));
                EXPECT_EQ(words[1], G8(s->y[i]));
                EXPECT_EQ(words[2], G8(s->chord[i]));
            } else {
                EXPECT_EQ(words[0], G8(s->chord[i]));
                EXPECT_EQ(words[1], G8(s->twistDeg[i]));
            }
        }
    }
}

TEST(LltResultFiles, NonFiniteValuesReadNanInSummaryAndZeroInRows) {
    ScopedWorkDir work;
    auto s = HandRecord();
    const double inf = std::numeric_limits<double>::infinity();
    s->kFactor = std::numeric_limits<double>::quiet_NaN();
    s->cdiSeries = -inf;
    s->meanChord = inf;
    s->chord[3] = inf;
    s->twistDeg[3] = std::numeric_limits<double>::quiet_NaN();
    ASSERT_TRUE(s->WriteChordFile("tiefe.dat"));
    const auto lines = Lines(ReadFileBytes("tiefe.dat"));
    EXPECT_EQ(lines[3], "#l_mue  = nan");
    EXPECT_EQ(lines[6], "#cwiGes = nan");
    EXPECT_EQ(lines[7], "#k      = nan");
    EXPECT_EQ(lines[12], "3  " + G8(s->y[3]) + "  0  0  ");
}

TEST(LltResultFiles, AnalysisDefaultsWriteTheExpectedSummary) {
    ScopedWorkDir work;
    const auto s = llt_test::RunAnalysis(llt_test::AnalysisWindowInputs());
    ASSERT_TRUE(s->WriteCirculationDistributionFile("GammaUndCa.dat"));
    const auto lines = Lines(ReadFileBytes("GammaUndCa.dat"));
    ASSERT_EQ(lines.size(), 62u);
    const std::vector<std::string> summary(lines.begin() + 2, lines.begin() + 8);
    EXPECT_EQ(summary,
              (std::vector<std::string>{"#S      = 12.3", "#l_mue  = 1.64", "#Lambda = 5.2",
                                        "#caGes  = 0.358", "#cwiGes = 0.00788", "#k      = 1.01"}));
    EXPECT_EQ(lines[11].substr(0, 3), "1  ");
    EXPECT_EQ(lines[61].substr(0, 7), "51  0  ");
    // The twist file of a span of 8 m starts at the tip itself.
    ASSERT_TRUE(s->WriteTwistFile("alfaGeom.dat"));
    EXPECT_EQ(Lines(ReadFileBytes("alfaGeom.dat"))[11].substr(0, 6), "0  4  ");
}

// Where the trapezoid's chord is 0 on a station (a section of chord 0 there, or a tip chord of
// 0), the interpolation leaves a residue of about 1e-15 of either sign; the record holds 0 and
// both files write the depth "0". The other stations keep their chords.
TEST(LltResultFiles, StationsOfZeroChordWriteZeroDepth) {
    struct Case {
        const char* name;
        LltAnalysisInputs wing;
        int station;  // of chord 0; its mirror is 102 - station
    };
    const Case cases[] = {
        // B at y = b/4, on station 34 (cos(pi/3) = 1/2).
        {"B = 0", {8, 1, 50, 25, 25, 2.0, 0, 1.3, 0.6, 5.0, -0.5, -0.8, -1.5}, 34},
        // Lengths whose fractions do not add up to 1 exactly.
        {"tip D = 0", {12.3, 1, 33.3, 33.3, 33.4, 1.7, 1.1, 0.7, 0, 5.0, -0.5, -0.8, -1.5}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScopedWorkDir work;
        const auto s = llt_test::RunAnalysis(c.wing);
        EXPECT_EQ(s->chord[c.station], 0.0);
        EXPECT_EQ(s->chord[102 - c.station], 0.0);
        ASSERT_TRUE(s->WriteCirculationDistributionFile("GammaUndCa.dat"));
        ASSERT_TRUE(s->WriteTwistFile("alfaGeom.dat"));
        for (const char* file : {"GammaUndCa.dat", "alfaGeom.dat"}) {
            SCOPED_TRACE(file);
            int rows = 0;
            for (const std::string& line : Lines(ReadFileBytes(file))) {
                std::istringstream in(line);
                const std::vector<std::string> words{std::istream_iterator<std::string>(in), {}};
                // Data rows: station, y, depth, ... and nothing but numbers.
                if (words.size() < 4 || llt_test::Row(line).size() != words.size()) continue;
                ++rows;
                const int station = std::stoi(words[0]);
                if (station == c.station) {
                    EXPECT_EQ(words[2], "0");
                } else {
                    EXPECT_GT(std::stod(words[2]), 0.0) << station;
                }
            }
            EXPECT_EQ(rows, file == std::string("alfaGeom.dat") ? 52 : 51);
        }
    }
}

TEST(LltResultFiles, NameTakenAsHandedAndFileReplaced) {
    ScopedWorkDir work;
    auto s = HandRecord();
    ASSERT_TRUE(s->WriteChordFile(" tiefe.dat "));
    EXPECT_FALSE(std::filesystem::exists("tiefe.dat"));
    const std::string first = ReadFileBytes(" tiefe.dat ");
    EXPECT_EQ(Lines(first).size(), 61u);
    // A second write replaces the file completely.
    s->area = 99.5;
    ASSERT_TRUE(s->WriteChordFile(" tiefe.dat "));
    const std::string second = ReadFileBytes(" tiefe.dat ");
    EXPECT_EQ(Lines(second)[2], "#S      = 99.5");
    EXPECT_EQ(second.size(), first.size());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator("."),
                            std::filesystem::directory_iterator()),
              1);
}

TEST(LltResultFiles, UnwritableNamesFailQuietly) {
    ScopedWorkDir work;
    std::filesystem::create_directory("aDirectory");
    const auto s = HandRecord();
    for (const std::string& name :
         {std::string(""), std::string("missing/GammaUndCa.dat"), std::string("aDirectory")}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(s->WriteCirculationFile(name));
        EXPECT_FALSE(s->WriteTwistFile(name));
        EXPECT_FALSE(s->WriteChordFile(name));
        EXPECT_FALSE(s->WriteCirculationDistributionFile(name));
    }
    EXPECT_FALSE(std::filesystem::exists("missing"));
    EXPECT_TRUE(std::filesystem::is_empty("aDirectory"));
}

}  // namespace
