#pragma once
// The methods that the main window offers, in the order of its radio box. A new method is one
// row of this table (app/MethodTable.cpp) and one folder in the build's list of areas.

#include <wx/frame.h>
#include <wx/gdicmn.h>
#include <wx/string.h>

#include <vector>

struct LuvoMethod {
    const wchar_t* choice;  // the radio box's text
    const wchar_t* status;  // the status line's text while it is selected
    const wchar_t* title;   // the title of its first window
    wxSize size;            // and that window's size
    // Creates that window with the default position and no parent, not yet shown.
    wxFrame* (*create)(const wxString& title, const wxSize& size);
};

const std::vector<LuvoMethod>& LuvoMethods();
