#pragma once
// Result files compared with reference files kept in tests/reference: the text between the
// numbers must be the same, the numbers equal within a relative tolerance (an absolute one near
// zero). The references are written with more digits than the program's files, so that a
// tolerance far below their last digit means something.

#include <gtest/gtest.h>
#include <omp.h>

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "common/core/FreeCores.h"

namespace luvo::test {

// Significant digits of the reference files and of the files compared with them.
constexpr int kReferenceDigits = 13;

inline std::string ReferenceDir() { return LUVO_REFERENCE_DIR; }

// Set to write the references from the code under test instead of comparing with them (only
// from a commit whose results are meant as the reference).
inline bool WritingReferences() { return std::getenv("LUVO_WRITE_REFERENCES") != nullptr; }

inline std::string ReadWhole(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// A file as alternating pieces: text (numbers replaced by one '#') and the numbers in order.
struct NumberedText {
    std::string text;
    std::vector<double> numbers;
    std::vector<int> lines;  // line of each number, from 1
};

inline NumberedText SplitNumbers(const std::string& s) {
    NumberedText out;
    int line = 1;
    size_t i = 0;
    while (i < s.size()) {
        const char c = s[i];
        const bool afterWord =
            i > 0 && (std::isalnum(static_cast<unsigned char>(s[i - 1])) || s[i - 1] == '_');
        const bool starts =
            !afterWord &&
            (std::isdigit(static_cast<unsigned char>(c)) ||
             ((c == '-' || c == '+' || c == '.') && i + 1 < s.size() &&
              (std::isdigit(static_cast<unsigned char>(s[i + 1])) || s[i + 1] == '.')));
        if (starts) {
            char* end = nullptr;
            const double v = std::strtod(s.c_str() + i, &end);
            const size_t used = static_cast<size_t>(end - (s.c_str() + i));
            if (used > 0) {
                out.text += '#';
                out.numbers.push_back(v);
                out.lines.push_back(line);
                i += used;
                continue;
            }
        }
        if (c == '\n') ++line;
        out.text += c;
        ++i;
    }
    return out;
}

// Empty when `actual` matches `expected`; else what differs first (at most `report` numbers).
inline std::string CompareNumbers(const std::string& expected, const std::string& actual,
                                  double relative, double absolute, int report = 5) {
    const NumberedText e = SplitNumbers(expected);
    const NumberedText a = SplitNumbers(actual);
    if (e.text != a.text || e.numbers.size() != a.numbers.size()) {
        size_t k = 0;
        while (k < e.text.size() && k < a.text.size() && e.text[k] == a.text[k]) ++k;
        return "the text differs at character " + std::to_string(k) + " of the layout (" +
               std::to_string(e.numbers.size()) + " numbers expected, " +
               std::to_string(a.numbers.size()) + " found)";
    }
    std::ostringstream out;
    out.precision(17);
    int differing = 0;
    double worst = 0;
    for (size_t k = 0; k < e.numbers.size(); ++k) {
        const double x = e.numbers[k], y = a.numbers[k];
        const double tolerance =
            std::max(absolute, relative * std::max(std::fabs(x), std::fabs(y)));
        const bool same = (std::isnan(x) && std::isnan(y)) || std::fabs(x - y) <= tolerance;
        if (!same) {
            worst = std::max(worst, std::fabs(x - y) / std::max(std::fabs(x), std::fabs(y)));
            if (++differing <= report) {
                out << "line " << e.lines[k] << ": expected " << x << ", found " << y << "\n";
            }
        }
    }
    if (differing > 0) {
        out << differing << " of " << e.numbers.size() << " numbers differ, the largest by "
            << worst << " relative";
    }
    return out.str();
}

// The three files every 3D run writes.
inline const std::vector<std::string>& ResultFileNames() {
    static const std::vector<std::string> names = {"3D.dat", "cp-x.dat", "ca-y.dat"};
    return names;
}

// For 1 and all threads (once when writing the references), all of them taken whatever the
// machine's load: `run(name, prefix)` runs case `name` and writes its three files as
// prefix + "3D.dat" and so on into the working folder, with kReferenceDigits; then every file is
// compared with its reference, every number within 1e-9 relative or 1e-12 absolute.
template <class Run>
void CheckResultFiles(const std::vector<std::string>& cases, Run run) {
    const int most = std::max(2, omp_get_num_procs());
    const std::vector<int> threadCounts =
        WritingReferences() ? std::vector<int>{1} : std::vector<int>{1, most};
    luvo::AssumeFreeCores(most);
    for (const int threads : threadCounts) {
        omp_set_num_threads(threads);
        for (const std::string& name : cases) {
            const std::string prefix = name + "-";
            run(name, prefix);
            for (const std::string& file : ResultFileNames()) {
                const std::string reference = ReferenceDir() + "/" + prefix + file;
                const std::string written = ReadWhole(prefix + file);
                if (WritingReferences()) {
                    std::ofstream(reference, std::ios::binary) << written;
                    continue;
                }
                EXPECT_EQ(CompareNumbers(ReadWhole(reference), written, 1e-9, 1e-12), "")
                    << prefix << file << " with " << threads << " threads";
            }
        }
    }
    omp_set_num_threads(omp_get_num_procs());
    luvo::AssumeFreeCores(0);
}

}  // namespace luvo::test
