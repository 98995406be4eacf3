#pragma once
// The analysis task ("Nachrechenaufgabe") of the simple lifting-line method: a wing of three
// trapezoids A (root) - B - C - D (tip) given by its span, the lift-slope factor of its sections,
// the segment lengths, the chords and the angles of attack. Every accepted change and every
// repaint of a plot recomputes everything from the fields: a new solver record, the Multhopp
// solution, six coefficients, three plots and the result file.

#include "llt/gui/LltAnalysisCanvases.h"
#include "llt/gui/LltAnalysisHost.h"
#include "llt/gui/LltCheckedField.h"

// Recompute, the result labels, the file controls and the handlers come with LltTaskFrame.
class LltAnalysisFrame : public LltAnalysisHost {
  public:
    LltAnalysisFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                     long style = wxDEFAULT_FRAME_STYLE);

    // The thirteen fields as numbers (a text without a leading number reads as 0).
    LltAnalysisInputs ReadInputs() const override;

    LltAnalysisField* segmentABField = nullptr;
    LltAnalysisField* segmentBCField = nullptr;
    LltAnalysisField* segmentCDField = nullptr;
    LltAnalysisField* chordAField = nullptr;
    LltAnalysisField* chordBField = nullptr;
    LltAnalysisField* chordCField = nullptr;
    LltAnalysisField* chordDField = nullptr;
    LltAnalysisField* rootAngleField = nullptr;
    LltAnalysisField* angleBField = nullptr;
    LltAnalysisField* angleCField = nullptr;
    LltAnalysisField* angleDField = nullptr;
    LltAnalysisField* spanField = nullptr;
    LltAnalysisField* liftSlopeField = nullptr;  // not checked
    LltAnalysisChordCanvas* chordCanvas = nullptr;
    LltAnalysisTwistCanvas* twistCanvas = nullptr;
    LltAnalysisCirculationCanvas* circulationCanvas = nullptr;
    wxButton* cancelButton = nullptr;

  private:
    Accepted ComputeAccepted() override;
    void DrawPlots(const LltSolver& s, const LltAnalysisInputs& in);

    wxDECLARE_EVENT_TABLE();
};
