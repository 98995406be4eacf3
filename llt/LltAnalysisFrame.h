#pragma once
// The analysis task ("Nachrechenaufgabe") of the simple lifting-line method: a wing of three
// trapezoids A (root) - B - C - D (tip) given by its span, the lift-slope factor of its sections,
// the segment lengths, the chords and the angles of attack. Every accepted change and every
// repaint of a plot recomputes everything from the fields: a new solver record, the Multhopp
// solution, six coefficients, three plots and the result file.

#include <wx/button.h>
#include <wx/stattext.h>

#include <memory>

#include "common/LuvoFrame.h"
#include "llt/LltAnalysisCanvases.h"
#include "llt/LltAnalysisRun.h"
#include "llt/LltCheckedField.h"

class LltAnalysisFrame : public luvo::LuvoFrame {
  public:
    LltAnalysisFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                     long style = wxDEFAULT_FRAME_STYLE);
    ~LltAnalysisFrame() override;

    // Reads the fields and, when they hold accepted inputs, computes a new record, shows it and
    // rewrites the result file. While a check's box is open or a field holds a rejected text,
    // the plots are redrawn from the last accepted record and no file is written.
    void Recompute();

    // The thirteen fields as numbers (a text without a leading number reads as 0).
    LltAnalysisInputs ReadInputs() const;

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
    wxButton* chooseFileButton = nullptr;
    wxStaticText* areaLabel = nullptr;
    wxStaticText* meanChordLabel = nullptr;
    wxStaticText* aspectRatioLabel = nullptr;
    wxStaticText* liftLabel = nullptr;
    wxStaticText* inducedDragLabel = nullptr;
    wxStaticText* kFactorLabel = nullptr;
    wxStaticText* fileNameLabel = nullptr;  // the result file's name, blanks included

  private:
    void OnClose(wxCommandEvent& event);
    void OnCloseWindow(wxCloseEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnChooseFile(wxCommandEvent& event);
    void CloseAndForget();
    void DrawPlots(const LltSolver& s, const LltAnalysisInputs& in);

    LltFieldChecks checks_;
    std::shared_ptr<LltSolver> lastAccepted_;
    LltAnalysisInputs lastInputs_;

    wxDECLARE_EVENT_TABLE();
};
