#pragma once
// Writer of Tecplot-style result files shared by the methods: the file under the name as given
// (created, or the earlier one replaced), texts in Latin-1, lines ending in LF, numbers in the
// general format with a decimal point whatever the locale. Plotting programs must read every data
// row, so a row value that is not finite is written as 0; a summary value that is not finite reads
// "nan". Nothing here throws: a failure shows in IsOpen() and Finish().

#include <fstream>
#include <ostream>
#include <string>
#include <string_view>

namespace luvo {

// UTF-8 text as Latin-1 bytes ("ü" becomes 0xFC); a character outside Latin-1 becomes '?'.
std::string ToLatin1(std::string_view utf8);

class ResultFile {
  public:
    explicit ResultFile(const std::string& fileName);

    bool IsOpen() const { return out_.is_open(); }

    // The stream, for the parts of a layout that are plain ASCII text or integers.
    std::ostream& Out() { return out_; }

    // UTF-8 text written as Latin-1.
    void Text(std::string_view utf8);

    // `label`, the value at `precision` significant digits or "nan", LF.
    void SummaryLine(std::string_view label, double value, int precision);

    // The value at `precision` significant digits, 0 when it is not finite, then `after`.
    void RowValue(double value, int precision, std::string_view after);

    // Closes the file; true when everything was written.
    bool Finish();

  private:
    void Number(double value, int precision, std::string_view after);

    std::ofstream out_;
};

}  // namespace luvo
