#include "panel3d/core/Panel3dXfoil.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "panel3d/core/Panel3dResultPlots.h"
#include "panel3d/core/Panel3dResultSeries.h"
#include "tests/support/RecordingPainter.h"
#include "tests/support/TempDir.h"

namespace {

using luvo::test::DrawStep;
using luvo::test::ReadFileBytes;
using luvo::test::RecordingPainter;
using luvo::test::ScopedWorkDir;

namespace fs = std::filesystem;

// XFOIL 6.99's polar file of one section computed at cl 0.3 twice (both converged).
const char* const kHeader =
    "  \n"
    "       XFOIL         Version 6.99\n"
    "  \n"
    " Calculated polar for: Luvo-Profil                                     \n"
    "  \n"
    " 1 1 Reynolds number fixed          Mach number fixed         \n"
    "  \n"
    " xtrf =   0.050 (top)        0.050 (bottom)  \n"
    " Mach =   0.000     Re =     2.000 e 6     Ncrit =   9.000  9.000\n"
    "  \n"
    "   alpha    CL        CD       CDp       CM     Top_Xtr  Bot_Xtr  Top_Itr  Bot_Itr\n"
    "  ------ -------- --------- --------- -------- -------- -------- -------- --------\n";
const char* const kLine =
    "   2.651   0.3000   0.00977   0.00107  -0.0002   0.0500   0.0500  63.1311  97.8689";

std::string Converged() { return std::string(kHeader) + kLine + "\n" + kLine + "\n"; }

// The text with the profile name of the header replaced by the one XFOIL was given for `run`.
std::string Named(std::string text, const Panel3dEvaluationRecord& run) {
    const std::string name = "Luvo-Profil";
    const size_t at = text.find(name);
    if (at != std::string::npos) text.replace(at, name.size(), XfoilProfileName(run));
    return text;
}

void Write(const std::string& name, const std::string& text) {
    std::ofstream(name, std::ios::binary) << text;
}

// A record of `m` spanwise and `n` chordwise panels, `points` operating points.
Panel3dEvaluationRecord Record(int n, int m, int mode, double points) {
    std::array<double, 9> flowState{};
    flowState[4] = points;
    flowState[8] = 0.8;
    return Panel3dEvaluationRecord(n, m, flowState, mode);
}

// A run of two sections of three contour points at two operating points.
Panel3dEvaluationRecord SmallRun() {
    Panel3dEvaluationRecord run = Record(1, 1, 1, 2);
    run.sectionX = {1, 0, 1, 1, 0, 1, 0, 0, 0};
    run.sectionZ = {0.01, 0, -0.01, 0.0125, 0, -1e-5, 0, 0, 0};
    run.sectionReynolds = {2e6, 1.5e6, 2.5e6, 1875000.5};
    run.pointStripLift = {{0.1, 0.2}, {0.35, 0.5}};
    return run;
}

TEST(Panel3dXfoilNames, BuildNamesFromBaseNames) {
    struct Case {
        const char* profileBase;
        const char* resultBase;
        int point, section;
        const char* profile;
        const char* result;
    } cases[] = {
        {"profil.pol", "xfoil_results.dat", 0, 7, "profil_007.pol", "xfoil_results_007_00_00.dat"},
        {"profil.pol", "xfoil_results.dat", 3, 12, "profil_012.pol", "xfoil_results_012_03_00.dat"},
        {".pol", ".dat", 0, 0, "_000.pol", "_000_00_00.dat"},
        // Under four characters the whole name is the stem.
        {"ab", "r", 1, 2, "ab_002", "r_002_01_00"},
        // Only the last three and two digits count.
        {"/tmp/d/p.pol", "x.dat", 123, 1004, "/tmp/d/p_004.pol", "x_004_23_00.dat"},
    };
    for (const Case& c : cases) {
        Panel3dXfoilNames names;
        names.profileBase = c.profileBase;
        names.resultBase = c.resultBase;
        const Panel3dXfoilFileNames built = MakeXfoilFileNames(names, c.point, c.section);
        EXPECT_EQ(built.profile, c.profile);
        EXPECT_EQ(built.result, c.result);
    }
}

TEST(Panel3dXfoilWriter, DefaultsWriteProfilesCommandsAndBatchAndNoResultFile) {
    ScopedWorkDir work;
    // An old result of the same name would make XFOIL stop reading its commands.
    Write("xfoil_results_001_01_00.dat", Converged());
    const std::vector<std::string> unwritten = WriteXfoilFiles(Panel3dXfoilNames(), SmallRun());
    EXPECT_TRUE(unwritten.empty());

    EXPECT_EQ(ReadFileBytes("profil_000.pol"), "1 0.01\n0 0\n1 -0.01\n");
    EXPECT_EQ(ReadFileBytes("profil_001.pol"), "1 0.0125\n0 0\n1 -1e-05\n");
    const std::string name = XfoilProfileName(SmallRun());
    auto block = [&](const std::string& profile, const std::string& re, const std::string& result,
                     const std::string& cl) {
        return "LOAD " + profile + "\n" + name + "\nPANE\nOPER\n" + re +
               "\nVPAR\nXTR\n0.05\n0.05\n\nPACC\n" + result + "\n\nITER\n100\ncl " + cl + "\ncl " +
               cl + "\nPACC\nPDEL\n0\n\n";
    };
    EXPECT_EQ(ReadFileBytes("command.cmd"),
              block("profil_000.pol", "VISC 2e+06", "xfoil_results_000_00_00.dat", "0.1") +
                  block("profil_001.pol", "RE 1.5e+06", "xfoil_results_001_00_00.dat", "0.2") +
                  block("profil_000.pol", "RE 2.5e+06", "xfoil_results_000_01_00.dat", "0.35") +
                  block("profil_001.pol", "RE 1.875e+06", "xfoil_results_001_01_00.dat", "0.5") +
                  "\nQUIT\n");
    EXPECT_EQ(ReadFileBytes("batch.bat"), "xfoilP4.exe < command.cmd\n");
    for (const auto& entry : fs::directory_iterator(".")) {
        EXPECT_EQ(entry.path().filename().string().rfind("xfoil_results", 0), std::string::npos)
            << entry.path();
    }
}

TEST(Panel3dXfoilWriter, NoPointWritesOnlyQuitAndTheBatchFile) {
    ScopedWorkDir work;
    Panel3dEvaluationRecord run = SmallRun();
    run = Record(1, 1, 1, 0);
    EXPECT_TRUE(WriteXfoilFiles(Panel3dXfoilNames(), run).empty());
    EXPECT_EQ(ReadFileBytes("command.cmd"), "\nQUIT\n");
    EXPECT_FALSE(fs::exists("profil_000.pol"));
    EXPECT_EQ(ReadFileBytes("batch.bat"), "xfoilP4.exe < command.cmd\n");
}

TEST(Panel3dXfoilWriter, BatchLineQuotesWhatShWouldSplit) {
    struct Case {
        const char* program;
        const char* command;
        const char* line;
    } cases[] = {
        {"xfoilP4.exe", "command.cmd", "xfoilP4.exe < command.cmd\n"},
        {"/usr/bin/xfoil", "/tmp/a-b_c+d/cmd.cmd", "/usr/bin/xfoil < /tmp/a-b_c+d/cmd.cmd\n"},
        {"/opt/my xfoil/xfoil", "mein befehl.cmd", "'/opt/my xfoil/xfoil' < 'mein befehl.cmd'\n"},
        {"it's;rm", "a$b.cmd", "'it'\\''s;rm' < 'a$b.cmd'\n"},
    };
    for (const Case& c : cases) {
        Panel3dXfoilNames names;
        names.program = c.program;
        names.commandFile = c.command;
        EXPECT_EQ(XfoilBatchLine(names), c.line);
    }
}

// sh runs the batch line as written: the program gets no argument and the command file on its
// standard input.
TEST(Panel3dXfoilWriter, BatchFileHandsTheProgramOnlyItsCommands) {
    ScopedWorkDir work;
    // A stand-in for XFOIL that notes its arguments and its input.
    Write("programm",
          "#!/bin/sh\nprintf '%s\\n' \"$#\" \"$@\" > argumente.txt\ncat > eingabe.txt\n");
    Panel3dXfoilNames names;
    names.program = (fs::current_path() / "programm").string();
    fs::permissions(names.program, fs::perms::owner_all);
    ASSERT_TRUE(WriteXfoilFiles(names, SmallRun()).empty());
    ASSERT_EQ(std::system("sh batch.bat"), 0);
    EXPECT_EQ(ReadFileBytes("argumente.txt"), "0\n");
    EXPECT_EQ(ReadFileBytes("eingabe.txt"), ReadFileBytes("command.cmd"));
}

TEST(Panel3dXfoilWriter, ChecksRefuseWhatXfoilCannotTake) {
    const std::string fine = CheckXfoilInput(Panel3dXfoilNames(), SmallRun());
    EXPECT_EQ(fine, "");
    struct Case {
        const char* what;
        void (*change)(Panel3dXfoilNames&, Panel3dEvaluationRecord&);
        bool refused;
    } cases[] = {
        {"line break", [](Panel3dXfoilNames& n, Panel3dEvaluationRecord&) { n.logFile = "a\nb"; },
         true},
        {"profile name of 64",
         [](Panel3dXfoilNames& n, Panel3dEvaluationRecord&) {
             n.profileBase = std::string(60, 'p');
         },
         false},
        {"profile name of 65",
         [](Panel3dXfoilNames& n, Panel3dEvaluationRecord&) {
             n.profileBase = std::string(61, 'p');
         },
         true},
        {"result name of 64",
         [](Panel3dXfoilNames& n, Panel3dEvaluationRecord&) {
             n.resultBase = std::string(54, 'r');
         },
         false},
        {"result name of 65",
         [](Panel3dXfoilNames& n, Panel3dEvaluationRecord&) {
             n.resultBase = std::string(55, 'r');
         },
         true},
        {"1000 sections",
         [](Panel3dXfoilNames&, Panel3dEvaluationRecord& r) {
             r = Record(1, 500, 0, 1);
             r.sectionReynolds.assign(1000, 1e6);
             r.pointStripLift = {std::vector<double>(1000, 0.2)};
         },
         false},
        {"1002 sections",
         [](Panel3dXfoilNames&, Panel3dEvaluationRecord& r) { r = Record(1, 501, 0, 1); }, true},
        {"101 points",
         [](Panel3dXfoilNames&, Panel3dEvaluationRecord& r) { r = Record(1, 1, 1, 101); }, true},
        {"lift nan",
         [](Panel3dXfoilNames&, Panel3dEvaluationRecord& r) {
             r.pointStripLift[1][1] = std::nan("");
         },
         true},
        {"Reynolds inf",
         [](Panel3dXfoilNames&, Panel3dEvaluationRecord& r) { r.sectionReynolds[1] = INFINITY; },
         true},
    };
    for (const Case& c : cases) {
        Panel3dXfoilNames names;
        Panel3dEvaluationRecord run = SmallRun();
        c.change(names, run);
        EXPECT_EQ(!CheckXfoilInput(names, run).empty(), c.refused) << c.what;
    }
}

TEST(Panel3dXfoilWriter, NamesWhatCannotBeWrittenAndKeepsAFolder) {
    ScopedWorkDir work;
    fs::create_directory("xfoil_results_000_00_00.dat");
    Panel3dXfoilNames names;
    names.commandFile = "fehlt/command.cmd";
    const std::vector<std::string> unwritten = WriteXfoilFiles(names, SmallRun());
    EXPECT_EQ(unwritten,
              (std::vector<std::string>{"xfoil_results_000_00_00.dat", "fehlt/command.cmd"}));
    EXPECT_TRUE(fs::is_directory("xfoil_results_000_00_00.dat"));
    EXPECT_TRUE(fs::exists("profil_001.pol"));
    EXPECT_EQ(ReadFileBytes("batch.bat"), "xfoilP4.exe < fehlt/command.cmd\n");
}

TEST(Panel3dXfoilReader, ResultFileFixtures) {
    struct Case {
        const char* what;
        std::string text;
        int code;
        double cd, cdp;
    } cases[] = {
        {"empty", "", 2, 0, 0},
        {"header only", kHeader, 2, 0, 0},
        {"two converged lines", Converged(), 0, 0.00977f, 0.00107f},
        {"one line", std::string(kHeader) + kLine + "\n", 3, 0.00977f, 0.00107f},
        {"one line without its end", std::string(kHeader) + kLine, 3, 0.00977f, 0.00107f},
        {"a second line that is no data", std::string(kHeader) + kLine + "\nVISCAL failed\n", 3,
         0.00977f, 0.00107f},
        {"seven numbers per line", "x0.1 0.2 0.003 0.001 0 0 0\n 0.2 0.3 0.004 0.002 0 0 0\n", 0,
         0.003f, 0.001f},
        {"first character of the numbers dropped", "1 2 3 4 5 6 7\n", 2, 0, 0},
        {"six numbers", " 1 2 3 4 5 6\n 1 2 3 4 5 6\n", 2, 0, 0},
        {"number glued to a word", " 1 2 3x 4 5 6 7\n", 2, 0, 0},
        {"beyond float", " 1 2 1e39 4 5 6 7\n 1 2 3 4 5 6 7\n", 3, 3, 4},
        {"words nan and inf", " nan 2 3 4 5 6 7\n inf 2 3 4 5 6 7\n", 2, 0, 0},
        {"garbage", std::string("garbage\0\xff 1 2 3\n", 17), 2, 0, 0},
    };
    for (const Case& c : cases) {
        const Panel3dXfoilFileResult r = ParseXfoilResult(c.text);
        EXPECT_EQ(r.code, c.code) << c.what;
        EXPECT_EQ(r.cd, c.cd) << c.what;
        EXPECT_EQ(r.cdp, c.cdp) << c.what;
    }
    ScopedWorkDir work;
    const Panel3dXfoilFileResult missing = ReadXfoilResultFile("fehlt.dat");
    EXPECT_EQ(missing.code, 1);
    EXPECT_EQ(missing.cd, 0.0);
    fs::create_directory("ordner.dat");
    EXPECT_EQ(ReadXfoilResultFile("ordner.dat").code, 1);
    Write("da.dat", Converged());
    EXPECT_EQ(ReadXfoilResultFile("da.dat").code, 0);
}

// Four sections at y 1.5, 0.5, -0.5, -1.5 with the given extents in x, every section at every
// point at Re 2e6 and cl 0.3, as the polar files of kHeader and Polar() say.
Panel3dEvaluationRecord FourSections(int mode, int points) {
    Panel3dEvaluationRecord run = Record(1, 2, mode, points);
    run.sectionLeadingEdgeY = {1.5, 0.5, -0.5, -1.5, 0};
    run.sectionLengthX = {0.5, 1.0, 2.0, 0.25, 0};
    run.sectionReynolds.assign(run.sectionReynolds.size(), 2e6);
    for (std::vector<double>& lifts : run.pointStripLift) lifts.assign(4, 0.3);
    return run;
}

// XFOIL's polar file of a section of `run` at `reynolds` ("%.3f e %d" as XFOIL prints it)
// converged twice at `cl` with the given drag.
std::string PolarAt(const Panel3dEvaluationRecord& run, const char* reynolds, const char* cl,
                    double cd, double cdp) {
    std::string header = Named(kHeader, run);
    const std::string re = "Re =     2.000 e 6";
    header.replace(header.find(re), re.size(), std::string("Re =     ") + reynolds);
    char line[128];
    std::snprintf(line, sizeof line, "   2.0   %s   %.5f   %.5f  -0.0002   0.05   0.05\n", cl, cd,
                  cdp);
    return header + line + line;
}

std::string Polar(const Panel3dEvaluationRecord& run, double cd, double cdp) {
    return PolarAt(run, "2.000 e 6", "0.3000", cd, cdp);
}

TEST(Panel3dXfoilReader, CrashedRunCodesFlagAndLog) {
    ScopedWorkDir work;
    Panel3dEvaluationRecord run = FourSections(0, 2);
    // XFOIL died in the third block of point 0: two files done, one header only, the rest never
    // written.
    Write("xfoil_results_000_00_00.dat", Polar(run, 0.01, 0.002));
    Write("xfoil_results_001_00_00.dat", Polar(run, 0.01, 0.002));
    Write("xfoil_results_002_00_00.dat", Named(kHeader, run));
    const Panel3dXfoilResults r = ReadXfoilResults(Panel3dXfoilNames(), run);
    EXPECT_EQ(r.codes, (std::vector<int>{0, 0, 2, 1, 1, 1, 1, 1}));
    EXPECT_TRUE(r.failed);
    EXPECT_TRUE(r.logWritten);
    EXPECT_EQ(ReadFileBytes("XFOIL_abnormalties.txt"),
              "X-Foil Abnormalties (Error log)\n"
              "====================================================================\n"
              "\n"
              "Error codes:\n"
              "\n"
              "0   Alles OK (Profil wurde normal berechnet)\n"
              "1   Profilfile war nicht vorhanden\n"
              "2   Profilfile enthielt keine Informationen (Nur Header vorhanden)\n"
              "3   X-Foil hat nicht konvergiert (nur ein Resultat vorhanden)\n"
              "\n"
              "Bei Error code 1 und 2 werden die jeweiligen X-Foil Werte 0 gesetzt. \n"
              "\n"
              "Nr.\tError code\n"
              "--------------------------------------------------------------------\n"
              "0\t0\n1\t0\n2\t2\n3\t1\n"
              "0\t1\n1\t1\n2\t1\n3\t1\n");
    // Neither point has a drag; the section values are those of the last point.
    for (double v : run.xfoilTotals) EXPECT_TRUE(std::isnan(v));
    EXPECT_TRUE(std::isnan(run.sectionCdXfoil[0]));

    // Every file fine: no flag.
    for (int p = 0; p < 2; ++p) {
        for (int s = 0; s < 4; ++s) {
            Write(MakeXfoilFileNames(Panel3dXfoilNames(), p, s).result, Polar(run, 0.01, 0.002));
        }
    }
    EXPECT_FALSE(ReadXfoilResults(Panel3dXfoilNames(), run).failed);
    // Only the last one not converged, then only the first.
    Write("xfoil_results_003_01_00.dat", Named(kHeader, run) + kLine);
    EXPECT_TRUE(ReadXfoilResults(Panel3dXfoilNames(), run).failed);
    Write("xfoil_results_003_01_00.dat", Polar(run, 0.01, 0.002));
    fs::remove("xfoil_results_000_00_00.dat");
    EXPECT_TRUE(ReadXfoilResults(Panel3dXfoilNames(), run).failed);
}

TEST(Panel3dXfoilReader, ReadingRightAfterWritingFindsNoResult) {
    ScopedWorkDir work;
    Write("xfoil_results_000_00_00.dat", Converged());
    Panel3dEvaluationRecord run = SmallRun();
    run.sectionLeadingEdgeY = {1, -1, 0};
    run.sectionLengthX = {1, 1, 0};
    ASSERT_TRUE(WriteXfoilFiles(Panel3dXfoilNames(), run).empty());
    const Panel3dXfoilResults r = ReadXfoilResults(Panel3dXfoilNames(), run);
    EXPECT_EQ(r.codes, (std::vector<int>(4, 1)));
    EXPECT_TRUE(r.failed);
    for (double v : run.xfoilTotals) EXPECT_TRUE(std::isnan(v));
}

TEST(Panel3dXfoilReader, SpanMeansWeightTheSectionsByTheirExtent) {
    ScopedWorkDir work;
    Panel3dEvaluationRecord run = FourSections(1, 1);
    const float cd = 0.0125f, cdp = 0.00375f;
    for (int s = 0; s < 4; ++s) Write(MakeXfoilFileNames({}, 0, s).result, Polar(run, cd, cdp));
    ReadXfoilResults(Panel3dXfoilNames(), run);
    const std::vector<double>& t = run.xfoilTotals;
    ASSERT_EQ(t.size(), 3u);
    EXPECT_DOUBLE_EQ(t[0], cd);
    EXPECT_DOUBLE_EQ(t[1], double(cd) - double(cdp));
    EXPECT_DOUBLE_EQ(t[2], cdp);
    EXPECT_DOUBLE_EQ(t[0], t[1] + t[2]);
    EXPECT_EQ(run.sectionCdpXfoil[3], double(cdp));

    // A drag of its own per section: each weighted with its extent in x over its half of the
    // neighbouring intervals. Weighted area: (0.5+1)/2 + (1+2)/2 + (2+0.25)/2 = 3.375.
    const double cds[4] = {0.01, 0.02, 0.012, 0.03};
    for (int s = 0; s < 4; ++s)
        Write(MakeXfoilFileNames({}, 0, s).result, Polar(run, cds[s], 0.001));
    ReadXfoilResults(Panel3dXfoilNames(), run);
    const double expected = (0.5 * 0.01 / 2 + 1.0 * 0.02 + 2.0 * 0.012 + 0.25 * 0.03 / 2) / 3.375;
    EXPECT_NEAR(t[0], expected, 1e-7);
}

TEST(Panel3dXfoilReader, SpeedPolarsWithXfoilDrag) {
    ScopedWorkDir work;
    Panel3dEvaluationRecord run = FourSections(2, 2);
    run.pointSpeed = {20, 30};
    run.pointCa = {0.8, 0.0};
    run.pointCwi = {0.02, 0.001};
    run.referenceArea = 1.5;
    for (int p = 0; p < 2; ++p) {
        for (int s = 0; s < 4; ++s)
            Write(MakeXfoilFileNames({}, p, s).result, Polar(run, 0.01, 0.002));
    }
    ReadXfoilResults(Panel3dXfoilNames(), run);
    const Panel3dEvaluationRecord& r = run;
    const double cw = double(0.01f) + 0.02;  // as XFOIL's column reads
    const double glide = std::atan2(cw, 0.8);
    EXPECT_NEAR(r.sinkSpeedXfoil[0], -20 * std::sin(glide), 1e-9);
    EXPECT_NEAR(r.flightSpeedXfoil[0], 20 * std::cos(glide), 1e-9);
    EXPECT_NEAR(r.powerXfoil[0], 8000 * cw * 1.5 * 1.225 / 1.6, 1e-9);
    EXPECT_NEAR(r.thrustXfoil[0], 400 * cw * 1.5 * 0.6125, 1e-9);
    // Without lift the glide path points straight down.
    EXPECT_NEAR(r.sinkSpeedXfoil[1], -30, 1e-12);
    EXPECT_NEAR(r.flightSpeedXfoil[1], 0, 1e-12);
}

TEST(Panel3dXfoilReader, AFileSaysWhatItWasSolvedFor) {
    const Panel3dXfoilFileResult converged = ParseXfoilResult(Converged());
    EXPECT_EQ(converged.reynolds, 2e6);
    EXPECT_DOUBLE_EQ(converged.reynoldsDigit, 1000);
    EXPECT_EQ(converged.lift, double(0.3f));
    EXPECT_DOUBLE_EQ(converged.liftDigit, 1e-4);
    EXPECT_TRUE(converged.named);
    EXPECT_EQ(converged.profileName, "Luvo-Profil");
    const Panel3dXfoilFileResult small =
        ParseXfoilResult(PolarAt(SmallRun(), "9.870 e 4", "-0.125", 0, 0));
    EXPECT_EQ(small.profileName, XfoilProfileName(SmallRun()));
    EXPECT_DOUBLE_EQ(small.reynolds, 98700);
    EXPECT_DOUBLE_EQ(small.reynoldsDigit, 10);
    EXPECT_DOUBLE_EQ(small.liftDigit, 1e-3);
    EXPECT_TRUE(std::isnan(ParseXfoilResult(" 1 2 3 4 5 6 7\n").reynolds));

    // Against the profile name of the run and the Reynolds number and lift of the section the
    // reader asks for.
    std::string unnamed = Converged();
    unnamed.erase(unnamed.find(" Calculated"),
                  unnamed.find("  \n 1 1") - unnamed.find(" Calculated"));
    const std::string headerless = " 1 0.3 0.01 0.002 5 6 7\n 1 0.3 0.01 0.002 5 6 7\n";
    struct Case {
        const char* what;
        std::string text;
        const char* name;
        double reynolds, lift;
        bool belongs, headerMissing;
    } cases[] = {
        {"same section", Converged(), "Luvo-Profil", 2e6, 0.3, true, false},
        {"Reynolds number half a digit off", Converged(), "Luvo-Profil", 2000499, 0.3, true, false},
        {"Reynolds number of another section", Converged(), "Luvo-Profil", 2000600, 0.3, false,
         false},
        {"lift as XFOIL converged on it", Converged(), "Luvo-Profil", 2e6, 0.30009, true, false},
        {"lift of another angle", Converged(), "Luvo-Profil", 2e6, 0.3002, false, false},
        {"another run's name, lift and Reynolds number alike", Converged(),
         "Luvo-Profil 0123456789abcdef", 2e6, 0.3, false, false},
        {"a header without the name", unnamed, "Luvo-Profil", 2e6, 0.3, false, false},
        {"one line of this section", std::string(kHeader) + kLine + "\n", "Luvo-Profil", 2e6, 0.3,
         true, false},
        {"one line of another lift", std::string(kHeader) + kLine + "\n", "Luvo-Profil", 2e6, 0.45,
         false, false},
        {"header of this section", kHeader, "Luvo-Profil", 2e6, 0.45, true, false},
        {"header of another section", kHeader, "Luvo-Profil", 1.5e6, 0.3, false, false},
        {"header of another run", kHeader, "Luvo-Profil 1", 2e6, 0.3, false, false},
        {"results without a header", headerless, "Luvo-Profil", 2e6, 0.3, false, true},
        {"results after other lines", "x\n XFOIL 6.99\n" + headerless, "Luvo-Profil", 2e6, 0.3,
         false, true},
        {"empty", "", "Luvo-Profil", 2e6, 0.3, true, false},
    };
    for (const Case& c : cases) {
        const Panel3dXfoilFileResult file = ParseXfoilResult(c.text);
        EXPECT_EQ(XfoilResultBelongsTo(file, c.name, c.reynolds, c.lift), c.belongs) << c.what;
        EXPECT_EQ(XfoilResultWithoutHeader(file), c.headerMissing) << c.what;
    }
    EXPECT_TRUE(XfoilResultBelongsTo(ReadXfoilResultFile("fehlt.dat"), "Luvo-Profil", 2e6, 0.3));
}

TEST(Panel3dXfoilReader, FilesOfAnotherRunCountAsMissingAndNothingIsWritten) {
    ScopedWorkDir work;
    // This run flies its sections at cl 0.3; a second run in the same folder, at a larger
    // angle, had XFOIL write the same names for its sections at cl 0.4512.
    Panel3dEvaluationRecord run = FourSections(0, 1);
    for (int s = 0; s < 4; ++s) {
        Write(MakeXfoilFileNames({}, 0, s).result,
              PolarAt(run, "2.000 e 6", "0.4512", 0.00817, 0.001));
    }
    Write("XFOIL_abnormalties.txt", "alt");
    Panel3dXfoilResults r = ReadXfoilResults(Panel3dXfoilNames(), run);
    EXPECT_EQ(r.otherRunFiles, 4);
    EXPECT_EQ(r.codes, std::vector<int>(4, kXfoilMissing));
    EXPECT_FALSE(r.logWritten);
    EXPECT_EQ(ReadFileBytes("XFOIL_abnormalties.txt"), "alt");
    EXPECT_TRUE(std::isnan(run.xfoilTotals[0]));

    // Half of them rewritten by this run's batch: the other half still belongs to none.
    for (int s = 0; s < 2; ++s)
        Write(MakeXfoilFileNames({}, 0, s).result, Polar(run, 0.00889, 0.001));
    r = ReadXfoilResults(Panel3dXfoilNames(), run);
    EXPECT_EQ(r.otherRunFiles, 2);
    EXPECT_EQ(r.codes, (std::vector<int>{0, 0, 1, 1}));

    // All of this run's: read, and the log written.
    for (int s = 2; s < 4; ++s)
        Write(MakeXfoilFileNames({}, 0, s).result, Polar(run, 0.00889, 0.001));
    r = ReadXfoilResults(Panel3dXfoilNames(), run);
    EXPECT_EQ(r.otherRunFiles, 0);
    EXPECT_TRUE(r.logWritten);
    EXPECT_NEAR(run.xfoilTotals[0], 0.00889, 1e-9);
}

TEST(Panel3dXfoilNames, ProfileNameMarksWhatXfoilComputes) {
    const Panel3dEvaluationRecord run = SmallRun();
    const std::string name = XfoilProfileName(run);
    EXPECT_EQ(name.rfind("Luvo-Profil ", 0), 0u);
    // XFOIL keeps 48 characters of a name.
    EXPECT_LE(name.size(), 48u);
    EXPECT_EQ(XfoilProfileName(Panel3dEvaluationRecord(run)), name);
    struct Case {
        const char* what;
        void (*change)(Panel3dEvaluationRecord&);
        bool same;
    } cases[] = {
        {"a thinner section", [](Panel3dEvaluationRecord& r) { r.sectionZ[3] = 0.01; }, false},
        {"a contour point moved", [](Panel3dEvaluationRecord& r) { r.sectionX[4] = 0.001; }, false},
        {"another Reynolds number",
         [](Panel3dEvaluationRecord& r) { r.sectionReynolds[2] = 2.4e6; }, false},
        {"another lift at the last point",
         [](Panel3dEvaluationRecord& r) { r.pointStripLift[1][1] = 0.50001; }, false},
        // XFOIL gets six digits: what it cannot see gives the same results.
        {"a lift beyond the written digits",
         [](Panel3dEvaluationRecord& r) { r.pointStripLift[1][1] = 0.5 + 1e-9; }, true},
        {"the drag results of a reading",
         [](Panel3dEvaluationRecord& r) { r.xfoilTotals.assign(6, 0.01); }, true},
    };
    for (const Case& c : cases) {
        Panel3dEvaluationRecord changed = SmallRun();
        c.change(changed);
        EXPECT_EQ(XfoilProfileName(changed) == name, c.same) << c.what;
    }
}

TEST(Panel3dXfoilReader, RunsWithEqualLiftsAreToldApartByTheProfileName) {
    ScopedWorkDir work;
    // Two runs of a wing without lift, the second one's sections thinner: the same Reynolds
    // numbers and lifts. XFOIL has just computed the second run's files.
    Panel3dEvaluationRecord thick = FourSections(0, 1);
    for (std::vector<double>& lifts : thick.pointStripLift) lifts.assign(4, 1e-14);
    thick.sectionX.assign(thick.sectionX.size(), 1.0);
    thick.sectionZ.assign(thick.sectionZ.size(), 0.075);
    Panel3dEvaluationRecord thin = thick;
    thin.sectionZ.assign(thin.sectionZ.size(), 0.05);
    ASSERT_NE(XfoilProfileName(thick), XfoilProfileName(thin));
    for (int s = 0; s < 4; ++s) {
        Write(MakeXfoilFileNames({}, 0, s).result,
              PolarAt(thin, "2.000 e 6", "0.0000", 0.00741, 0.001));
    }
    Panel3dXfoilResults r = ReadXfoilResults(Panel3dXfoilNames(), thick);
    EXPECT_EQ(r.otherRunFiles, 4);
    EXPECT_FALSE(r.logWritten);
    EXPECT_TRUE(std::isnan(thick.xfoilTotals[0]));
    r = ReadXfoilResults(Panel3dXfoilNames(), thin);
    EXPECT_EQ(r.otherRunFiles, 0);
    EXPECT_NEAR(thin.xfoilTotals[0], 0.00741, 1e-8);
}

TEST(Panel3dXfoilReader, ResultsWithoutAHeaderAreAFailedSectionOfThisRun) {
    ScopedWorkDir work;
    Panel3dEvaluationRecord run = FourSections(0, 1);
    for (int s = 0; s < 4; ++s) Write(MakeXfoilFileNames({}, 0, s).result, Polar(run, 0.01, 0.002));
    const std::string line = " 2.0   0.3000   0.01000   0.00200  -0.0002   0.05   0.05\n";
    Write(MakeXfoilFileNames({}, 0, 2).result, " \n" + line + line);
    const Panel3dXfoilResults r = ReadXfoilResults(Panel3dXfoilNames(), run);
    EXPECT_EQ(r.otherRunFiles, 0);
    EXPECT_EQ(r.codes, (std::vector<int>{0, 0, kXfoilMissing, 0}));
    EXPECT_TRUE(r.failed);
    EXPECT_TRUE(r.logWritten);
    EXPECT_TRUE(std::isnan(run.GetSectionCwrXfoil(2)));
    EXPECT_TRUE(std::isnan(run.xfoilTotals[0]));
    ASSERT_TRUE(WriteCoefficientFile("beiwerte.dat", run));
    EXPECT_NE(ReadFileBytes("beiwerte.dat").find("CWr_xf  :     ---\n"), std::string::npos);
}

// The drag polar's lines of `pen`, without its legend entry at x -90.
std::vector<DrawStep> DragPolarCurve(const RecordingPainter& p, const luvo::PlotPen& pen) {
    std::vector<DrawStep> out;
    for (const DrawStep& s : p.LinesIn(pen)) {
        if (s.x1 != -90) out.push_back(s);
    }
    return out;
}

TEST(Panel3dXfoilReader, AFailedSectionLeavesItsPointWithoutXfoilDrag) {
    ScopedWorkDir work;
    const auto writeAll = [](const Panel3dEvaluationRecord& run, int points) {
        for (int p = 0; p < points; ++p) {
            for (int s = 0; s < 4; ++s) {
                Write(MakeXfoilFileNames({}, p, s).result, Polar(run, 0.01, 0.002));
            }
        }
    };

    // Single state: section 2 never run, section 1 without a line of results.
    Panel3dEvaluationRecord single = FourSections(0, 1);
    single.sectionEta = {0.875, 0.375, -0.375, -0.875, 0};
    single.sectionCwi = single.sectionCfFlatPlate = single.sectionCfIntegral = {0, 0, 0, 0, 0};
    single.totals = {0, 0, 0, 0, 0, 0};
    writeAll(single, 1);
    Write(MakeXfoilFileNames({}, 0, 1).result, Named(kHeader, single));
    fs::remove(MakeXfoilFileNames({}, 0, 2).result);
    Panel3dXfoilResults r = ReadXfoilResults(Panel3dXfoilNames(), single);
    EXPECT_TRUE(r.failed);
    for (int k = 0; k < 3; ++k) EXPECT_TRUE(std::isnan(single.GetXfoilTotalCoefficient(k))) << k;
    EXPECT_TRUE(std::isnan(single.GetSectionCwrXfoil(1)));
    EXPECT_TRUE(std::isnan(single.GetSectionCwrXfoil(2)));
    EXPECT_EQ(single.GetSectionCwrXfoil(3), double(0.01f) - double(0.002f));
    ASSERT_TRUE(WriteCoefficientFile("beiwerte.dat", single));
    const std::string table = ReadFileBytes("beiwerte.dat");
    EXPECT_NE(table.find("CWr_xf  :     ---\n"), std::string::npos) << table;
    EXPECT_NE(table.find("0.87500  0.00000  0.00000  0.00000  0.00800\n"
                         "0.37500  0.00000  0.00000  0.00000      ---\n"
                         "-0.37500  0.00000  0.00000  0.00000      ---\n"
                         "-0.87500  0.00000  0.00000  0.00000  0.00800\n"),
              std::string::npos)
        << table;

    // Lift polar of four points, point 1 with a section missing: its row reads "---" and the
    // curve "cWi + cWr_xf" leaves it out (point 0, left alone, is marked by a cross), the panel
    // method's curves keep all four points.
    Panel3dEvaluationRecord polar = FourSections(1, 4);
    polar.pointCa = {0.1, 0.2, 0.3, 0.4};
    polar.pointAlpha = {0, 2, 4, 6};
    polar.pointCwi = polar.pointCfFlatPlate = polar.pointCfIntegral = {0.001, 0.002, 0.003, 0.004};
    polar.pointPressurePoint = polar.pointCmy = {0, 0, 0, 0};
    writeAll(polar, 4);
    fs::remove(MakeXfoilFileNames({}, 1, 3).result);
    ReadXfoilResults(Panel3dXfoilNames(), polar);
    ASSERT_TRUE(WriteCoefficientFile("beiwerte.dat", polar));
    const std::string rows = ReadFileBytes("beiwerte.dat");
    EXPECT_NE(rows.find("0.10000  0.00100  0.00100  0.00100  0.00800  0.00000"), std::string::npos);
    EXPECT_NE(rows.find("0.20000  0.00200  0.00200  0.00200      ---  2.00000"), std::string::npos)
        << rows;
    const auto polarRecord = std::make_shared<const Panel3dEvaluationRecord>(polar);
    RecordingPainter plot;
    DrawPanel3dDragPolar(plot, Panel3dPolarSeriesOf({nullptr, polarRecord, nullptr}), true);
    const auto xfoil = DragPolarCurve(plot, luvo::PlotPen::LightGrey());
    ASSERT_EQ(xfoil.size(), 3u);  // points 2 to 3, and the two strokes of point 0's cross
    EXPECT_EQ(xfoil[0].y1, -45);  // cA 0.3 of 0.4 at 60 px
    EXPECT_EQ(xfoil[1].y1, -15);  // cA 0.1
    EXPECT_EQ(xfoil[1].y2, -15);
    EXPECT_EQ(xfoil[2].x1, xfoil[2].x2);
    EXPECT_EQ(DragPolarCurve(plot, luvo::PlotPen::StockGreen()).size(), 3u);

    // Speed polar of two speeds, the first failed: its XFOIL speeds, power and thrust are none.
    Panel3dEvaluationRecord speed = FourSections(2, 2);
    speed.pointSpeed = {20, 30};
    speed.pointCa = {0.8, 0.0};
    speed.pointCwi = {0.02, 0.001};
    speed.pointAlpha = {4.5, 2.25};
    speed.referenceArea = 1.5;
    writeAll(speed, 2);
    fs::remove(MakeXfoilFileNames({}, 0, 0).result);
    ReadXfoilResults(Panel3dXfoilNames(), speed);
    for (const std::vector<double>* v :
         {&speed.flightSpeedXfoil, &speed.sinkSpeedXfoil, &speed.powerXfoil, &speed.thrustXfoil}) {
        EXPECT_TRUE(std::isnan((*v)[0]));
        EXPECT_TRUE(std::isfinite((*v)[1]));
    }
    ASSERT_TRUE(WriteCoefficientFile("beiwerte.dat", speed));
    const std::string speeds = ReadFileBytes("beiwerte.dat");
    const size_t xfoilTable = speeds.find("nach XFOIL - Berechnung:");
    ASSERT_NE(xfoilTable, std::string::npos);
    EXPECT_NE(speeds.find("  4.500      ---      ---      ---      ---\n", xfoilTable),
              std::string::npos)
        << speeds;
}

TEST(Panel3dXfoilNames, NamesInTheWorkingFolderBecomeRelative) {
    ScopedWorkDir work;
    // A working folder under a long path: XFOIL would refuse the full names.
    const fs::path deep =
        fs::current_path() / "ein_ordner_mit_einem_recht_langen_namen" / "und_noch_einer";
    fs::create_directories(deep / "profile");
    fs::current_path(deep);
    const std::string here = deep.string();
    struct Case {
        std::string name;
        std::string inWork;
    } cases[] = {
        {here + "/profil.pol", "profil.pol"},
        {here + "/profile/profil.pol", "profile/profil.pol"},
        {here + "/profile/../profil.pol", "profil.pol"},
        {"profil.pol", "profil.pol"},
        {"/opt/xfoil/profil.pol", "/opt/xfoil/profil.pol"},
        // A folder whose name only begins like the working folder's.
        {here + "x/profil.pol", here + "x/profil.pol"},
        {here + "/..", here + "/.."},
    };
    for (const Case& c : cases) {
        Panel3dXfoilNames names;
        names.profileBase = c.name;
        names.resultBase = c.name;
        const Panel3dXfoilNames inWork = XfoilNamesInWorkingFolder(names);
        EXPECT_EQ(inWork.profileBase, c.inWork) << c.name;
        EXPECT_EQ(inWork.resultBase, c.inWork) << c.name;
    }

    // XFOIL takes the relative names; the program and the other files keep their paths.
    Panel3dXfoilNames chosen;
    chosen.profileBase = here + "/profil.pol";
    chosen.resultBase = here + "/xfoil_results.dat";
    chosen.program = here + "/xfoil";
    chosen.commandFile = here + "/command.cmd";
    EXPECT_NE(CheckXfoilInput(chosen, SmallRun()), "");
    const Panel3dXfoilNames inWork = XfoilNamesInWorkingFolder(chosen);
    EXPECT_EQ(CheckXfoilInput(inWork, SmallRun()), "");
    EXPECT_EQ(inWork.program, chosen.program);
    EXPECT_EQ(inWork.commandFile, chosen.commandFile);
    ASSERT_TRUE(WriteXfoilFiles(inWork, SmallRun()).empty());
    const std::string commands = ReadFileBytes("command.cmd");
    EXPECT_EQ(commands.rfind("LOAD profil_000.pol\n", 0), 0u) << commands;
    EXPECT_NE(commands.find("PACC\nxfoil_results_000_00_00.dat\n"), std::string::npos);
}

// XFOIL's values as a reading leaves them.
void HandResults(Panel3dEvaluationRecord& r) {
    r.xfoilTotals = {0.0123, 0.00456, 0.00774, 0.02, 0.0101, 0.0099};
    r.sectionCdfXfoil = {0.004, 0.0, 0.00512, 0.00498, 0};
    r.flightSpeedXfoil = {25.5, 31.25};
    r.sinkSpeedXfoil = {-0.75, -1.125};
    r.powerXfoil = {150.25, 123456.7};
    r.thrustXfoil = {5.5, 4.05};
}

TEST(Panel3dXfoilCoefficients, SingleStateTable) {
    ScopedWorkDir work;
    Panel3dEvaluationRecord run = FourSections(0, 1);
    HandResults(run);
    run.totals = {0.00811, 0.00722, 0.01234, 0.45, -0.02, 0.1};
    run.sectionEta = {0.875, 0.375, -0.375, -0.875, 0};
    run.sectionCwi = {0.01, 0.012, 0.012, -0.001, 0};
    run.sectionCfFlatPlate = {0.008, 0.0081, 0.0081, 0.008, 0};
    run.sectionCfIntegral = {0.007, 0.0071, 0.0071, 0.007, 0};
    ASSERT_TRUE(WriteCoefficientFile("beiwerte.dat", run));
    EXPECT_EQ(ReadFileBytes("beiwerte.dat"),
              "Gesamtbeiwerte:\n"
              "---------------\n\n"
              "CWi     : 0.01234\n"
              "CWr_ep  : 0.00811\n"
              "CWr_int : 0.00722\n"
              "CWr_xf  : 0.00456\n"
              "\nLokale Beiwerte:\n"
              "----------------\n\n"
              "eta      cwi      cf_ep    cf_int   cw_xf_r\n"
              "0.87500  0.01000  0.00800  0.00700  0.00400\n"
              "0.37500  0.01200  0.00810  0.00710  0.00000\n"
              "-0.37500  0.01200  0.00810  0.00710  0.00512\n"
              "-0.87500  -0.00100  0.00800  0.00700  0.00498\n");
}

TEST(Panel3dXfoilCoefficients, LiftPolarTable) {
    ScopedWorkDir work;
    Panel3dEvaluationRecord run = FourSections(1, 2);
    HandResults(run);
    run.referenceChord = 0.5;
    run.pointCa = {0.2, 0.6};
    run.pointCwi = {0.001, 0.009};
    run.pointCfFlatPlate = {0.008, 0.0082};
    run.pointCfIntegral = {0.007, 0.0072};
    run.pointAlpha = {-2, 2};
    run.pointPressurePoint = {0.31, 0.27};
    run.pointCmy = {-0.01, -0.05};
    ASSERT_TRUE(WriteCoefficientFile("beiwerte.dat", run));
    // l_NP = (-0.01 + 0.05) * 0.5 / 0.4 = 0.05.
    EXPECT_EQ(ReadFileBytes("beiwerte.dat"),
              "Gesamtbeiwerte:\n"
              "---------------\n\n"
              "Neutralpunktlage [m]:  0.05000\n\n"
              "ca       cwi      cf_ep    cf_int   cw_xf_r  alpha    ldp [m]\n"
              "0.20000  0.00100  0.00800  0.00700  0.00456  -2.00000  0.31000\n"
              "0.60000  0.00900  0.00820  0.00720  0.01010  2.00000  0.27000\n");
    // Equal end lifts have no neutral point.
    run.pointCa = {0.4, 0.4};
    ASSERT_TRUE(WriteCoefficientFile("beiwerte.dat", run));
    EXPECT_NE(ReadFileBytes("beiwerte.dat").find("Neutralpunktlage [m]:      nan\n\n"),
              std::string::npos);
}

TEST(Panel3dXfoilCoefficients, SpeedPolarTables) {
    ScopedWorkDir work;
    Panel3dEvaluationRecord run = FourSections(2, 0);
    ASSERT_TRUE(WriteCoefficientFile("leer.dat", run));
    const std::string columns = "alpha    vh [m/s] vv [m/s] P [W]    F [N]\n";
    const std::string t1 = "Induzierter Widerstand:\n" + std::string(23, '-') + "\n\n";
    const std::string t2 =
        "Induzierter Widerstand + Reibungswiderstand nach Methode der ebenen Platte:\n" +
        std::string(75, '-') + "\n\n";
    const std::string t3 = "Induzierter Widerstand + Reibungswiderstand nach Integralverfahren:\n" +
                           std::string(67, '-') + "\n\n";
    const std::string t4 =
        "Induzierter Widerstand + Reibungswiderstand nach XFOIL - Berechnung:\n" +
        std::string(68, '-') + "\n\n";
    EXPECT_EQ(ReadFileBytes("leer.dat"),
              t1 + columns + "\n\n" + t2 + columns + "\n\n" + t3 + columns + "\n\n" + t4 + columns);

    run = FourSections(2, 2);
    HandResults(run);
    run.pointAlpha = {4.5, 2.25};
    run.flightSpeedInduced = {25, 30};
    run.sinkSpeedInduced = {-0.5, -0.625};
    run.powerInduced = {100, 110};
    run.thrustInduced = {4, 3.5};
    for (std::vector<double>* v :
         {&run.flightSpeedFlatPlate, &run.sinkSpeedFlatPlate, &run.powerFlatPlate,
          &run.thrustFlatPlate, &run.flightSpeedIntegral, &run.sinkSpeedIntegral,
          &run.powerIntegral, &run.thrustIntegral}) {
        *v = {1, 2};
    }
    ASSERT_TRUE(WriteCoefficientFile("beiwerte.dat", run));
    const std::string ones =
        "  4.500    1.000    1.000      1.0      1.0\n"
        "  2.250    2.000    2.000      2.0      2.0\n";
    EXPECT_EQ(ReadFileBytes("beiwerte.dat"), t1 + columns +
                                                 "  4.500   25.000   -0.500    100.0      4.0\n"
                                                 "  2.250   30.000   -0.625    110.0      3.5\n" +
                                                 "\n\n" + t2 + columns + ones + "\n\n" + t3 +
                                                 columns + ones + "\n\n" + t4 + columns +
                                                 "  4.500   25.500   -0.750    150.2      5.5\n"
                                                 "  2.250   31.250   -1.125  123456.7      4.0\n");

    // Another mode leaves the file as it was; a folder that is missing fails.
    EXPECT_TRUE(WriteCoefficientFile("beiwerte.dat", Record(1, 2, 3, 2)));
    EXPECT_NE(ReadFileBytes("beiwerte.dat"), "");
    EXPECT_FALSE(WriteCoefficientFile("fehlt/beiwerte.dat", run));
}

}  // namespace
