// Configuration files of the supersonic method: the file type of a path, the mode probe, the line
// rules and key tables of the reader, and the two writers, byte for byte and read back.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
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

// Every member of two settings, texts and values.
void ExpectSameSettings(const SupersonicSettings& a, const SupersonicSettings& b) {
    EXPECT_EQ(a.machText, b.machText);
    EXPECT_EQ(a.alphaText, b.alphaText);
    EXPECT_EQ(a.kappaText, b.kappaText);
    EXPECT_EQ(a.mach, b.mach);
    EXPECT_EQ(a.alpha, b.alpha);
    EXPECT_EQ(a.kappa, b.kappa);
    for (const auto& [x, y] : {std::pair{&a.part1, &b.part1}, {&a.part2, &b.part2}}) {
        EXPECT_EQ(x->countText, y->countText);
        EXPECT_EQ(x->count, y->count);
        EXPECT_EQ(x->supportPoints, y->supportPoints);
        EXPECT_EQ(x->spline, y->spline);
        EXPECT_EQ(x->curvatureStartText, y->curvatureStartText);
        EXPECT_EQ(x->curvatureEndText, y->curvatureEndText);
        EXPECT_EQ(x->curvatureStart, y->curvatureStart);
        EXPECT_EQ(x->curvatureEnd, y->curvatureEnd);
    }
    EXPECT_EQ(a.coefficientMode, b.coefficientMode);
    EXPECT_EQ(a.coefficientTexts, b.coefficientTexts);
    EXPECT_EQ(a.coefficients, b.coefficients);
}

