#include "common/core/ResultFile.h"

#include <cmath>
#include <locale>

namespace luvo {

std::string ToLatin1(std::string_view utf8) {
    std::string out;
    out.reserve(utf8.size());
    for (size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        if (lead < 0x80) {
            out += static_cast<char>(lead);
            ++i;
            continue;
        }
        // Sequence length from the lead byte; a stray continuation byte counts as one.
        size_t length = 1;
        if ((lead & 0xE0) == 0xC0) {
            length = 2;
        } else if ((lead & 0xF0) == 0xE0) {
            length = 3;
        } else if ((lead & 0xF8) == 0xF0) {
            length = 4;
        }
        bool complete = length > 1 && i + length <= utf8.size();
        for (size_t k = 1; complete && k < length; ++k) {
            complete = (static_cast<unsigned char>(utf8[i + k]) & 0xC0) == 0x80;
        }
        if (complete && length == 2 && lead >= 0xC2 && lead <= 0xC3) {
            const unsigned code =
                ((lead & 0x1Fu) << 6) | (static_cast<unsigned char>(utf8[i + 1]) & 0x3Fu);
            out += static_cast<char>(code);
        } else {
            out += '?';
        }
        i += complete ? length : 1;
    }
    return out;
}

ResultFile::ResultFile(const std::string& fileName) {
    out_.open(fileName, std::ios::out | std::ios::trunc | std::ios::binary);
    out_.imbue(std::locale::classic());
}

void ResultFile::Text(std::string_view utf8) { out_ << ToLatin1(utf8); }

void ResultFile::SummaryLine(std::string_view label, double value, int precision) {
    out_ << label;
    if (std::isfinite(value)) {
        out_.precision(precision);
        out_ << value;
    } else {
        out_ << "nan";
    }
    out_ << '\n';
}

void ResultFile::RowValue(double value, int precision, std::string_view after) {
    out_.precision(precision);
    out_ << (std::isfinite(value) ? value : 0.0) << after;
}

bool ResultFile::Finish() {
    out_.close();
    return !out_.fail();
}

}  // namespace luvo
