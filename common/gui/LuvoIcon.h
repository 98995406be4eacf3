#pragma once
// The program's window icon ("mondrian" in the window pattern), drawn at run time.

#include <wx/icon.h>

namespace luvo {

const wxIcon& LuvoIcon();

}  // namespace luvo
