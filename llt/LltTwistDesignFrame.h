#pragma once
// Design task 1 of the simple lifting-line method ("Entwurfsaufgabe - Vorgabe von Zirkulations-
// und Tiefenverteilung"): the circulation is prescribed as a three-term sine series, through the
// total lift coefficient or through a1, on a wing of three trapezoids with given chords; the
// window computes the twist that produces it. Every accepted change and every repaint of a plot
// recomputes everything from the fields: a new solver record, six results, three plots and the
// twist file.

#include <wx/button.h>
#include <wx/radiobox.h>
#include <wx/stattext.h>

#include <memory>

#include "common/LuvoFrame.h"
#include "llt/LltCheckedField.h"
#include "llt/LltDesignTasks.h"
#include "llt/LltTwistDesignCanvases.h"

class LltTwistDesignFrame : public luvo::LuvoFrame {
  public:
    enum { kIdRadio = 1, kIdClose = 5, kIdChooseFile = 13 };

    LltTwistDesignFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                        long style = wxDEFAULT_FRAME_STYLE);
    ~LltTwistDesignFrame() override;

    // Reads the fields and, when they hold accepted inputs, computes a new record, shows it and
    // rewrites the twist file. While a check's box is open or a field holds a rejected text,
    // the plots are redrawn from the last accepted record and no file is written.
    void Recompute();

    // The thirteen fields as numbers (a text without a leading number reads as 0) and the mode.
    LltTwistDesignInputs ReadInputs() const;

    // The field that holds an input of the window.
    wxTextCtrl* Field(LltInput input) const { return checks_.Field(input); }

    wxPanel* panel = nullptr;
    wxButton* closeButton = nullptr;
    wxButton* chooseFileButton = nullptr;
    wxStaticText* areaLabel = nullptr;
    wxStaticText* meanChordLabel = nullptr;
    wxStaticText* aspectRatioLabel = nullptr;
    wxStaticText* liftLabel = nullptr;
    wxStaticText* inducedDragLabel = nullptr;
    wxStaticText* kFactorLabel = nullptr;
    wxStaticText* fileNameLabel = nullptr;  // the twist file's name, blanks included
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
    void OnClose(wxCommandEvent& event);
    void OnCloseWindow(wxCloseEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnChooseFile(wxCommandEvent& event);
    void OnRadioBox(wxCommandEvent& event);
    void CloseAndForget();

    // What the plots of one accepted recomputation show.
    struct Shown {
        std::shared_ptr<LltSolver> record;
        LltTwistDesignInputs inputs;
        double twistScaling = 0;
    };
    void DrawPlots(const Shown& shown);

    LltFieldChecks checks_;
    Shown lastAccepted_;

    wxDECLARE_EVENT_TABLE();
};
