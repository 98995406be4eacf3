#pragma once
// The layout of the window "Daten über eine Datei einlesen" that both 3D methods share: the
// grid-file row and the three result-file rows, the parameter box with its fields, the wake radio
// box, "&Starten" and "A&bbrechen". The methods differ in the grid file's name, the fields and
// where the box, the radio box and the buttons stand.

#include <wx/button.h>

#include <vector>

#include "common/gui/RunInputRows.h"

namespace luvo {

struct GridInputLayout {
    wxWindowID firstFileId;  // the grid file's button; the result files' buttons follow it
    wxString gridFileName;   // the name at start, whose extension the dialog shows
    std::vector<ParameterRow> fields;
    ParameterColumns columns;
    int boxHeight;  // of the parameter box at (10, 210), 390 pixels wide
    wxWindowID wakeId;
    wxPoint wakeAt;
    wxSize wakeSize = wxDefaultSize;
    wxPoint startAt;
    wxPoint cancelAt;
};

struct GridInputControls {
    FileChooserRow grid;
    ResultFileRows results;
    std::vector<NumericField*> fields;  // in the order of the layout's fields
    wxRadioBox* wake = nullptr;
    wxButton* start = nullptr;
    wxButton* cancel = nullptr;
};

GridInputControls BuildGridInputWindow(wxWindow* panel, const GridInputLayout& layout);

// The info box of a grid-input window, with the status texts around it.
void ShowGridInputInfo(wxFrame* frame, const wxString& text);

}  // namespace luvo
