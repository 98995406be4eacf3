#pragma once
// Reading of white-space separated input files (wing files and the like). The text is scanned in
// place: a word is any run of non-white characters, however long, and a number is the longest
// decimal number at the current position (what follows it is the next token, so "10m" reads 10
// and then "m"). Always a decimal point, whatever the locale.

#include <cstddef>
#include <string>
#include <string_view>

namespace luvo {

class TextScanner {
  public:
    explicit TextScanner(std::string_view text) : text_(text) {}

    // The next word; false at the end of the text.
    bool Word(std::string_view& word);

    // The next number; false, leaving the token unread, when the next token does not begin
    // with one (or none is left), or when its value lies outside the range of a double. Words
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
