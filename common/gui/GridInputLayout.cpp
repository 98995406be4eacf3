#include "common/gui/GridInputLayout.h"

#include <wx/statbox.h>

#include "common/gui/LuvoFrame.h"

namespace luvo {

GridInputControls BuildGridInputWindow(wxWindow* panel, const GridInputLayout& layout) {
    GridInputControls controls;
    controls.grid = AddGridFileRow(panel, layout.firstFileId, layout.gridFileName);
    controls.results = AddResultFileRows(panel, 60, layout.firstFileId + 1);

    new wxStaticBox(panel, wxID_ANY, wxS("Eingabe weiterer Parameter:"), wxPoint(10, 210),
                    wxSize(390, layout.boxHeight));
    controls.fields = AddParameterRows(panel, layout.columns, layout.fields);
    controls.wake = AddWakeRadioBox(panel, layout.wakeId, wxS("Nachlauf eben"),
                                    wxS("Nachlauf relaxiert"), layout.wakeAt, layout.wakeSize);

    controls.start = new wxButton(panel, kIdButtonStart, wxS("&Starten"), layout.startAt);
    controls.cancel = new wxButton(panel, kIdButtonClose, wxS("A&bbrechen"), layout.cancelAt);
    controls.cancel->SetToolTip(wxS("Abbrechen"));
    return controls;
}

void ShowGridInputInfo(wxFrame* frame, const wxString& text) {
    ShowRunInputInfo(frame, text, wxS("Info Datei einlesen"), wxS("Gewählt: Info"),
                     wxS("Festlegen der Strömung, Auswahl der Dateinamen"));
}

}  // namespace luvo
