// The result-file writer: Latin-1 texts, LF, the decimal point under any locale, non-finite
// values, and names that cannot be written.

#include "common/core/ResultFile.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <filesystem>
#include <limits>
#include <locale>
#include <sstream>
#include <string>

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

TEST(ResultFile, NumbersExactlyAsTheStreamAndPrintfWriteThem) {
    // Ties, the switches between the fixed and the exponent form, the ends of the range, the
    // sign of zero, and precisions from the default to more digits than the row buffer holds.
    using limits = std::numeric_limits<double>;
    // clang-format off
    const double values[] = {
        0.0, -0.0,                                                     // signs of zero
        0.5, 1.5, 2.5, -2.5, 9.5, 95.0, 0.125, 0.375, 123456.5,        // ties
        1.0 / 3, -2.0 / 3, 0.1, -1.0e-12, 6.02214076e23, 123456789.0,  // no short form
        0.0001, 0.00001, 9.99999995e-5, 99999999.5, 1e15, 1e16, 1e17,  // fixed or exponent
        1e21, 1e-300, limits::max(), -limits::max(), limits::min(),    // ends of the range
        limits::denorm_min()};
    // clang-format on
    const int precisions[] = {-1, 0, 1, 2, 6, 8, 12, 15, 17, 20, 40, 400};
    const std::string longAfter(300, '-');
    TempDir dir;
    std::ostringstream expected;
    expected.imbue(std::locale::classic());
    {
        luvo::ResultFile out(dir.file("numbers.dat"));
        ASSERT_TRUE(out.IsOpen());
        for (const int p : precisions) {
            for (const double v : values) {
                out.RowValue(v, p, " ");
                out.SummaryLine("#", v, p);
                expected.precision(p);
                expected << v << " #" << v << '\n';
                if (p >= 0) {
                    char printed[1024];
                    std::snprintf(printed, sizeof printed, "%.*g", p, v);
                    std::ostringstream streamed;
                    streamed.imbue(std::locale::classic());
                    streamed.precision(p);
                    streamed << v;
                    EXPECT_EQ(streamed.str(), printed) << p << " digits";
                }
            }
        }
        out.RowValue(-0.1, 3, longAfter);
        expected.precision(3);
        expected << -0.1 << longAfter;
        EXPECT_TRUE(out.Finish());
    }
    const std::string written = ReadFileBytes(dir.file("numbers.dat"));
    const std::string want = expected.str();
    std::istringstream writtenLines(written), wantLines(want);
    std::string a, b;
    while (std::getline(wantLines, b) && std::getline(writtenLines, a)) {
        EXPECT_EQ(a, b);
    }
    EXPECT_EQ(written, want);
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

TEST(ResultFile, RewritingReplacesThePlainFileAndWritesThroughLinks) {
    namespace fs = std::filesystem;
    TempDir dir;
    auto write = [](const std::string& name, const char* text) {
        luvo::ResultFile out(name);
        out.Out() << text;
        return out.Finish();
    };
    // A plain file written again holds only the new text, however long the old one was.
    const std::string plain = dir.file("3D.dat");
    ASSERT_TRUE(write(plain, "a much longer first text\n"));
    fs::permissions(plain, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
    ASSERT_TRUE(write(plain, "second\n"));
    EXPECT_EQ(ReadFileBytes(plain), "second\n");
    // It keeps the permissions the user gave it.
    EXPECT_EQ(fs::status(plain).permissions(),
              fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);

    // A link is written through: the link stays, its target gets the text.
    const std::string target = dir.file("target.dat");
    const std::string link = dir.file("link.dat");
    ASSERT_TRUE(write(target, "old target text\n"));
    fs::create_symlink(target, link);
    ASSERT_TRUE(write(link, "through the link\n"));
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadFileBytes(target), "through the link\n");

    // A file of two names: both names see the new text.
    const std::string second = dir.file("second-name.dat");
    fs::create_hard_link(target, second);
    ASSERT_TRUE(write(second, "both names\n"));
    EXPECT_EQ(ReadFileBytes(target), "both names\n");
    EXPECT_EQ(ReadFileBytes(second), "both names\n");
}

}  // namespace
