#pragma once
// Design task 2 of the simple lifting-line method ("Entwurfsaufgabe - Vorgabe von Zirkulations-
// und Schränkungsverteilung"): the circulation is prescribed as a three-term sine series, through
// the total lift coefficient and the aspect ratio or through a1, on a wing of three trapezoids
// with a given twist; the window computes the chord that produces it. In the lift mode the root
// angle is searched so that the wing's area matches the prescribed aspect ratio. Every accepted
// change and every repaint of the circulation or chord plot recomputes everything from the
// fields: a new solver record, the results, three plots and the chord file.

#include <wx/button.h>
#include <wx/radiobox.h>
#include <wx/stattext.h>

#include <memory>

#include "common/LuvoFrame.h"
#include "llt/LltCheckedField.h"
#include "llt/LltChordDesignCanvases.h"
#include "llt/LltDesignTasks.h"

class LltChordDesignFrame : public luvo::LuvoFrame {
  public:
    enum { kIdRadio = 1, kIdClose = 5, kIdChooseFile = 14 };

    LltChordDesignFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                        long style = wxDEFAULT_FRAME_STYLE);
    ~LltChordDesignFrame() override;

    // Reads the fields and, when they hold accepted inputs, computes a new record, shows it and
    // rewrites the chord file. While a check's box is open or a field holds a rejected text,
    // the plots are redrawn from the last accepted record and no file is written.
    void Recompute();

    // The fourteen fields as numbers (a text without a leading number reads as 0) and the mode.
    LltChordDesignInputs ReadInputs() const;

    // The field that holds an input of the window.
    wxTextCtrl* Field(LltInput input) const { return checks_.Field(input); }

    // Sets the first status field, unless the results shown belong to a root-angle search that
    // failed: then the failure text stays.
    void SetInputStatus(const wxString& text);

    wxPanel* panel = nullptr;
    wxButton* closeButton = nullptr;
    wxButton* chooseFileButton = nullptr;
    wxStaticText* areaLabel = nullptr;
    wxStaticText* aspectRatioLabel = nullptr;
    wxStaticText* liftLabel = nullptr;
    wxStaticText* inducedDragLabel = nullptr;
    wxStaticText* kFactorLabel = nullptr;
    wxStaticText* meanChordLabel = nullptr;
    wxStaticText* rootAngleLabel = nullptr;  // lift mode only
    wxStaticText* fileNameLabel = nullptr;   // the chord file's name, blanks included
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
    void OnClose(wxCommandEvent& event);
    void OnCloseWindow(wxCloseEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnChooseFile(wxCommandEvent& event);
    void OnRadioBox(wxCommandEvent& event);
    void CloseAndForget();

    // What the plots of one accepted recomputation show.
    struct Shown {
        std::shared_ptr<LltSolver> record;
        LltChordDesignInputs inputs;
        double rootAngle = 0;  // the field's (a1 mode) or the one searched (lift mode)
        double chordScaling = 0;
        bool rootAngleMissing = false;
    };
    void DrawPlots(const Shown& shown);

    LltFieldChecks checks_;
    Shown lastAccepted_;

    wxDECLARE_EVENT_TABLE();
};
