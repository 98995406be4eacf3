#include "common/gui/DiscretisationLayout.h"

#include <wx/statbox.h>
#include <wx/stattext.h>

#include "common/gui/LuvoFrame.h"

namespace luvo {

namespace {

// The count rows: labels at x = 30, fields 30 pixels wide at x = 258, 25 pixels apart.
constexpr ParameterColumns kCountColumns{230, 25, 30, 3, 258, 30};

}  // namespace

DiscretisationControls BuildDiscretisationWindow(wxWindow* panel,
                                                 const DiscretisationLayout& layout) {
    DiscretisationControls controls;
    new wxStaticBox(panel, wxID_ANY, wxS("Verteilung der Stützststellen in Tiefenrichtung:"),
                    wxPoint(10, 10), wxSize(390, 190));
    controls.slider = AddSpacingSlider(panel, layout.sliderId, wxPoint(28, layout.sliderTop));
    controls.canvas = layout.makeCanvas(panel, controls.slider, wxPoint(210, 40), wxSize(150, 140));
    controls.canvas->SetToolTip(wxS("Verteilung der Stützstellen in Tiefenrichtung:"));

    new wxStaticBox(panel, wxID_ANY, wxS("Eingabe weiterer Parameter:"), wxPoint(10, 210),
                    wxSize(390, 120));
    controls.counts = AddParameterRows(panel, kCountColumns, layout.counts);
    if (!layout.buttonRowText.empty()) {
        // The button is taller than a field: it starts above the row so that the text beside
        // it lines up with the labels above.
        const int y =
            kCountColumns.top + kCountColumns.step * static_cast<int>(layout.counts.size());
        new wxStaticText(panel, wxID_ANY, layout.buttonRowText,
                         wxPoint(kCountColumns.labelX, y + 1));
        controls.rowButton = new wxButton(panel, layout.buttonRowId, layout.buttonRowLabel,
                                          wxPoint(kCountColumns.fieldX, y - 5), wxSize(-1, 26));
    }
    controls.wake = AddWakeRadioBox(panel, layout.wakeId, wxS("eben"), wxS("relaxiert"),
                                    wxPoint(315, layout.wakeTop));

    controls.files = AddResultFileRows(panel, 338, layout.firstFileId, layout.fileRowDrop);
    controls.start = new wxButton(panel, kIdButtonStart, wxS("Starte&n"), wxPoint(170, 487));
    return controls;
}

void ShowDiscretisationInfo(wxFrame* frame, const wxString& text) {
    ShowRunInputInfo(frame, text, wxS("Info Eingabe der Diskretisierungsparameter"), wxS("Info"),
                     wxS("Rechnung starten"));
}

}  // namespace luvo
