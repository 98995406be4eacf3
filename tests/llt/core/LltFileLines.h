#pragma once
// Reading the lifting-line method's result files back in tests: their lines, and the numbers of
// a data row.

#include <sstream>
#include <string>
#include <vector>

namespace llt_test {

inline std::vector<std::string> Lines(const std::string& bytes) {
    std::vector<std::string> lines;
    std::istringstream in(bytes);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

inline std::vector<double> Row(const std::string& line) {
    std::vector<double> values;
    std::istringstream in(line);
    for (double v; in >> v;) values.push_back(v);
    return values;
}

}  // namespace llt_test
