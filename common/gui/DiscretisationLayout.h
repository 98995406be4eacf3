#pragma once
// The layout of the "Diskretisierung" window that both 3D methods share: the box of the
// chordwise spacing (slider, its two end texts and the sketch), the box of the counts with the
// wake radio box beside them, the three result-file rows and "Starte&n". The methods differ in
// the counts, an optional button row below them, a few positions and the class of the sketch.

#include <wx/button.h>
#include <wx/slider.h>

#include <vector>

#include "common/gui/ChordwiseSpacingCanvas.h"
#include "common/gui/RunInputRows.h"

namespace luvo {

struct DiscretisationLayout {
    wxWindowID sliderId;
    int sliderTop;  // the slider's top edge inside the spacing box
    // Makes the method's sketch; called once, right after the slider.
    ChordwiseSpacingCanvas* (*makeCanvas)(wxWindow* panel, wxSlider* slider, const wxPoint& at,
                                          const wxSize& size);
    std::vector<ParameterRow> counts;  // rows of the parameter box from the top
    // A row below the counts: a text with a button beside it; none when the text is empty.
    wxString buttonRowText;
    wxWindowID buttonRowId = wxID_ANY;
    wxString buttonRowLabel;
    wxWindowID wakeId;
    int wakeTop;  // the wake radio box stands at x = 315 beside the counts
    wxWindowID firstFileId;
    int fileRowDrop = 0;  // pixels the file rows' buttons and labels sit below the common row
};

struct DiscretisationControls {
    wxSlider* slider = nullptr;
    ChordwiseSpacingCanvas* canvas = nullptr;
    std::vector<NumericField*> counts;  // in the order of the layout's rows
    wxButton* rowButton = nullptr;      // null without a button row
    wxRadioBox* wake = nullptr;
    ResultFileRows files;
    wxButton* start = nullptr;
};

DiscretisationControls BuildDiscretisationWindow(wxWindow* panel,
                                                 const DiscretisationLayout& layout);

// The info box of a discretisation window, with the status texts around it.
void ShowDiscretisationInfo(wxFrame* frame, const wxString& text);

}  // namespace luvo
