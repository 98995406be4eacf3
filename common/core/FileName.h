#pragma once
// File names typed into fields or shown in labels. The windows' names were written for a file
// system that drops trailing blanks and dots when it creates a file; on Linux they would stay in
// the name, which would then no longer end in ".dat". Every file the program creates or opens
// from such a name goes through this rule, once.

#include <string>

namespace luvo {

// The name without the trailing blanks and dots of its last path component:
// " GammaUndCa.dat " -> " GammaUndCa.dat", "tiefe.dat. ." -> "tiefe.dat". A last component made
// of nothing but blanks and dots ("..", " ") is left as it is: it names no file either way.
std::string CreatedFileName(const std::string& name);

}  // namespace luvo
