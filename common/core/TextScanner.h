#pragma once
// Reading of white-space separated input files (wing files and the like). The text is scanned in
// place: a word is any run of non-white characters, however long, and a number is a word that is
// one decimal number from its first to its last character ("10m" or "0,5" is none, so a file
// cannot be read as something it does not say). Always a decimal point, whatever the locale.

#include <cstddef>
#include <string>
#include <string_view>

namespace luvo {

class TextScanner {
  public:
    explicit TextScanner(std::string_view text) : text_(text) {}

    // The next word; false at the end of the text.
    bool Word(std::string_view& word);

    // The next number; false, leaving the token unread, when the next token is not entirely a
    // number (or none is left), or when its value lies outside the range of a double. Words
    // such as "inf" or "nan" are none.
    bool Number(double& value);

  private:
    void SkipWhite();
    size_t SkipDigits(size_t& at) const;

    std::string_view text_;
    size_t pos_ = 0;
};

// Whether `word` begins with `prefix` (case counts).
bool StartsWith(std::string_view word, std::string_view prefix);

// The whole content of a file as bytes; false when it cannot be opened or read (a missing file,
// a directory). The file is never created.
bool ReadTextFile(const std::string& fileName, std::string& text);

}  // namespace luvo
