// Configuration files of the supersonic method: the file type of a path, the mode probe, the line
// rules and key tables of the reader, and the two writers, byte for byte and read back.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "supersonic/core/SupersonicFiles.h"
#include "tests/support/TempDir.h"

namespace {

using luvo::test::ReadFileBytes;
using luvo::test::TempDir;
using Window = SupersonicWindow;
using Type = SupersonicFileType;

TEST(SupersonicFileType, ByCaseSensitiveSubstringLastMatchWinning) {
    struct Case {
        const char* path;
        Type save;
        Type open;
    };
    const std::vector<Case> cases = {
        {"profil.cfg", Type::Config, Type::Config},
        {"profil.dat", Type::Result, Type::None},
        {"profil.pol", Type::Coordinates, Type::Coordinates},
        {"/home/s/a.cfg.pol", Type::Coordinates, Type::Coordinates},
        {"/home/s/a.pol.cfg", Type::Coordinates, Type::Coordinates},
        {"a.cfg.dat", Type::Result, Type::Config},
        {"a.dat.cfg", Type::Result, Type::Config},
        {"/home/s/my.cfg/profil.txt", Type::Config, Type::Config},
        {"profil.CFG", Type::None, Type::None},
        {".cfg", Type::None, Type::None},  // found only at position 0
        {"profil", Type::None, Type::None},
        {"", Type::None, Type::None},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SupersonicSaveFileType(c.path), c.save) << c.path;
        EXPECT_EQ(SupersonicOpenFileType(c.path), c.open) << c.path;
    }
}

TEST(SupersonicConfigProbe, FirstModeLineDecides) {
    struct Case {
        const char* text;
        Window window;
    };
    const std::vector<Case> cases = {
        {"mode: asym_sym\n", Window::Parts},
        {"mode:asym_sym", Window::Parts},
        {"mode:    asym_sym\n", Window::Parts},
        {"mode: asym_sym\r\n", Window::Parts},  // a file from Windows
        {"\tmode: asym_sym\n", Window::Parts},  // a tab is removed from the key
        {"# Kopf\nmach: 3\nmode: asym_sym\nmode: profile\n", Window::Parts},
        {"mode: asym_sym \n", Window::Contour},
        {"mode: ASYM_SYM\n", Window::Contour},
        {"mode: profile\nmode: asym_sym\n", Window::Contour},
        {" mode: asym_sym\n", Window::Contour},  // blank-led lines are skipped
        {"#mode: asym_sym\n", Window::Contour},
        {"mode : asym_sym\n", Window::Contour},
        {"mach: 3\n", Window::Contour},
        {"", Window::Contour},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SupersonicProbeConfigText(c.text), c.window) << c.text;
    }
    TempDir dir;
    EXPECT_EQ(SupersonicProbeConfigFile(dir.file("fehlt.cfg")), Window::Contour);
}

