#pragma once
// A core header that reaches the window library: the check must name it.
#include <wx/string.h>
