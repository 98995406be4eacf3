#pragma once
// A name from a label or field as the file system takes it: in the file system's encoding,
// without trailing blanks and dots (common/core/FileName.h).

#include <wx/string.h>

#include <string>

#include "common/core/FileName.h"

namespace luvo {

inline std::string FileSystemName(const wxString& name) {
    return CreatedFileName(std::string(name.fn_str()));
}

}  // namespace luvo
