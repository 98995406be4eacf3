// The word and number scanner of the input files: what counts as a number, what is left for the
// next token, and words of any length.

#include "common/core/TextScanner.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "tests/support/TempDir.h"

namespace {

TEST(TextScanner, NumberFormsAndWhatIsLeftForTheNextWord) {
    struct Case {
        const char* text;
        bool isNumber;
        double value;
        const char* rest;  // the next word after the number (or the whole token when none)
    };
    const Case cases[] = {
        {"  12.5 x", true, 12.5, "x"},
        {"-0.75", true, -0.75, ""},
        {"+4", true, 4.0, ""},
        {".5e1", true, 5.0, ""},
        {"5.", true, 5.0, ""},
        {"1e-3\tm", true, 0.001, "m"},
        {"7\r\n8", true, 7.0, "8"},
        // A token with anything glued to its number is a word, left whole for the next read.
        {"1e-3m", false, 0.0, "1e-3m"},
        {"10m", false, 0.0, "10m"},
        {"2e", false, 0.0, "2e"},
        {"3e+x", false, 0.0, "3e+x"},
        {"1,5", false, 0.0, "1,5"},
        {"0,5", false, 0.0, "0,5"},
        {"1.5.2", false, 0.0, "1.5.2"},
        {"1-2", false, 0.0, "1-2"},
        {"-", false, 0.0, "-"},
        {".", false, 0.0, "."},
        {"inf", false, 0.0, "inf"},
        {"nan", false, 0.0, "nan"},
        {"1e999", false, 0.0, "1e999"},  // beyond a double
        {"#b", false, 0.0, "#b"},
        {"", false, 0.0, ""},
    };
    for (const Case& c : cases) {
        luvo::TextScanner in(c.text);
        double value = -99.0;
        EXPECT_EQ(in.Number(value), c.isNumber) << c.text;
        if (c.isNumber) {
            EXPECT_DOUBLE_EQ(value, c.value) << c.text;
        } else {
            EXPECT_EQ(value, -99.0) << c.text;
        }
        std::string_view word;
        in.Word(word);
        EXPECT_EQ(word, c.rest) << c.text;
    }
}

TEST(TextScanner, WordsOfAnyLengthAcrossAllWhiteSpace) {
    const std::string longWord(10000, 'w');
    const std::string text = "a\tb\r\n" + longWord + "\v\fc ";
    luvo::TextScanner in(text);
    std::string_view word;
    for (std::string_view expected : {std::string_view("a"), std::string_view("b"),
                                      std::string_view(longWord), std::string_view("c")}) {
        ASSERT_TRUE(in.Word(word));
        EXPECT_EQ(word, expected);
    }
    EXPECT_FALSE(in.Word(word));
    EXPECT_TRUE(word.empty());
}

TEST(TextScanner, PrefixesCompareCase) {
    EXPECT_TRUE(luvo::StartsWith("#bspan", "#b"));
    EXPECT_TRUE(luvo::StartsWith("#b", "#b"));
    EXPECT_FALSE(luvo::StartsWith("#B", "#b"));
    EXPECT_FALSE(luvo::StartsWith("#", "#b"));
}

TEST(TextScanner, ReadsWholeFilesAndRefusesWhatIsNoFile) {
    luvo::test::TempDir dir;
    std::string text = "old";
    EXPECT_FALSE(luvo::ReadTextFile(dir.file("missing.txt"), text));
    EXPECT_FALSE(luvo::ReadTextFile(dir.path().string(), text));
    EXPECT_FALSE(std::filesystem::exists(dir.file("missing.txt")));

    // Larger than one read chunk, with NUL and high bytes kept as they are.
    std::string content(10000, 'x');
    content[5000] = '\0';
    content[9999] = '\xFC';
    {
        std::ofstream out(dir.file("big.txt"), std::ios::binary);
        out << content;
    }
    ASSERT_TRUE(luvo::ReadTextFile(dir.file("big.txt"), text));
    EXPECT_EQ(text, content);
}

}  // namespace
