#pragma once
// Reading of the white-space separated text files that the wing generators write: words of any
// length and decimal numbers, scanned in place. A word is any run of non-white characters; a
// number is the longest decimal number at the current position (what follows it is the next
// token, as "10m" reads 10 and then "m").

#include <cstddef>
#include <string>
#include <string_view>

namespace luvo {

class TokenScanner {
  public:
    explicit TokenScanner(std::string_view text) : text_(text) {}

    // The next word; false at the end of the text.
    bool Word(std::string_view& word);

    // The next number; false when the next token does not begin with one (or none is left), or
    // when its value lies outside the range of a double. Words such as "inf" or "nan" are none.
    // On false the position stays where it was.
    bool Number(double& value);

  private:
    void SkipWhite();
    size_t SkipDigits(size_t& at) const;

    std::string_view text_;
    size_t pos_ = 0;
};

// True when the word begins with the prefix (tags are checked by their first characters).
bool StartsWith(std::string_view word, std::string_view prefix);

// The whole content of a file; false when it cannot be opened or read. The file is never created.
bool ReadTextFile(const std::string& fileName, std::string& text);

}  // namespace luvo
