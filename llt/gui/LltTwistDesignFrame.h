#pragma once
// Design task 1 of the simple lifting-line method ("Entwurfsaufgabe - Vorgabe von Zirkulations-
// und Tiefenverteilung"): the circulation is prescribed as a three-term sine series, through the
// total lift coefficient or through a1, on a wing of three trapezoids with given chords; the
// window computes the twist that produces it. Every accepted change and every repaint of a plot
// recomputes everything from the fields: a new solver record, six results, three plots and the
// twist file.

#include <wx/radiobox.h>

#include "llt/gui/LltCheckedField.h"
#include "llt/gui/LltTwistDesignCanvases.h"
#include "llt/gui/LltTwistDesignHost.h"

// Recompute, the result labels, the file controls and the handlers but OnRadioBox come with
// LltTaskFrame.
class LltTwistDesignFrame : public LltTwistDesignHost {
  public:
    enum { kIdRadio = 1, kIdClose = 5, kIdChooseFile = 13 };

    LltTwistDesignFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                        long style = wxDEFAULT_FRAME_STYLE);

    // The thirteen fields as numbers (a text without a leading number reads as 0) and the mode.
    LltTwistDesignInputs ReadInputs() const override;

    wxPanel* panel = nullptr;
    wxButton* closeButton = nullptr;
    LltTwistDesignField* spanField = nullptr;
    LltTwistDesignField* liftCoefficientField = nullptr;
    LltTwistDesignField* liftSlopeField = nullptr;
    LltTwistDesignField* a1Field = nullptr;
    LltTwistDesignField* a3Field = nullptr;
    LltTwistDesignField* a5Field = nullptr;
    LltTwistDesignField* segmentABField = nullptr;
    LltTwistDesignField* segmentBCField = nullptr;
    LltTwistDesignField* segmentCDField = nullptr;
    LltTwistDesignField* chordAField = nullptr;
    LltTwistDesignField* chordBField = nullptr;
    LltTwistDesignField* chordCField = nullptr;
    LltTwistDesignField* chordDField = nullptr;
    wxRadioBox* circulationModeRadio = nullptr;
    wxRadioBox* twistScalingRadio = nullptr;
    LltTwistDesignCirculationCanvas* circulationCanvas = nullptr;
    LltTwistDesignChordCanvas* chordCanvas = nullptr;
    LltTwistDesignTwistCanvas* twistCanvas = nullptr;
    // The radio boxes' choices as numbers; every test compares with 1.0.
    double circulationMode = 0;  // 1: a1 given; otherwise the total lift coefficient
    double twistScaling = 0;     // 1: fixed twist axis; otherwise scaled to the twist's range

  private:
    void OnRadioBox(wxCommandEvent& event);
    Accepted ComputeAccepted() override;
    void DrawPlots(const LltSolver& s, const LltTwistDesignInputs& in, double scaling);

    wxDECLARE_EVENT_TABLE();
};
