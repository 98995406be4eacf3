// The wing file "*.fde": which texts pass the header check and the reader, what a good file fills
// in, and that a file that does not pass leaves the record as it was.

#include "etl/core/EtlGridFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "etl/core/EtlSolver.h"
#include "tests/support/TempDir.h"

namespace {

// The tokens of a good file: ten free words, four tags with their numbers, ten segments.
std::vector<std::string> GoodTokens() {
    std::vector<std::string> t = {"Fluegel", "Nr.",     "7", "#",  "erzeugt",
                                  "mit",     "Version", "2", "am", "Montag"};
    for (const char* s : {"#b", "12", "#dc", "0.95", "#de", "2.5", "#al", "-1.5"}) t.push_back(s);
    for (int k = 1; k <= 10; ++k) {
        t.push_back(k <= 4 ? "0.25" : "0");                          // length
        t.push_back(std::to_string(-0.5 * k));                       // outer twist
        t.push_back(k == 10 ? "0" : std::to_string(2.5 - 0.2 * k));  // outer chord, pointed tip
        t.push_back(std::to_string(10 - 3 * k));                     // leading-edge sweep
    }
    return t;
}

std::string Join(const std::vector<std::string>& tokens) {
    std::string text;
    for (size_t i = 0; i < tokens.size(); ++i) {
        text += tokens[i];
        text += i % 4 == 3 ? "\n" : (i % 3 == 0 ? "\t" : " ");
    }
    return text;
}

// Token n (1-based) replaced.
std::string With(int n, const std::string& word) {
    auto t = GoodTokens();
    t[n - 1] = word;
    return Join(t);
}

std::string FirstTokens(int count) {
    auto t = GoodTokens();
    t.resize(count);
    return Join(t);
}

enum class Outcome { Passes, HeaderFails, TableFails };

TEST(EtlGridFile, WhichTextsPass) {
    const std::string longWord(10000, 'w');
    auto nineFree = GoodTokens();
    nineFree.erase(nineFree.begin());
    auto allLengthsZero = GoodTokens();
    for (int k = 0; k < 10; ++k) allLengthsZero[18 + 4 * k] = "0";
    auto trailing = GoodTokens();
    trailing.insert(trailing.end(), {"Ende", "der", "Datei", "x", "1e999"});

    struct Case {
        const char* name;
        std::string text;
        Outcome outcome;
    };
    const Case cases[] = {
        {"good file", Join(GoodTokens()), Outcome::Passes},
        {"tags with suffixes", Join([] {
             auto t = GoodTokens();
             t[10] = "#bspan", t[12] = "#dca", t[14] = "#depth", t[16] = "#alpha";
             return t;
         }()),
         Outcome::Passes},
        {"tags among the free words", With(1, "#b"), Outcome::Passes},
        {"root angle of any sign", With(18, "7"), Outcome::Passes},
        {"negative twist and sweep", With(20, "-9"), Outcome::Passes},
        {"long free word", With(5, longWord), Outcome::Passes},
        {"tokens after the 58th", Join(trailing), Outcome::Passes},
        {"nine free words", Join(nineFree), Outcome::HeaderFails},
        {"#B", With(11, "#B"), Outcome::HeaderFails},
        {"#d", With(13, "#d"), Outcome::HeaderFails},
        {"#dc for #de", With(15, "#dc"), Outcome::HeaderFails},
        {"#a", With(17, "#a"), Outcome::HeaderFails},
        {"#b zehn", With(12, "zehn"), Outcome::HeaderFails},
        {"span 0", With(12, "0"), Outcome::HeaderFails},
        {"span -10", With(12, "-10"), Outcome::HeaderFails},
        {"factor 0", With(14, "0"), Outcome::HeaderFails},
        {"factor -1", With(14, "-1"), Outcome::HeaderFails},
        {"root chord 0", With(16, "0"), Outcome::HeaderFails},
        {"span inf", With(12, "inf"), Outcome::HeaderFails},
        {"factor nan", With(14, "nan"), Outcome::HeaderFails},
        {"root angle beyond a double", With(18, "1e999"), Outcome::HeaderFails},
        {"root angle missing", FirstTokens(17), Outcome::HeaderFails},
        {"empty", "", Outcome::HeaderFails},
        {"table ends early", FirstTokens(57), Outcome::TableFails},
        {"table ends after the header", FirstTokens(18), Outcome::TableFails},
        {"word in the table", With(30, "x"), Outcome::TableFails},
        {"nan in the table", With(40, "nan"), Outcome::TableFails},
        {"long word in the table", With(58, longWord), Outcome::TableFails},
        {"negative length", With(23, "-0.1"), Outcome::TableFails},
        {"negative chord", With(21, "-0.01"), Outcome::TableFails},
        {"all lengths 0", Join(allLengthsZero), Outcome::TableFails},
        // A token is a number only when it is one from its first to its last character.
        {"decimal comma as the last token", With(58, "0,5"), Outcome::TableFails},
        {"unit glued to the last token", With(58, "5deg"), Outcome::TableFails},
        {"exponent without digits", With(58, "5e"), Outcome::TableFails},
        {"decimal comma in the span", With(12, "12,5"), Outcome::HeaderFails},
        {"unit glued to the root angle", With(18, "-1.5deg"), Outcome::HeaderFails},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ParseEtlGridHeader(c.text).has_value(), c.outcome != Outcome::HeaderFails);
        EtlSolver s;
        EXPECT_EQ(s.ReadGridText(c.text), c.outcome == Outcome::Passes);
    }
}