TEST(SupersonicConfigReader, LineRules) {
    // Each line read alone into the parts window's defaults.
    struct Case {
        const char* line;
        std::string machText;  // "3.0": the default, line ignored or refused
        double mach;
        bool refused;
    };
    const std::vector<Case> cases = {
        {"mach:3.5", "3.5", 3.5, false},
        {"mach:    2.5", "2.5", 2.5, false},
        {"mach: 2.5\r", "2.5", 2.5, false},
        {"mach: 2.5  \t", "2.5  \t", 2.5, false},
        {"\tmach: 2.5", "2.5", 2.5, false},
        {"mach: 5", "5", 5.0, false},
        {"mach: 2e0", "2e0", 2.0, false},
        // Comment lines and other keys are ignored.
        {" mach: 2.5", "3.0", 3.0, false},
        {"#mach: 2.5", "3.0", 3.0, false},
        {"mach : 2.5", "3.0", 3.0, false},
        {"Mach: 2.5", "3.0", 3.0, false},
        {"mach 2.5", "3.0", 3.0, false},
        {"", "3.0", 3.0, false},
        // Outside the Mach field's range 1 < Ma <= 5.
        {"mach: 1", "3.0", 3.0, true},
        {"mach: 5.01", "3.0", 3.0, true},
        {"mach: 1e999", "3.0", 3.0, true},
        // A value that is not one number and nothing else.
        {"mach:", "3.0", 3.0, true},
        {"mach: zz", "3.0", 3.0, true},
        {"mach: 2,5", "3.0", 3.0, true},
        {"mach: 2.5x", "3.0", 3.0, true},
        {"mach: x 2.5", "3.0", 3.0, true},
        {"mach: 2.5 # aus dem Versuch", "3.0", 3.0, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        SupersonicSettings s = SupersonicDefaultSettings(Window::Parts);
        std::string key;
        EXPECT_EQ(ReadSupersonicConfigText(c.line, Window::Parts, s, &key), !c.refused);
        EXPECT_EQ(s.machText, c.machText);
        EXPECT_EQ(s.mach, c.mach);
        EXPECT_EQ(key, c.refused ? "mach" : "");
    }
}

TEST(SupersonicConfigReader, PartsKeys) {
    const std::string text =
        "alpha*: -15\n"
        "kappa: 1.0001\n"
        "anzahl_asym: 2.7\n"     // the count field takes a fraction and truncates it
        "asym_2: 0.5|0.02\n"     // no blanks around the "|"
        "asym_6: 0.9 | -0.01\n"  // the last slot
        "asym_1: 0 | -1\n"       // the lowest camber point
        "bbk_aktiv: 1\n"
        "bbk_A5: 0.3\n"
        "anzahl_sym: 4\n"
        "sym_3: 1 | 0\n"  // a thickness point on the chord
        "sym_4: 0.5 | 1\n"
        "spline: 1\n"
        "k_x0: -1.5\n"
        "k_x1: 2\n"
        "anzahl_os: 1\n"  // the contour window's keys mean nothing here
        "os_1: 7 | 7\n"
        "mode: profile\n";
    SupersonicSettings s = SupersonicDefaultSettings(Window::Parts);
    ASSERT_TRUE(ReadSupersonicConfigText(text, Window::Parts, s));
    EXPECT_EQ(s.alphaText, "-15");
    EXPECT_EQ(s.alpha, -15.0);
    EXPECT_EQ(s.kappa, 1.0001);
    EXPECT_EQ(s.part1.countText, "2.7");
    EXPECT_EQ(s.part1.count, 2);
    EXPECT_EQ(s.part1.supportPoints[1], (SupersonicPoint{0.5, 0.02}));
    EXPECT_EQ(s.part1.supportPoints[5], (SupersonicPoint{0.9, -0.01}));
    EXPECT_EQ(s.part1.supportPoints[0], (SupersonicPoint{0.0, -1.0}));
    EXPECT_TRUE(s.coefficientMode);
    EXPECT_EQ(s.coefficientTexts[5], "0.3");
    EXPECT_EQ(s.coefficients[5], 0.3);
    EXPECT_EQ(s.part2.count, 4);
    EXPECT_EQ(s.part2.supportPoints[2], (SupersonicPoint{1.0, 0.0}));
    EXPECT_EQ(s.part2.supportPoints[3], (SupersonicPoint{0.5, 1.0}));
    EXPECT_TRUE(s.part2.spline);
    EXPECT_EQ(s.part2.curvatureStartText, "-1.5");
    EXPECT_EQ(s.part2.curvatureEnd, 2.0);
    EXPECT_EQ(s.machText, "3.0");
    SupersonicSettings off = s;
    ASSERT_TRUE(ReadSupersonicConfigText("bbk_aktiv: 0\nspline: 0\n", Window::Parts, off));
    EXPECT_FALSE(off.coefficientMode);
    EXPECT_FALSE(off.part2.spline);
}

// A file with one line the window could not have written is refused whole: the lines before it
// are not taken either.
TEST(SupersonicConfigReader, AFileWithOneBadLineChangesNothing) {
    struct Case {
        Window window;
        const char* line;
        const char* key;
    };
    const std::vector<Case> cases = {
        // Values that were dropped, read as 0 or taken in part.
        {Window::Parts, "bbk_A1: abc", "bbk_A1"},
        {Window::Parts, "bbk_A1: 0.5 Rest", "bbk_A1"},
        {Window::Parts, "bbk_A6: 1", "bbk_A6"},
        {Window::Parts, "bbk_A: 1", "bbk_A"},
        {Window::Parts, "bbk_aktiv: ja", "bbk_aktiv"},
        {Window::Parts, "bbk_aktiv: 0.9", "bbk_aktiv"},
        {Window::Parts, "spline: -2", "spline"},
        {Window::Parts, "k_x1: 1,5", "k_x1"},
        {Window::Parts, "kappa: 1.3.1", "kappa"},
        {Window::Parts, "anzahl_asym: 2,5", "anzahl_asym"},
        {Window::Parts, "anzahl_sym: zz", "anzahl_sym"},
        {Window::Parts, "anzahl_sym: 5", "anzahl_sym"},
        {Window::Parts, "anzahl_sym: -1", "anzahl_sym"},
        {Window::Parts, "asym_12: 0.3 | 0.05", "asym_12"},
        {Window::Parts, "asym_0: 0.3 | 0.05", "asym_0"},
        {Window::Parts, "asym_1: 0.5x | 0.02", "asym_1"},
        {Window::Parts, "sym_3: 0.7", "sym_3"},
        {Window::Parts, "sym_1: | 0.01", "sym_1"},
        {Window::Parts, "sym_1: 0.5 | 0.02 | 0.03", "sym_1"},
        // Support points off the chord or beyond the height the drags reach.
        {Window::Parts, "sym_1: 1.5 | 0.02", "sym_1"},
        {Window::Parts, "sym_1: 0.5 | -0.01", "sym_1"},
        {Window::Parts, "asym_1: 0.5 | 5.2", "asym_1"},
        {Window::Parts, "asym_1: -0.1 | 0.01", "asym_1"},
        {Window::Contour, "os_1: 0,4 | 0,06", "os_1"},
        {Window::Contour, "os_1: abc | def", "os_1"},
        {Window::Contour, "os_1: 0.4 | 0.06x", "os_1"},
        {Window::Contour, "k_x0_o: -3,5", "k_x0_o"},
        {Window::Contour, "spline_os: ja", "spline_os"},
        {Window::Contour, "os_3: 1.5 | 0.02", "os_3"},
        {Window::Contour, "us_1: 0.5 | -5.2", "us_1"},
        {Window::Contour, "us_2: 0.5 | -1e999", "us_2"},
        {Window::Contour, "os_7: 0.1 | 0.1", "os_7"},
        {Window::Contour, "os_x: 0.1 | 0.1", "os_x"},
        {Window::Contour, "anzahl_us: 4.5", "anzahl_us"},
        {Window::Contour, "alpha*: 15.5", "alpha*"},
        {Window::Contour, "kappa: 1", "kappa"},
        // A file cut in the middle of its line.
        {Window::Contour, "os_2: 0.0550", "os_2"},
        {Window::Contour, "os_2: 0.0550 |", "os_2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        const SupersonicSettings defaults = SupersonicDefaultSettings(c.window);
        SupersonicSettings s = defaults;
        const std::string text = std::string("mach: 2.5\nanzahl_") +
                                 (c.window == Window::Parts ? "sym" : "os") + ": 2\n" + c.line +
                                 "\nkappa: 1.3\n";
        std::string key;
        EXPECT_FALSE(ReadSupersonicConfigText(text, c.window, s, &key));
        EXPECT_EQ(key, c.key);
        ExpectSameSettings(s, defaults);
    }
}

TEST(SupersonicConfigReader, ContourKeys) {
    const std::string text =
        "mach: 2\n"
        "anzahl_os: 4\n"
        "os_4: 0.8 | 0.01\n"
        "spline_us: 0\n"
        "k_x0_o: -3\n"
        "us_1: 0 | -1\n"
        "asym_1: 0.1 | 7\n"  // a parts key
        "bbk_aktiv: 1\n";
    SupersonicSettings s = SupersonicDefaultSettings(Window::Contour);
    ASSERT_TRUE(ReadSupersonicConfigText(text, Window::Contour, s));
    EXPECT_EQ(s.mach, 2.0);
    EXPECT_EQ(s.part1.count, 4);
    EXPECT_EQ(s.part1.supportPoints[3], (SupersonicPoint{0.8, 0.01}));
    EXPECT_TRUE(s.part1.spline);
    EXPECT_FALSE(s.part2.spline);
    EXPECT_EQ(s.part1.curvatureStart, -3.0);
    EXPECT_EQ(s.part2.supportPoints[0], (SupersonicPoint{0.0, -1.0}));
    EXPECT_FALSE(s.coefficientMode);
}

TEST(SupersonicConfigReader, LongLinesCrlfAndAByteOrderMark) {
    std::string text =
        "k_x0: 2.5" + std::string(10000, ' ') + "\n" + std::string(10000, 'k') + ": 1\nmach: 4\n";
    SupersonicSettings s = SupersonicDefaultSettings(Window::Parts);
    ASSERT_TRUE(ReadSupersonicConfigText(text, Window::Parts, s));
    EXPECT_EQ(s.part2.curvatureStart, 2.5);
    EXPECT_EQ(s.mach, 4.0);
    SupersonicSettings longWord = SupersonicDefaultSettings(Window::Parts);
    EXPECT_FALSE(
        ReadSupersonicConfigText("k_x0: 2.5 " + std::string(10000, 'x'), Window::Parts, longWord));

    // A file written with CRLF line ends reads as its LF twin.
    const std::string lf = "mode: asym_sym\nmach: 2.5\nanzahl_sym: 3\nsym_1: 0.2 | 0.03\n";
    std::string crlf;
    for (char c : lf) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
    SupersonicSettings a = SupersonicDefaultSettings(Window::Parts);
    SupersonicSettings b = SupersonicDefaultSettings(Window::Parts);
    ASSERT_TRUE(ReadSupersonicConfigText(lf, Window::Parts, a));
    ASSERT_TRUE(ReadSupersonicConfigText(crlf, Window::Parts, b));
    EXPECT_EQ(b.machText, "2.5");
    ExpectSameSettings(a, b);

    // An editor's byte order mark in front of the first key: the parts window, and its keys.
    const std::string bom = "\xEF\xBB\xBF";
    EXPECT_EQ(SupersonicProbeConfigText(bom + lf), Window::Parts);
    SupersonicSettings marked = SupersonicDefaultSettings(Window::Parts);
    ASSERT_TRUE(ReadSupersonicConfigText(bom + "mach: 2.5\n", Window::Parts, marked));
    EXPECT_EQ(marked.machText, "2.5");
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
    ASSERT_TRUE(ReadSupersonicConfigFile(path, Window::Parts, back));
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
    ASSERT_TRUE(ReadSupersonicConfigFile(path, Window::Contour, back));
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
    ASSERT_TRUE(ReadSupersonicConfigFile(path, Window::Parts, parts));
    EXPECT_EQ(parts.machText, "3");
    EXPECT_EQ(parts.alpha, 4.0);
    EXPECT_EQ(parts.part1.supportPoints,
              SupersonicDefaultSettings(Window::Parts).part1.supportPoints);
}

// A field text the reader would refuse is not saved: no file, an old one left as it was, and the
// key named for the window's box.
TEST(SupersonicConfigWriter, WritesOnlyWhatReadsBack) {
    struct Case {
        Window window;
        std::function<void(SupersonicSettings&)> edit;
        const char* key;
    };
    const std::vector<Case> cases = {
        {Window::Parts, [](SupersonicSettings& s) { s.machText = "7"; }, "mach"},
        {Window::Parts, [](SupersonicSettings& s) { s.alphaText = "2.5-"; }, "alpha*"},
        {Window::Parts, [](SupersonicSettings& s) { s.part1.countText = "2-"; }, "anzahl_asym"},
        {Window::Parts, [](SupersonicSettings& s) { s.coefficientTexts[2] = "-"; }, "bbk_A2"},
        {Window::Parts, [](SupersonicSettings& s) { s.part2.curvatureEndText = ""; }, "k_x1"},
        {Window::Contour, [](SupersonicSettings& s) { s.part2.curvatureStartText = "."; },
         "k_x0_u"},
        {Window::Contour, [](SupersonicSettings& s) { s.kappaText = "1,4.2"; }, "kappa"},
    };
    TempDir dir;
    const std::string path = dir.file("alt.cfg");
    const std::string fresh = dir.file("neu.cfg");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        { std::ofstream(path, std::ios::binary) << "mach: 2\n"; }
        SupersonicSettings s = SupersonicDefaultSettings(c.window);
        c.edit(s);
        std::string key;
        EXPECT_FALSE(WriteSupersonicConfig(path, c.window, s, kShock, &key));
        EXPECT_EQ(key, c.key);
        EXPECT_EQ(ReadFileBytes(path), "mach: 2\n");
        EXPECT_FALSE(WriteSupersonicConfig(fresh, c.window, s, kShock));
        EXPECT_FALSE(std::filesystem::exists(fresh));
    }
}

TEST(SupersonicConfigWriter, UnwritablePathGivesFalse) {
    TempDir dir;
    const std::string path = dir.file("fehlt/profil.cfg");
    for (Window w : {Window::Parts, Window::Contour}) {
        EXPECT_FALSE(WriteSupersonicConfig(path, w, SupersonicDefaultSettings(w), kShock));
    }
    SupersonicSettings s = SupersonicDefaultSettings(Window::Parts);
    EXPECT_FALSE(ReadSupersonicConfigFile(path, Window::Parts, s));
    EXPECT_EQ(s.machText, "3.0");
}

}  // namespace
