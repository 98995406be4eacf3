#pragma once
// The analysis task ("Nachrechenaufgabe") of the extended lifting-line method: a half wing of
// three trapezoids A (root) - B - C - D (tip) with leading-edge sweeps, in sideslip. Every
// accepted change of a field computes one new record, shows it on the three plots and in the
// result texts and rewrites the circulation file; a repaint draws the window's record again and
// rewrites the file without solving.

#include <memory>

#include "etl/gui/EtlAnalysisCanvases.h"
#include "etl/gui/EtlAnalysisField.h"
#include "etl/gui/EtlAnalysisHost.h"

class EtlAnalysisFrame : public EtlAnalysisHost {
  public:
    EtlAnalysisFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                     long style = wxDEFAULT_FRAME_STYLE);

    // The seventeen fields as numbers (a text without a leading number reads as 0).
    EtlAnalysisInputs ReadInputs() const override;

    // The record shown, null before the first accepted recomputation.
    const std::shared_ptr<EtlSolver>& Record() const { return record_; }

    EtlAnalysisField* spanField = nullptr;
    EtlAnalysisField* sideslipField = nullptr;
    EtlAnalysisField* liftSlopeField = nullptr;  // not checked
    EtlAnalysisField* sweepABField = nullptr;    // leading-edge sweeps
    EtlAnalysisField* sweepBCField = nullptr;
    EtlAnalysisField* sweepCDField = nullptr;
    EtlAnalysisField* lengthABField = nullptr;
    EtlAnalysisField* lengthBCField = nullptr;
    EtlAnalysisField* lengthCDField = nullptr;
    EtlAnalysisField* chordAField = nullptr;
    EtlAnalysisField* chordBField = nullptr;
    EtlAnalysisField* chordCField = nullptr;
    EtlAnalysisField* chordDField = nullptr;
    EtlAnalysisField* angleAField = nullptr;
    EtlAnalysisField* angleBField = nullptr;  // relative to A
    EtlAnalysisField* angleCField = nullptr;
    EtlAnalysisField* angleDField = nullptr;

    // Quarter-chord sweeps of AB, BC, CD, then area, mean chord, aspect ratio, lift and induced
    // drag coefficients and k-factor.
    wxStaticText* sweepLabels[3] = {};
    wxStaticText* resultLabels[6] = {};

    EtlAnalysisChordCanvas* chordCanvas = nullptr;
    EtlAnalysisTwistCanvas* twistCanvas = nullptr;
    EtlAnalysisCirculationCanvas* circulationCanvas = nullptr;
    wxButton* cancelButton = nullptr;

  private:
    Result ComputeResult() override;
    void ShowResults(const EtlSolver& s);
    void DrawPlots(const EtlSolver& s, const EtlAnalysisInputs& in);

    std::shared_ptr<EtlSolver> record_;
    EtlAnalysisInputs recordInputs_;  // the inputs `record_` was computed from

    wxDECLARE_EVENT_TABLE();
};