TEST(SupersonicConfigReader, LineRules) {
    // Each line read alone into the parts window's defaults.
    struct Case {
        const char* line;
        std::string machText;
        double mach;
        bool rejected;
    };
    const std::vector<Case> cases = {
        {"mach:3.5", "3.5", 3.5, false},
        {"mach:    2.5", "2.5", 2.5, false},
        {"mach: 2.5\r", "2.5", 2.5, false},
        {"mach: 2.5 # aus dem Versuch", "2.5 # aus dem Versuch", 2.5, false},
        {"\tmach: 2.5", "2.5", 2.5, false},
        {" mach: 2.5", "3.0", 3.0, false},
        {"#mach: 2.5", "3.0", 3.0, false},
        {"mach : 2.5", "3.0", 3.0, false},
        {"Mach: 2.5", "3.0", 3.0, false},
        {"mach 2.5", "3.0", 3.0, false},
        {"mach: 5", "5", 5.0, false},
        // Outside the Mach field's range 1 < Ma <= 5 (an empty value reads 0): kept, reported.
        {"mach:", "3.0", 3.0, true},
        {"mach: 1", "3.0", 3.0, true},
        {"mach: 5.01", "3.0", 3.0, true},
        {"mach: 1e999", "3.0", 3.0, true},
        // A value whose first word is not entirely a number is refused the same way.
        {"mach: zz", "3.0", 3.0, true},
        {"mach: 2,5", "3.0", 3.0, true},
        {"mach: 2.5x", "3.0", 3.0, true},
        {"mach: x 2.5", "3.0", 3.0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SupersonicSettings s = SupersonicDefaultSettings(Window::Parts);
        const SupersonicConfigReport r = ReadSupersonicConfigText(c.line, Window::Parts, s);
        EXPECT_EQ(s.machText, c.machText);
        EXPECT_EQ(s.mach, c.mach);
        EXPECT_EQ(r.rejectedLines.size(), c.rejected ? 1u : 0u);
    }
}

TEST(SupersonicConfigReader, PartsKeys) {
    const std::string text =
        "alpha*: -15\n"
        "kappa: 1.0001\n"
        "anzahl_asym: 2.7\n"
        "asym_12: 0.3 | 0.05\n"  // one index character: slot 1
        "asym_2: 0.5|0.02\n"     // x from the text before the blank in front of "|"
        "asym_6: 0.9 | -0.01\n"  // the last slot
        "bbk_aktiv: 1\n"
        "bbk_A5: 0.3 Rest\n"
        "anzahl_sym: 4\n"
        "sym_3: 0.7\n"  // no "|": z = 0
        "spline: -2\n"
        "k_x0: -1.5\n"
        "k_x1: 2\n"
        "anzahl_os: 1\n"  // the contour window's keys mean nothing here
        "mode: profile\n";
    SupersonicSettings s = SupersonicDefaultSettings(Window::Parts);
    const SupersonicConfigReport r = ReadSupersonicConfigText(text, Window::Parts, s);
    EXPECT_TRUE(r.rejectedLines.empty());
    EXPECT_EQ(s.alphaText, "-15");
    EXPECT_EQ(s.alpha, -15.0);
    EXPECT_EQ(s.kappa, 1.0001);
    EXPECT_EQ(s.part1.countText, "2.7");
    EXPECT_EQ(s.part1.count, 2);
    EXPECT_EQ(s.part1.supportPoints[0].x, 0.3);
    EXPECT_EQ(s.part1.supportPoints[0].z, 0.05);
    EXPECT_EQ(s.part1.supportPoints[1].x, 0.0);
    EXPECT_EQ(s.part1.supportPoints[1].z, 0.02);
    EXPECT_EQ(s.part1.supportPoints[5].x, 0.9);
    EXPECT_TRUE(s.coefficientMode);
    EXPECT_EQ(s.coefficientTexts[5], "0.3 Rest");
    EXPECT_EQ(s.coefficients[5], 0.3);
    EXPECT_EQ(s.part2.count, 4);
    EXPECT_EQ(s.part2.supportPoints[2].x, 0.7);
    EXPECT_EQ(s.part2.supportPoints[2].z, 0.0);
    EXPECT_TRUE(s.part2.spline);
    EXPECT_EQ(s.part2.curvatureStartText, "-1.5");
    EXPECT_EQ(s.part2.curvatureEnd, 2.0);
    EXPECT_EQ(s.machText, "3.0");
    // Flags are the number truncated toward zero; a flag that is no number is refused.
    for (const auto& [line, on] : std::vector<std::pair<std::string, bool>>{
             {"bbk_aktiv: 0.9", false}, {"bbk_aktiv: -1", true}}) {
        s.coefficientMode = !on;
        ReadSupersonicConfigText(line, Window::Parts, s);
        EXPECT_EQ(s.coefficientMode, on) << line;
    }
    for (bool before : {false, true}) {
        s.coefficientMode = before;
        EXPECT_EQ(ReadSupersonicConfigText("bbk_aktiv: ja", Window::Parts, s).rejectedLines.size(),
                  1u);
        EXPECT_EQ(s.coefficientMode, before);
    }
}

TEST(SupersonicConfigReader, ValuesThatAreNoNumberKeepTheDefaults) {
    const std::vector<std::string> bad = {
        "anzahl_sym: zz",  "anzahl_asym:",  "anzahl_asym: 2,5", "sym_1: zz | 0.01",
        "sym_2: 0.5 | zz", "sym_3: | 0.01", "asym_1: 0.5x",     "bbk_A1: zz",
        "k_x0: zz",        "k_x1: 1,5",     "spline: ein",      "kappa: 1.3.1",
    };
    std::string all;
    for (const std::string& line : bad) all += line + "\n";
    const SupersonicSettings defaults = SupersonicDefaultSettings(Window::Parts);
    SupersonicSettings s = defaults;
    const SupersonicConfigReport r = ReadSupersonicConfigText(all, Window::Parts, s);
    EXPECT_EQ(r.rejectedLines, bad);
    EXPECT_EQ(s.part2.countText, "1");
    EXPECT_EQ(s.part2.count, 1);
    EXPECT_EQ(s.part1.countText, defaults.part1.countText);
    EXPECT_EQ(s.part1.count, defaults.part1.count);
    EXPECT_EQ(s.part1.supportPoints, defaults.part1.supportPoints);
    EXPECT_EQ(s.part2.supportPoints, defaults.part2.supportPoints);
    EXPECT_EQ(s.coefficientTexts, defaults.coefficientTexts);
    EXPECT_EQ(s.coefficients, defaults.coefficients);
    EXPECT_EQ(s.part2.curvatureStartText, defaults.part2.curvatureStartText);
    EXPECT_EQ(s.part2.curvatureEndText, defaults.part2.curvatureEndText);
    EXPECT_EQ(s.part2.spline, defaults.part2.spline);
    EXPECT_EQ(s.kappaText, defaults.kappaText);
}

TEST(SupersonicConfigReader, ContourKeysAndWhatAddressesNothing) {
    const std::string text =
        "mach: 2\n"
        "anzahl_os: 4\n"
        "os_4: 0.8 | 0.01\n"
        "spline_us: 0\n"
        "k_x0_o: -3\n"
        "us_1: -0.5 | -0.02\n"
        "asym_1: 0.1 | 0.1\n"  // a parts key
        "bbk_aktiv: 1\n";
    SupersonicSettings s = SupersonicDefaultSettings(Window::Contour);
    EXPECT_TRUE(ReadSupersonicConfigText(text, Window::Contour, s).rejectedLines.empty());
    EXPECT_EQ(s.mach, 2.0);
    EXPECT_EQ(s.part1.count, 4);
    EXPECT_EQ(s.part1.supportPoints[3].x, 0.8);
    EXPECT_EQ(s.part1.supportPoints[3].z, 0.01);
    EXPECT_TRUE(s.part1.spline);
    EXPECT_FALSE(s.part2.spline);
    EXPECT_EQ(s.part1.curvatureStart, -3.0);
    EXPECT_EQ(s.part2.supportPoints[0].x, -0.5);
    EXPECT_FALSE(s.coefficientMode);

    // Lines whose index or value addresses nothing: ignored and reported; nothing else moves.
    const std::vector<std::string> bad = {
        "os_7: 0.1 | 0.1", "os_0: 0.1 | 0.1",  "os_x: 0.1 | 0.1",  "os_: 0.1 | 0.1",
        "us_2: 2.5 | 0.1", "us_2: -1.5 | 0.1", "us_2: 1e999 | 0",  "us_2: 0.5 | -1e999",
        "anzahl_us: 5",    "anzahl_us: -1",    "anzahl_us: 1e999", "kappa: 1",
        "kappa: 2.5",      "alpha*: 15.5",     "alpha*: -16",
    };
    const SupersonicSettings before = s;
    std::string all;
    for (const std::string& line : bad) all += line + "\n";
    const SupersonicConfigReport r = ReadSupersonicConfigText(all, Window::Contour, s);
    EXPECT_EQ(r.rejectedLines, bad);
    EXPECT_EQ(s.part1.supportPoints, before.part1.supportPoints);
    EXPECT_EQ(s.part2.supportPoints, before.part2.supportPoints);
    EXPECT_EQ(s.part2.countText, "2");
    EXPECT_EQ(s.part2.count, 2);
    EXPECT_EQ(s.kappaText, "1.4");
    EXPECT_EQ(s.alpha, 4.0);

    SupersonicSettings parts = SupersonicDefaultSettings(Window::Parts);
    const SupersonicConfigReport coefficients = ReadSupersonicConfigText(
        "bbk_A6: 1\nbbk_A: 1\nbbk_Ax: 1\nbbk_A0: 0.25\n", Window::Parts, parts);
    EXPECT_EQ(coefficients.rejectedLines.size(), 3u);
    EXPECT_EQ(parts.coefficients[0], 0.25);
}

TEST(SupersonicConfigReader, LongLinesAndCrlf) {
    const std::string longValue = "2.5 " + std::string(10000, 'x');
    std::string text = "k_x0: " + longValue + "\n" + std::string(10000, 'k') + ": 1\nmach: 4\n";
    SupersonicSettings s = SupersonicDefaultSettings(Window::Parts);
    ReadSupersonicConfigText(text, Window::Parts, s);
    EXPECT_EQ(s.part2.curvatureStartText, longValue);
    EXPECT_EQ(s.part2.curvatureStart, 2.5);
    EXPECT_EQ(s.mach, 4.0);

    // A file written with CRLF line ends reads as its LF twin.
    const std::string lf = "mode: asym_sym\nmach: 2.5\nanzahl_sym: 3\nsym_1: 0.2 | 0.03\n";
    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    SupersonicSettings a = SupersonicDefaultSettings(Window::Parts);
    SupersonicSettings b = SupersonicDefaultSettings(Window::Parts);
    ReadSupersonicConfigText(lf, Window::Parts, a);
    ReadSupersonicConfigText(crlf, Window::Parts, b);
    EXPECT_EQ(b.machText, "2.5");
    EXPECT_EQ(a.machText, b.machText);
    EXPECT_EQ(a.part2.countText, b.part2.countText);
    EXPECT_EQ(a.part2.supportPoints, b.part2.supportPoints);
}

const SupersonicShockTexts kShock = {"0.0093", "0.0769", "-0.0378", "0.491"};

TEST(SupersonicConfigWriter, PartsDefaultsByteForByteAndBack) {
    TempDir dir;
    const std::string path = dir.file("antim.cfg");
    const SupersonicSettings defaults = SupersonicDefaultSettings(Window::Parts);
    ASSERT_TRUE(WriteSupersonicConfig(path, Window::Parts, defaults, kShock));
    const std::string expected =
        "# Luvo - \xDC"
        "berschallberechnung - ANTIM/SYM\n"
        "# \n"
        "# cWw:   0.0093 \n"
        "# cA:    0.0769 \n"
        "# cM:    -0.0378 \n"
        "# xA/t:  0.491 \n"
        "\n"
        "mode: asym_sym\n"
        "\n"
        "mach: 3.0\n"
        "alpha*: 3\n"
        "kappa: 1.4\n"
        "\n"
        "# antimetrisch\n"
        "anzahl_asym: 1\n"
        "asym_1: 0.50000000 | 0.02000000\n"
        "asym_2: 0.25000000 | 0.01000000\n"
        "asym_3: 0.75000000 | 0.01000000\n"
        "asym_4: 0.40000000 | 0.01500000\n"
        "\n"
        "# birnbaum_koeff\n"
        "bbk_aktiv: 0\n"
        "bbk_A0: 0\n"
        "bbk_A1: 0\n"
        "bbk_A2: 0\n"
        "bbk_A3: 0\n"
        "bbk_A4: 0\n"
        "bbk_A5: 0\n"
        "\n"
        "# symmetrisch\n"
        "anzahl_sym: 1\n"
        "sym_1: 0.50000000 | 0.04000000\n"
        "sym_2: 0.75000000 | 0.02000000\n"
        "sym_3: 0.25000000 | 0.02000000\n"
        "sym_4: 0.40000000 | 0.03000000\n"
        "spline: 0\n"
        "k_x0: 0\n"
        "k_x1: 0\n";
    EXPECT_EQ(ReadFileBytes(path), expected);
    EXPECT_EQ(SupersonicProbeConfigFile(path), Window::Parts);

    // Every text, slot, mode, coefficient and the Spline state come back; slots 5 and 6 are not
    // written.
    SupersonicSettings edited = defaults;
    edited.machText = "2.2";
    edited.mach = 2.2;
    edited.part1.countText = "3";
    edited.part1.count = 3;
    edited.part1.supportPoints[3] = {0.8125, -0.004};
    edited.coefficientMode = true;
    edited.coefficientTexts = {"0.1", "0.2", "-0.03", "0", "0.005", "1"};
    edited.coefficients = {0.1, 0.2, -0.03, 0, 0.005, 1};
    edited.part2.spline = true;
    edited.part2.curvatureStartText = "-2";
    edited.part2.curvatureStart = -2.0;
    ASSERT_TRUE(WriteSupersonicConfig(path, Window::Parts, edited, kShock));
    SupersonicSettings back = SupersonicDefaultSettings(Window::Parts);
    back.part1.supportPoints[4] = edited.part1.supportPoints[4];
    SupersonicConfigReport report;
    ASSERT_TRUE(ReadSupersonicConfigFile(path, Window::Parts, back, &report));
    EXPECT_TRUE(report.rejectedLines.empty());
    EXPECT_EQ(back.machText, edited.machText);
    EXPECT_EQ(back.mach, edited.mach);
    EXPECT_EQ(back.alphaText, edited.alphaText);
    EXPECT_EQ(back.kappaText, edited.kappaText);
    for (const auto& [a, b] :
         {std::pair{&back.part1, &edited.part1}, {&back.part2, &edited.part2}}) {
        EXPECT_EQ(a->countText, b->countText);
        EXPECT_EQ(a->count, b->count);
        EXPECT_EQ(a->supportPoints, b->supportPoints);
    }
    EXPECT_TRUE(back.coefficientMode);
    EXPECT_EQ(back.coefficientTexts, edited.coefficientTexts);
    EXPECT_EQ(back.coefficients, edited.coefficients);
    EXPECT_TRUE(back.part2.spline);
    EXPECT_EQ(back.part2.curvatureStartText, "-2");
    EXPECT_EQ(back.part2.curvatureStart, -2.0);
    EXPECT_EQ(back.part2.curvatureEndText, "0");
}

TEST(SupersonicConfigWriter, ContourDefaultsByteForByteAndBack) {
    TempDir dir;
    const std::string path = dir.file("direkt.cfg");
    const SupersonicSettings defaults = SupersonicDefaultSettings(Window::Contour);
    ASSERT_TRUE(WriteSupersonicConfig(path, Window::Contour, defaults, {" -", " -", " -", " -"}));
    const std::string expected =
        "# Luvo - \xDC"
        "berschallberechnung - direkt\n"
        "# \n"
        "# cWw:    - \n"
        "# cA:     - \n"
        "# cM:     - \n"
        "# xA/t:   - \n"
        "\n"
        "mode: profile\n"
        "\n"
        "mach: 3\n"
        "alpha*: 4\n"
        "kappa: 1.4\n"
        "\n"
        "# St\xFCtzpunkte Oberseite\n"
        "anzahl_os: 3\n"
        "os_1: 0.33300000 | 0.05200000\n"
        "os_2: 0.05500000 | 0.02300000\n"
        "os_3: 0.63700000 | 0.02600000\n"
        "os_4: 0.40000000 | 0.03000000\n"
        "spline_os: 1\n"
        "k_x0_o: -2\n"
        "k_x1_o: 0\n"
        "\n"
        "# St\xFCtzpunkte Unterseite\n"
        "anzahl_us: 2\n"
        "us_1: 0.05800000 | -0.01300000\n"
        "us_2: 0.25000000 | -0.02000000\n"
        "us_3: 0.75000000 | -0.02000000\n"
        "us_4: 0.40000000 | -0.03000000\n"
        "spline_us: 1\n"
        "k_x0_u: 1\n"
        "k_x1_u: 0\n";
    EXPECT_EQ(ReadFileBytes(path), expected);
    EXPECT_EQ(SupersonicProbeConfigFile(path), Window::Contour);

    SupersonicSettings edited = defaults;
    edited.part2.spline = false;
    edited.part2.countText = "4";
    edited.part2.count = 4;
    edited.part1.curvatureEndText = "0.5";
    edited.part1.curvatureEnd = 0.5;
    ASSERT_TRUE(WriteSupersonicConfig(path, Window::Contour, edited, kShock));
    SupersonicSettings back = SupersonicDefaultSettings(Window::Contour);
    back.part2.spline = true;
    ASSERT_TRUE(ReadSupersonicConfigFile(path, Window::Contour, back, nullptr));
    EXPECT_FALSE(back.part2.spline);
    EXPECT_TRUE(back.part1.spline);
    EXPECT_EQ(back.part2.count, 4);
    EXPECT_EQ(back.part1.curvatureEndText, "0.5");
    EXPECT_EQ(back.part1.curvatureEnd, 0.5);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(back.part1.supportPoints[k], edited.part1.supportPoints[k]);
        EXPECT_EQ(back.part2.supportPoints[k], edited.part2.supportPoints[k]);
    }
    // The parts window reads only the flow values of it.
    SupersonicSettings parts = SupersonicDefaultSettings(Window::Parts);
    ASSERT_TRUE(ReadSupersonicConfigFile(path, Window::Parts, parts, nullptr));
    EXPECT_EQ(parts.machText, "3");
    EXPECT_EQ(parts.alpha, 4.0);
    EXPECT_EQ(parts.part1.supportPoints,
              SupersonicDefaultSettings(Window::Parts).part1.supportPoints);
}

TEST(SupersonicConfigWriter, UnwritablePathGivesFalse) {
    TempDir dir;
    const std::string path = dir.file("fehlt/profil.cfg");
    for (Window w : {Window::Parts, Window::Contour}) {
        EXPECT_FALSE(WriteSupersonicConfig(path, w, SupersonicDefaultSettings(w), kShock));
    }
    SupersonicSettings s = SupersonicDefaultSettings(Window::Parts);
    EXPECT_FALSE(ReadSupersonicConfigFile(path, Window::Parts, s, nullptr));
    EXPECT_EQ(s.machText, "3.0");
}

}  // namespace
