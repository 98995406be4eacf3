#pragma once
// The design window that builds a profile from a camber part and a thickness part: each from up
// to four draggable support points, the camber part also from six Birnbaum coefficients.

#include <array>

#include "supersonic/gui/SupersonicDesignFrame.h"

class SupersonicCoefficientField;
class SupersonicCoefficientCheckBox;
class SupersonicCamberCanvas;
class SupersonicThicknessCanvas;
class SupersonicResultCanvas;

class SupersonicPartsFrame : public SupersonicDesignFrame {
  public:
    // An empty file name starts with the defaults; any other is read as a configuration.
    SupersonicPartsFrame(const wxString& title, const wxPoint& pos, const wxSize& size, long style,
                         const wxString& fileName);

    void Recalculate(SupersonicRedraw which) override;
    void ReadInputs() override;

    SupersonicValueField* curvatureStartField = nullptr;
    SupersonicValueField* curvatureEndField = nullptr;
    std::array<SupersonicCoefficientField*, 6> coefficientFields{};
    SupersonicCamberCanvas* camberCanvas = nullptr;
    SupersonicThicknessCanvas* thicknessCanvas = nullptr;
    SupersonicResultCanvas* resultCanvas = nullptr;
    SupersonicPartsModeRadio* linearRadio = nullptr;
    SupersonicPartsModeRadio* splineRadio = nullptr;
    SupersonicCoefficientCheckBox* coefficientCheckBox = nullptr;
    SupersonicOptionCheckBox* showPartsCheckBox = nullptr;
    SupersonicCountField* antimetricCountField = nullptr;
    SupersonicCountField* symmetricCountField = nullptr;

    bool HasCoefficientInputs() const override { return true; }
    bool CoefficientsEntered() const override;
    void EnableCoefficientInputs(bool on) override;
    bool ShowsParts() const override;

  protected:
    bool IsCurrent() const override;
    void ShowComputedInputs() override;
    luvo::NumericField* FieldForKey(const std::string& key) override;
    SupersonicSettings CurrentSettings() const override;

  private:
    void OnClose(wxCommandEvent& event);
    void OnCloseRequest(wxCloseEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);
    wxDECLARE_EVENT_TABLE();
};
