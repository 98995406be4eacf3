#include "common/core/FileName.h"

namespace luvo {

std::string CreatedFileName(const std::string& name) {
    const std::size_t slash = name.find_last_of('/');
    const std::size_t start = slash == std::string::npos ? 0 : slash + 1;
    std::size_t end = name.size();
    while (end > start && (name[end - 1] == ' ' || name[end - 1] == '.')) --end;
    if (end == start) return name;
    return name.substr(0, end);
}

}  // namespace luvo
