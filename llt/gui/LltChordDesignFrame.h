#pragma once
// Design task 2 of the simple lifting-line method ("Entwurfsaufgabe - Vorgabe von Zirkulations-
// und Schränkungsverteilung"): the circulation is prescribed as a three-term sine series, through
// the total lift coefficient and the aspect ratio or through a1, on a wing of three trapezoids
// with a given twist; the window computes the chord that produces it. In the lift mode the root
// angle is searched so that the wing's area matches the prescribed aspect ratio. Every accepted
// change and every repaint of the circulation or chord plot recomputes everything from the
// fields: a new solver record, the results, three plots and the chord file.

#include <wx/radiobox.h>

#include "llt/gui/LltCheckedField.h"
#include "llt/gui/LltChordDesignCanvases.h"
#include "llt/gui/LltChordDesignHost.h"

// Recompute, the result labels, the file controls and the handlers but OnRadioBox come with
// LltTaskFrame.
class LltChordDesignFrame : public LltChordDesignHost {
  public:
    enum { kIdRadio = 1, kIdClose = 5, kIdChooseFile = 14 };

    LltChordDesignFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                        long style = wxDEFAULT_FRAME_STYLE);

    // The fourteen fields as numbers (a text without a leading number reads as 0) and the mode.
    LltChordDesignInputs ReadInputs() const override;

    // Sets the first status field, unless the results shown belong to a root-angle search that
    // failed: then the failure text stays.
    void SetInputStatus(const wxString& text) override;

    wxPanel* panel = nullptr;
    wxButton* closeButton = nullptr;
    wxStaticText* rootAngleLabel = nullptr;  // lift mode only
    wxRadioBox* circulationModeRadio = nullptr;
    wxRadioBox* chordScalingRadio = nullptr;
    LltChordDesignField* spanField = nullptr;
    LltChordDesignField* liftCoefficientField = nullptr;
    LltChordDesignField* liftSlopeField = nullptr;
    LltChordDesignField* aspectRatioField = nullptr;
    LltChordDesignField* a1Field = nullptr;
    LltChordDesignField* a3Field = nullptr;
    LltChordDesignField* a5Field = nullptr;
    LltChordDesignField* rootAngleField = nullptr;
    LltChordDesignField* angleBField = nullptr;
    LltChordDesignField* angleCField = nullptr;
    LltChordDesignField* angleDField = nullptr;
    LltChordDesignField* segmentABField = nullptr;
    LltChordDesignField* segmentBCField = nullptr;
    LltChordDesignField* segmentCDField = nullptr;
    LltChordDesignCirculationCanvas* circulationCanvas = nullptr;
    LltChordDesignTwistCanvas* twistCanvas = nullptr;
    LltChordDesignChordCanvas* chordCanvas = nullptr;
    // The root-angle row's caption and "=": shown with rootAngleLabel in the lift mode only.
    wxStaticText* rootAngleCaption = nullptr;
    wxStaticText* rootAngleEquals = nullptr;
    // The radio boxes' choices as numbers; every test compares with 1.0.
    double circulationMode = 0;  // 1: a1 given; otherwise lift coefficient and aspect ratio
    double chordScaling = 0;     // 1: not to scale; otherwise the chord in the span's scale

  private:
    void OnRadioBox(wxCommandEvent& event);
    Accepted ComputeAccepted() override;
    // rootAngle: the field's (a1 mode) or the one searched (lift mode).
    void DrawPlots(const LltSolver& s, const LltChordDesignInputs& in, double rootAngle,
                   double scaling);

    // The wing shown misses the area its aspect ratio asks for.
    bool areaMissed_ = false;

    wxDECLARE_EVENT_TABLE();
};
