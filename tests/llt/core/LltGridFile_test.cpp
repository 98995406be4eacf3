// Wing file "*.fdt": header tags and numbers, the 52 pairs of the body, the run on a read wing
// against closed forms, and files that are broken in every way the reader must survive.

#include "llt/core/LltGridFile.h"

#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/llt/core/LltTestWings.h"
#include "tests/llt/core/LltWingFileText.h"
#include "tests/support/TempDir.h"

namespace {

using llt_test::EllipticWing;
using llt_test::Exact;
using llt_test::RectangularWing;
using llt_test::WingFileParts;

const double kDegToRad = LltPi / 180.0;

std::string LongWord(char c, size_t n = 10000) { return std::string(n, c); }

TEST(LltGridHeader, TagsAndNumbersOfTheHeader) {
    struct Case {
        const char* what;
        void (*change)(WingFileParts&);
        bool passes;
        double span = 0, factor = 0;  // expected when it passes
    };
    const Case cases[] = {
        {"plain tags", [](WingFileParts&) {}, true, 10, 1},
        {"suffixes after the tags",
         [](WingFileParts& p) {
             p.spanTag = "#bSpannweite[m]";
             p.factorTag = "#dcAuftriebsanstieg";
         },
         true, 10, 1},
        {"long suffix after #b", [](WingFileParts& p) { p.spanTag = "#b" + LongWord('q'); }, true,
         10, 1},
        {"long free word", [](WingFileParts& p) { p.words[3] = LongWord('w'); }, true, 10, 1},
        {"exponent and fraction forms",
         [](WingFileParts& p) {
             p.span = "1.25e1";
             p.factor = ".95";
         },
         true, 12.5, 0.95},
        {"capital B", [](WingFileParts& p) { p.spanTag = "#B"; }, false},
        {"span tag without #", [](WingFileParts& p) { p.spanTag = "b"; }, false},
        {"factor tag only #d", [](WingFileParts& p) { p.factorTag = "#d"; }, false},
        {"factor tag #cd", [](WingFileParts& p) { p.factorTag = "#cd"; }, false},
        {"tags swapped",
         [](WingFileParts& p) {
             p.spanTag = "#dc";
             p.factorTag = "#b";
         },
         false},
        {"seven free words", [](WingFileParts& p) { p.words.pop_back(); }, false},
        {"nine free words", [](WingFileParts& p) { p.words.push_back("mehr"); }, false},
        {"span no number", [](WingFileParts& p) { p.span = "zehn"; }, false},
        {"span with unit glued", [](WingFileParts& p) { p.span = "10m"; }, false},
        {"span 0", [](WingFileParts& p) { p.span = "0"; }, false},
        {"span negative", [](WingFileParts& p) { p.span = "-10"; }, false},
        {"span too large", [](WingFileParts& p) { p.span = "1e999"; }, false},
        {"span nan", [](WingFileParts& p) { p.span = "nan"; }, false},
        {"factor no number", [](WingFileParts& p) { p.factor = "eins"; }, false},
        {"factor 0", [](WingFileParts& p) { p.factor = "0.0"; }, false},
        {"factor negative", [](WingFileParts& p) { p.factor = "-1"; }, false},
        {"factor inf", [](WingFileParts& p) { p.factor = "inf"; }, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WingFileParts parts = EllipticWing(10, 1, 5);
        c.change(parts);
        const std::optional<LltGridHeader> header = ParseLltGridHeader(parts.Text());
        EXPECT_EQ(header.has_value(), c.passes);
        if (header && c.passes) {
            EXPECT_DOUBLE_EQ(header->span, c.span);
            EXPECT_DOUBLE_EQ(header->liftSlopeFactor, c.factor);
        }
        // The body reader checks the same header, so a failing header never yields a record.
        EXPECT_EQ(SolveLltGridText(parts.Text(), LltGridHeader{10, 1}) != nullptr, c.passes);
    }
}

TEST(LltGridHeader, TextsThatEndEarly) {
    const std::string full = EllipticWing(10, 1, 5).Text({" "});
    EXPECT_TRUE(ParseLltGridHeader(full));
    // Every cut before the end of the lift-slope factor fails; the header alone passes.
    const std::string header = "a b c d e f g h #b 10 #dc 1";
    for (size_t n = 0; n < header.size(); ++n) {
        SCOPED_TRACE(n);
        EXPECT_FALSE(ParseLltGridHeader(header.substr(0, n)));
    }
    EXPECT_TRUE(ParseLltGridHeader(header));
}

TEST(LltGridFile, EllipticWingHasUnitKFactorAndSineCirculation) {
    // Closed form of the lifting line for c = c0 sin(theta) at one angle alpha, with the
    // method's section lift slope 6.28 f: gamma = A sin(theta), the induced angle is A/2 and
    // alpha = A/2 + 2 b gamma / (6.28 f c), so A = alpha / (1/2 + 2 b / (6.28 f c0)).
    struct Case {
        double span, rootChord, angleDeg, factor;
    };
    for (const Case& c : {Case{10, 1, 5, 1}, Case{8, 2.5, -3, 0.9}, Case{30, 1.2, 12, 1.1}}) {
        SCOPED_TRACE(c.span);
        WingFileParts parts = EllipticWing(c.span, c.rootChord, c.angleDeg);
        parts.factor = Exact(c.factor);
        const auto header = ParseLltGridHeader(parts.Text());
        ASSERT_TRUE(header);
        const auto s = SolveLltGridText(parts.Text(), *header);
        ASSERT_NE(s, nullptr);

        const double a =
            c.angleDeg * kDegToRad / (0.5 + 2 * c.span / (6.28 * c.factor * c.rootChord));
        for (int i = 1; i <= 101; ++i) {
            EXPECT_NEAR(s->gamma[i], a * std::sin(s->theta[i]), 1e-12) << i;
            EXPECT_NEAR(s->alphaInd[i], a / 2, 1e-12) << i;
            // Elliptic loading: the same local lift coefficient everywhere.
            EXPECT_NEAR(s->ca[i], 2 * c.span * a / c.rootChord, 1e-9) << i;
        }
        EXPECT_EQ(s->gamma[0], 0.0);
        EXPECT_EQ(s->gamma[102], 0.0);
        EXPECT_NEAR(s->kFactor, 1.0, 1e-9);
        EXPECT_NEAR(s->clSolved, LltPi * s->aspectRatio * a / 2, 1e-12);
        EXPECT_NEAR(s->cdi, s->clSolved * s->clSolved / (LltPi * s->aspectRatio), 1e-12);
        EXPECT_DOUBLE_EQ(s->aspectRatio, c.span * c.span / s->area);
        // The trapezoid rule over 51 intervals approaches the ellipse's area pi b c0 / 4.
        EXPECT_NEAR(s->area, LltPi * c.span * c.rootChord / 4, 2e-3 * s->area);
        EXPECT_EQ(s->span, c.span);
        EXPECT_EQ(s->liftSlopeFactor, c.factor);
    }
}

TEST(LltGridFile, RectangularWingGivesTheAnalysisResultsOfTheSameWing) {
    // The same rectangular wing entered as trapezoids in the analysis (1 m chord, 10 m span, 5
    // degrees, f = 1) has S = 10, lambda = 10, l_mu = 1, cA = 0.4402, cWi = 0.006699, k = 1.0860.
    const auto parts = RectangularWing(10, 1, 5);
    const auto header = ParseLltGridHeader(parts.Text());
    ASSERT_TRUE(header);
    const auto s = SolveLltGridText(parts.Text(), *header);
    ASSERT_NE(s, nullptr);
    EXPECT_NEAR(s->area, 10, 1e-12);
    EXPECT_NEAR(s->aspectRatio, 10, 1e-12);
    EXPECT_NEAR(s->meanChord, 1, 1e-12);
    EXPECT_NEAR(s->clSolved, 0.4402, 5e-5);
    EXPECT_NEAR(s->cdi, 0.006699, 5e-7);
    EXPECT_NEAR(s->kFactor, 1.0860, 5e-5);
    EXPECT_NEAR(s->gammaMax, 0.024464, 5e-7);
    EXPECT_NEAR(s->caMax, 0.48929, 5e-6);

    const auto analysis = llt_test::RunAnalysis({10, 1, 30, 30, 40, 1, 1, 1, 1, 5, 0, 0, 0});
    for (int i = 0; i <= 102; ++i) {
        EXPECT_EQ(s->gamma[i], analysis->gamma[i]) << i;
    }
    EXPECT_EQ(s->kFactor, analysis->kFactor);
}

TEST(LltGridFile, PairsFromTipToRootAreMirroredIntoTheLeftHalf) {
    WingFileParts parts;
    parts.span = "8";
    // Distinct values per station: twist -2 + i/10 degrees, chord 0.5 + i/100 metres.
    parts.body =
        llt_test::Body([](int i) { return -2 + i / 10.0; }, [](int i) { return 0.5 + i / 100.0; });
    LltSolver s;
    s.SetStations(8);
    ASSERT_TRUE(s.ReadGridText(parts.Text()));
    EXPECT_EQ(s.y[0], 4.0);
    EXPECT_EQ(s.y[51], 0.0);
    for (int i = 0; i <= 51; ++i) {
        EXPECT_DOUBLE_EQ(s.twistDeg[i], -2 + i / 10.0) << i;
        EXPECT_DOUBLE_EQ(s.chord[i], 0.5 + i / 100.0) << i;
        EXPECT_DOUBLE_EQ(s.twistRad[i], (-2 + i / 10.0) * kDegToRad) << i;
    }
    for (int i = 52; i <= 102; ++i) {
        EXPECT_EQ(s.chord[i], s.chord[102 - i]) << i;
        EXPECT_EQ(s.twistRad[i], s.twistRad[102 - i]) << i;
        EXPECT_EQ(s.twistDeg[i], 0.0) << i;  // degrees are kept for the right half only
    }
    EXPECT_DOUBLE_EQ(s.readTwist, 3.1);  // the last pair read
    EXPECT_DOUBLE_EQ(s.readChord, 1.01);
}

TEST(LltGridFile, LineBreaksAnywhereGiveTheSameResults) {
    const WingFileParts parts = EllipticWing(12, 1.5, 4);
    const auto header = ParseLltGridHeader(parts.Text());
    ASSERT_TRUE(header);
    const auto reference = SolveLltGridText(parts.Text({"\n"}), *header);
    ASSERT_NE(reference, nullptr);
    const std::vector<std::vector<std::string>> layouts = {
        {" "},                       // everything on one line
        {"\r\n"},                    // one token per line, CR LF
        {"\t", " \n\n  ", "  \t"},   // tabs, blank lines and indentation
        {" ", " ", " ", "\n"},       // four tokens per line
        {"\n", " ", " ", " ", " "},  // lines of varying length
    };
    for (const auto& separators : layouts) {
        SCOPED_TRACE(separators.size());
        const std::string text = "\n  \t" + parts.Text(separators);
        const auto h = ParseLltGridHeader(text);
        ASSERT_TRUE(h);
        EXPECT_EQ(h->span, header->span);
        const auto s = SolveLltGridText(text, *h);
        ASSERT_NE(s, nullptr);
        EXPECT_EQ(s->chord, reference->chord);
        EXPECT_EQ(s->twistRad, reference->twistRad);
        EXPECT_EQ(s->gamma, reference->gamma);
        EXPECT_EQ(s->kFactor, reference->kFactor);
        EXPECT_EQ(s->clSolved, reference->clSolved);
    }
}

TEST(LltGridFile, BrokenBodiesAreReadErrorsThatLeaveTheRecordAlone) {
    struct Case {
        const char* what;
        void (*change)(std::vector<std::string>&);
    };
    const Case cases[] = {
        {"no body", [](std::vector<std::string>& b) { b.clear(); }},
        {"one pair short", [](std::vector<std::string>& b) { b.resize(102); }},
        {"last chord missing", [](std::vector<std::string>& b) { b.pop_back(); }},
        {"word in the middle", [](std::vector<std::string>& b) { b[40] = "Tiefe"; }},
        {"10000-character word", [](std::vector<std::string>& b) { b[7] = LongWord('x'); }},
        {"number with a word glued", [](std::vector<std::string>& b) { b[10] = "1.5cm"; }},
        {"decimal comma", [](std::vector<std::string>& b) { b[11] = "1,5"; }},
        {"decimal comma in the last chord", [](std::vector<std::string>& b) { b.back() = "0,5"; }},
        {"unit glued to the last chord", [](std::vector<std::string>& b) { b.back() = "2m"; }},
        {"nan", [](std::vector<std::string>& b) { b[0] = "nan"; }},
        {"inf", [](std::vector<std::string>& b) { b[3] = "-inf"; }},
        {"beyond a double", [](std::vector<std::string>& b) { b[5] = "1e400"; }},
        {"10000 digits", [](std::vector<std::string>& b) { b[9] = LongWord('7'); }},
        {"lone sign", [](std::vector<std::string>& b) { b[2] = "-"; }},
        {"lone point", [](std::vector<std::string>& b) { b[2] = "."; }},
        {"negative chord", [](std::vector<std::string>& b) { b[41] = "-0.5"; }},
        {"negative tip chord", [](std::vector<std::string>& b) { b[1] = "-1e-9"; }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        WingFileParts parts = EllipticWing(10, 1, 5);
        c.change(parts.body);
        LltSolver s;
        s.SetStations(10);
        s.chord.assign(103, 7.0);
        s.twistRad.assign(103, 7.0);
        EXPECT_FALSE(s.ReadGridText(parts.Text()));
        for (int i = 0; i <= 102; ++i) {
            ASSERT_EQ(s.chord[i], 7.0);
            ASSERT_EQ(s.twistRad[i], 7.0);
            ASSERT_EQ(s.twistDeg[i], 0.0);
        }
        EXPECT_EQ(SolveLltGridText(parts.Text(), LltGridHeader{10, 1}), nullptr);
    }
}

TEST(LltGridFile, NumberFormsAndWhatFollowsThe116thToken) {
    WingFileParts parts = EllipticWing(10, 1, 5);
    const auto plain = SolveLltGridText(parts.Text(), LltGridHeader{10, 1});
    ASSERT_NE(plain, nullptr);
    // The same values written differently, and anything after the last pair.
    parts.body[0] = "+5";
    parts.body[2] = "5.";
    parts.body[4] = "0.5E1";
    parts.body[6] = "50e-1";
    parts.body[103] = Exact(std::sin(51 * LltPi / 102)) + "\n" + LongWord('z') + " #b Rest";
    const auto varied = SolveLltGridText(parts.Text(), LltGridHeader{10, 1});
    ASSERT_NE(varied, nullptr);
    EXPECT_EQ(varied->twistDeg, plain->twistDeg);
    EXPECT_EQ(varied->gamma, plain->gamma);

    // A number ends where it cannot go on: "5e" is 5, and "e" is then the next word.
    parts.body[0] = "5e";
    EXPECT_EQ(SolveLltGridText(parts.Text(), LltGridHeader{10, 1}), nullptr);
}

TEST(LltGridFile, FilesAreReadAndNeverCreated) {
    luvo::test::ScopedWorkDir work;
    const WingFileParts parts = RectangularWing(10, 1, 5);
    llt_test::WriteText("grid.fdt", parts.Text());
    const auto header = ReadLltGridHeader("grid.fdt");
    ASSERT_TRUE(header);
    const auto fromFile = SolveLltGridFile("grid.fdt", *header);
    const auto fromText = SolveLltGridText(parts.Text(), *header);
    ASSERT_NE(fromFile, nullptr);
    EXPECT_EQ(fromFile->gamma, fromText->gamma);

    EXPECT_FALSE(ReadLltGridHeader("fehlt.fdt"));
    EXPECT_EQ(SolveLltGridFile("fehlt.fdt", *header), nullptr);
    EXPECT_FALSE(std::filesystem::exists("fehlt.fdt"));
    EXPECT_FALSE(ReadLltGridHeader(""));
    std::filesystem::create_directory("ordner.fdt");
    EXPECT_FALSE(ReadLltGridHeader("ordner.fdt"));
}

}  // namespace
