#pragma once
// "Interaktives Erstellen einer Flügelkonfiguration": the interactive wing of the panel method in
// twenty fields and a flap check box, with a live preview of four views and "&Weiter", which
// checks the inputs and opens "Diskretisierung". The window keeps no values: whoever needs the
// wing reads the fields again through `Inputs`. It exists at most once.

#include <wx/checkbox.h>

#include <memory>

#include "common/gui/WingGeometryWindow.h"
#include "panel3d/core/Panel3dGeometryInputs.h"
#include "panel3d/core/Panel3dPolarEvaluator.h"
#include "panel3d/gui/Panel3dWingSource.h"

// Enables the six flap fields while set and redraws the preview.
class Panel3dFlapCheckBox : public wxCheckBox {
  public:
    using wxCheckBox::wxCheckBox;

  private:
    void OnCheckBox(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class Panel3dGeometryFrame : public luvo::WingGeometryWindow, public Panel3dWingSource {
  public:
    Panel3dGeometryFrame(
        const wxString& title, const wxPoint& pos, const wxSize& size,
        long style = wxDEFAULT_FRAME_STYLE,
        std::shared_ptr<Panel3dPolarEvaluator> evaluator = Panel3dPolarEvaluator::Shared());

    // The fields' texts as numbers (a text without a leading number is 0) and the flap box.
    Panel3dGeometryInputs Inputs() const override { return Read(false); }
    Panel3dGeometryInputs CheckedInputs() const override { return Read(true); }

    // What the preview draws from the fields and the flow state's angle of attack.
    luvo::WingPreviewInputs PreviewInputs() const override;

    // Enables or disables the six flap fields; their texts stay.
    void EnableFlapFields(bool enable);

    Panel3dFlapCheckBox* flapCheckBox = nullptr;
    luvo::WingGeometryField* flapInnerField = nullptr;
    luvo::WingGeometryField* flapOuterField = nullptr;
    luvo::WingGeometryField* hingePositionField = nullptr;
    luvo::WingGeometryField* hingeHeightField = nullptr;
    luvo::WingGeometryField* leftDeflectionField = nullptr;
    luvo::WingGeometryField* rightDeflectionField = nullptr;

  private:
    // `forCheck`: as the checks judge the texts (NumericField::Value).
    Panel3dGeometryInputs Read(bool forCheck) const;
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void OnNext(wxCommandEvent& event);
    void CloseWindow();

    std::shared_ptr<Panel3dPolarEvaluator> evaluator_;
    wxDECLARE_EVENT_TABLE();
};
