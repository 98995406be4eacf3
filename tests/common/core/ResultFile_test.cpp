// The result-file writer: Latin-1 texts, LF, the decimal point under any locale, non-finite
// values, and names that cannot be written.

#include "common/core/ResultFile.h"

#include <gtest/gtest.h>

#include <clocale>
#include <limits>
#include <locale>

#include "tests/support/TempDir.h"

namespace {

using luvo::test::ReadFileBytes;
using luvo::test::TempDir;

TEST(ResultFile, Latin1Conversion) {
    struct Case {
        const char* utf8;
        const char* latin1;
    };
    const Case cases[] = {
        {"Flügelspitze", "Fl\xFCgelspitze"},
        {"ÄÖÜäöüß°", "\xC4\xD6\xDC\xE4\xF6\xFC\xDF\xB0"},
        {"plain\n", "plain\n"},
        {"€", "?"},         // outside Latin-1
        {"a\xC3", "a?"},    // cut sequence
        {"\x80x", "?x"},    // stray continuation byte
        {"\xC1\x81", "?"},  // overlong form of "A": one character
    };
    for (const Case& c : cases) {
        EXPECT_EQ(luvo::ToLatin1(c.utf8), c.latin1) << c.utf8;
    }
}

TEST(ResultFile, LayoutPartsUnderAGermanLocale) {
    // A locale with a decimal comma, as the toolkit may set it, must not reach the file.
    const std::locale old = std::locale::global(std::locale::classic());
    try {
        std::locale::global(std::locale("de_DE.UTF-8"));
    } catch (const std::runtime_error&) {
        // Not installed on this machine: the classic locale still checks the layout.
    }
    std::setlocale(LC_NUMERIC, "de_DE.UTF-8");
    TempDir dir;
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    {
        luvo::ResultFile out(dir.file("r.dat"));
        ASSERT_TRUE(out.IsOpen());
        out.Text("Zeile über\n");
        out.SummaryLine("#k = ", 1.23456, 3);
        out.SummaryLine("#k = ", nan, 3);
        out.SummaryLine("#k = ", -inf, 3);
        out.Out() << 7 << "   ";
        out.RowValue(1234.56789012, 8, "  ");
        out.RowValue(nan, 8, "  ");
        out.RowValue(inf, 8, "  ");
        out.RowValue(-2.5e-12, 8, "  ");
        out.Out() << '\n';
        EXPECT_TRUE(out.Finish());
    }
    std::setlocale(LC_NUMERIC, "C");
    std::locale::global(old);
    EXPECT_EQ(ReadFileBytes(dir.file("r.dat")),
              "Zeile \xFC"
              "ber\n#k = 1.23\n#k = nan\n#k = nan\n7   1234.5679  0  0  -2.5e-12  \n");
}

TEST(ResultFile, NamesThatCannotBeWritten) {
    TempDir dir;
    for (const std::string& name :
         {dir.file("no/such/dir/r.dat"), dir.path().string(), std::string()}) {
        luvo::ResultFile out(name);
        EXPECT_FALSE(out.IsOpen()) << name;
        out.SummaryLine("#S = ", 1.0, 3);
        EXPECT_FALSE(out.Finish()) << name;
    }
}

}  // namespace