TEST(EtlGridFile, AGoodFileFillsTheHeaderAndTheRecord) {
    const std::string text = Join(GoodTokens());
    const auto header = ParseEtlGridHeader(text);
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->span, 12.0);
    EXPECT_EQ(header->liftSlopeFactor, 0.95);
    EXPECT_EQ(header->rootChord, 2.5);
    EXPECT_EQ(header->rootAngle, -1.5);

    EtlSolver s;
    ASSERT_TRUE(s.ReadGridText(text));
    EXPECT_EQ(s.rootChord, 2.5);
    EXPECT_EQ(s.chord[1], 2.5);
    EXPECT_EQ(s.rootTwist, -1.5);
    EXPECT_EQ(s.twistDeg[1], -1.5);
    for (int k = 1; k <= 10; ++k) {
        SCOPED_TRACE(k);
        EXPECT_EQ(s.segmentLength[k], k <= 4 ? 0.25 : 0.0);
        EXPECT_DOUBLE_EQ(s.twistDeg[k + 1], -0.5 * k);
        EXPECT_DOUBLE_EQ(s.chord[k + 1], k == 10 ? 0.0 : 2.5 - 0.2 * k);
        EXPECT_EQ(s.segmentLeadingEdgeSweep[k], 10.0 - 3 * k);
    }
}

TEST(EtlGridFile, AFileThatDoesNotPassLeavesTheRecordAlone) {
    EtlSolver s;
    ASSERT_TRUE(s.ReadGridText(Join(GoodTokens())));
    const EtlSolver before = s;
    for (const std::string& bad : {FirstTokens(57), With(14, "0"), With(51, "-1")}) {
        EXPECT_FALSE(s.ReadGridText(bad));
        EXPECT_EQ(s.chord, before.chord);
        EXPECT_EQ(s.twistDeg, before.twistDeg);
        EXPECT_EQ(s.segmentLength, before.segmentLength);
        EXPECT_EQ(s.segmentLeadingEdgeSweep, before.segmentLeadingEdgeSweep);
        EXPECT_EQ(s.rootChord, before.rootChord);
        EXPECT_EQ(s.rootTwist, before.rootTwist);
    }
}

TEST(EtlGridFile, FilesAreReadAndNeverCreated) {
    luvo::test::TempDir dir;
    const std::string missing = dir.file("grid.fde");
    EtlSolver s;
    EXPECT_FALSE(ReadEtlGridHeader(missing).has_value());
    EXPECT_FALSE(s.ReadGridFile(missing));
    EXPECT_FALSE(std::filesystem::exists(missing));
    EXPECT_FALSE(ReadEtlGridHeader(dir.path().string()).has_value());
    EXPECT_FALSE(s.ReadGridFile(dir.path().string()));

    {
        std::ofstream out(missing, std::ios::binary);
        out << Join(GoodTokens());
    }
    const auto header = ReadEtlGridHeader(missing);
    ASSERT_TRUE(header.has_value());
    EXPECT_EQ(header->span, 12.0);
    ASSERT_TRUE(s.ReadGridFile(missing));
    EXPECT_EQ(s.segmentLength[4], 0.25);
}

}  // namespace
