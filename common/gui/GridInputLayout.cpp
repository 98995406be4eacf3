#include "common/gui/GridInputLayout.h"

#include <wx/statbox.h>

#include "common/gui/LuvoFrame.h"

namespace luvo {

GridInputControls BuildGridInputWindow(wxWindow* panel, const GridInputSpec& spec) {
    GridInputControls controls;
    controls.grid = AddGridFileRow(panel, spec.firstFileId, spec.gridFileName);
    controls.results = AddResultFileRows(panel, 60, spec.firstFileId + 1);

    new wxStaticBox(panel, wxID_ANY, wxS("Eingabe weiterer Parameter:"), wxPoint(10, 210),
                    wxSize(390, spec.boxHeight));
    controls.fields = AddParameterRows(panel, spec.columns, spec.fields);
    controls.wake = AddWakeRadioBox(panel, spec.wakeId, wxS("Nachlauf eben"),
                                    wxS("Nachlauf relaxiert"), spec.wakeAt, spec.wakeSize);

    controls.start = new wxButton(panel, kIdButtonStart, wxS("&Starten"), spec.startAt);
    controls.cancel = new wxButton(panel, kIdButtonClose, wxS("A&bbrechen"), spec.cancelAt);
    controls.cancel->SetToolTip(wxS("Abbrechen"));
    return controls;
}

void ShowGridInputInfo(wxFrame* frame, const wxString& text) {
    ShowRunInputInfo(frame, text, wxS("Info Datei einlesen"), wxS("Gewählt: Info"),
                     wxS("Festlegen der Strömung, Auswahl der Dateinamen"));
}

}  // namespace luvo
