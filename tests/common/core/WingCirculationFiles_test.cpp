// The result files both lifting-line methods write through the same code: the circulation table
// of a wing-file run byte for byte, non-finite values, names that cannot be written or are taken
// as handed, and the decimal point under a German locale. One suite over both records.

#include <gtest/gtest.h>

#include <clocale>
#include <filesystem>
#include <limits>
#include <locale>
#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>

#include "common/core/NumberText.h"
#include "etl/core/EtlSolver.h"
#include "llt/core/LltSolver.h"
#include "tests/llt/core/LltFileLines.h"
#include "tests/support/TempDir.h"

namespace {

using llt_test::Lines;
using luvo::test::ReadFileBytes;
using luvo::test::TempDir;

struct LltRecord {
    using Record = LltSolver;
    static void SetCoefficients(Record& s, double cl, double cdi, double k) {
        s.clSolved = cl;
        s.cdi = cdi;
        s.kFactor = k;
    }
};

struct EtlRecord {
    using Record = EtlSolver;
    static void SetCoefficients(Record& s, double cl, double cdi, double k) {
        s.liftCoefficient = cl;
        s.inducedDragCoefficient = cdi;
        s.kFactor = k;
    }
};

template <class T>
class WingCirculationFiles : public ::testing::Test {
  protected:
    using Record = typename T::Record;
    // A record filled by hand with values whose text is easy to predict.
    static std::unique_ptr<Record> HandRecord() {
        auto s = std::make_unique<Record>();
        s->SetStations(8);
        for (int i = 0; i <= 102; ++i) {
            s->chord[i] = 2.0 - i / 100.0;
            s->twistDeg[i] = 3.25 + i;
            s->gamma[i] = i / 3.0e3;
            s->ca[i] = -0.125 * i;
        }
        s->area = 12.5;
        s->meanChord = 5.3333;
        s->aspectRatio = 1234567.0;
        T::SetCoefficients(*s, 0.358014, 0.00788, 1.005465);
        return s;
    }
    static std::string G8(double v) { return luvo::FormatNumber("%.8g", v); }
};

struct RecordNames {
    template <class T>
    static std::string GetName(int) {
        return std::is_same_v<T, LltRecord> ? "Llt" : "Etl";
    }
};

using Records = ::testing::Types<LltRecord, EtlRecord>;
TYPED_TEST_SUITE(WingCirculationFiles, Records, RecordNames);

TYPED_TEST(WingCirculationFiles, CirculationTableByteForByte) {
    TempDir dir;
    const auto s = this->HandRecord();
    ASSERT_TRUE(s->WriteCirculationFile(dir.file("Zirkulation.dat")));
    std::string expected =
        "TITLE = \" Verteilung der Tiefe\"\n"
        " VARIABLES = \"depth\" , \"geom. angle\" , \"Zirkulation\" , \"Auftriebsbeiwert\" \n"
        "\n"
        "1.Zeile ist an der Fl\xFCgelspitze, letzte Zeile an der Wurzel\n";
    for (int i = 1; i <= 51; ++i) {
        expected += this->G8(s->chord[i]) + "  " + this->G8(s->twistDeg[i]) + "  " +
                    this->G8(s->gamma[i]) + "  " + this->G8(s->ca[i]) + "  \n";
    }
    EXPECT_EQ(ReadFileBytes(dir.file("Zirkulation.dat")), expected);
}

// The summary's non-finite values read "nan"; in the rows they are written as 0.
TYPED_TEST(WingCirculationFiles, NonFiniteValuesReadNanInSummaryAndZeroInRows) {
    TempDir dir;
    auto s = this->HandRecord();
    const double inf = std::numeric_limits<double>::infinity();
    s->aspectRatio = inf;
    s->kFactor = std::numeric_limits<double>::quiet_NaN();
    s->gamma[2] = -inf;
    s->ca[2] = std::numeric_limits<double>::quiet_NaN();
    ASSERT_TRUE(s->WriteCirculationDistributionFile(dir.file("g.dat")));
    ASSERT_TRUE(s->WriteCirculationFile(dir.file("z.dat")));
    const auto g = Lines(ReadFileBytes(dir.file("g.dat")));
    ASSERT_GT(g.size(), 7u);
    EXPECT_EQ(g[2], "#S      = 12.5");
    EXPECT_EQ(g[4], "#Lambda = nan");
    EXPECT_EQ(g[7], "#k      = nan");
    const auto z = Lines(ReadFileBytes(dir.file("z.dat")));
    ASSERT_GT(z.size(), 5u);
    EXPECT_EQ(z[5], this->G8(s->chord[2]) + "  " + this->G8(s->twistDeg[2]) + "  0  0  ");
}

TYPED_TEST(WingCirculationFiles, UnwritableNamesReturnFalseAndNamesAreTakenAsHanded) {
    TempDir dir;
    const auto s = this->HandRecord();
    for (const std::string& name :
         {dir.file("missing/GammaUndCa.dat"), dir.path().string(), std::string()}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(s->WriteCirculationDistributionFile(name));
        EXPECT_FALSE(s->WriteCirculationFile(name));
    }
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing")));
    // Blanks included.
    ASSERT_TRUE(s->WriteCirculationFile(dir.file(" Zirkulation.dat ")));
    EXPECT_EQ(Lines(ReadFileBytes(dir.file(" Zirkulation.dat "))).size(), 55u);
    EXPECT_FALSE(std::filesystem::exists(dir.file("Zirkulation.dat")));
}

TYPED_TEST(WingCirculationFiles, DecimalPointUnderAGermanLocale) {
    std::locale german;
    try {
        german = std::locale("de_DE.utf8");
    } catch (const std::runtime_error&) {
        GTEST_SKIP() << "no German locale installed";
    }
    TempDir dir;
    const std::locale previous = std::locale::global(german);
    const auto s = this->HandRecord();
    const bool summary = s->WriteCirculationDistributionFile(dir.file("GammaUndCa.dat"));
    const bool table = s->WriteCirculationFile(dir.file("Zirkulation.dat"));
    std::locale::global(previous);
    std::setlocale(LC_ALL, "C");
    ASSERT_TRUE(summary && table);
    const auto lines = Lines(ReadFileBytes(dir.file("GammaUndCa.dat")));
    EXPECT_EQ(lines[3], "#l_mue  = 5.33");
    const auto rows = Lines(ReadFileBytes(dir.file("Zirkulation.dat")));
    EXPECT_EQ(rows[4], this->G8(s->chord[1]) + "  " + this->G8(s->twistDeg[1]) + "  " +
                           this->G8(s->gamma[1]) + "  " + this->G8(s->ca[1]) + "  ");
    EXPECT_EQ(rows[4].find(','), std::string::npos);
}

}  // namespace
