#pragma once
// "Interaktives Erstellen einer Flügelkonfiguration": the trapezoid wing of the vortex-lattice
// method in thirteen fields with a live preview of four views, handles to drag in two of them,
// and "&Weiter", which checks the inputs and opens the discretisation window.

#include "common/gui/WingGeometryWindow.h"
#include "vlm/core/VlmPreview.h"
#include "vlm/gui/VlmWingSource.h"

class VlmGeometryFrame : public luvo::WingGeometryWindow, public VlmWingSource {
  public:
    VlmGeometryFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                     long style = wxDEFAULT_FRAME_STYLE);

    // The fields' values as the preview and the checks read them.
    VlmWingInputs Inputs() const override { return Read(false); }
    luvo::WingPreviewInputs PreviewInputs() const override { return Inputs(); }

    // The thirteen range checks of the fields in their order; the first failure shows its box
    // with parent `parent` and the result is false.
    bool PassChecks(wxWindow* parent) const override;

  private:
    // `forCheck`: as the checks judge the texts (NumericField::Value).
    VlmWingInputs Read(bool forCheck) const;
    void OnClose(wxCloseEvent& event);
    void OnCloseCommand(wxCommandEvent& event);
    void OnNext(wxCommandEvent& event);
    void CloseWindow();

    wxDECLARE_EVENT_TABLE();
};
