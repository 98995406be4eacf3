#pragma once
// The design window in which the upper and lower contours are shaped directly, each from up to
// four draggable support points, or taken as they stand from a profile-coordinate file.

#include "supersonic/gui/SupersonicDesignFrame.h"

class SupersonicContourCanvas;
class SupersonicPressureCanvas;

class SupersonicContourFrame : public SupersonicDesignFrame {
  public:
    // An empty file name starts with the defaults; a ".pol" path is read as a contour, and any
    // file as a configuration.
    SupersonicContourFrame(const wxString& title, const wxPoint& pos, const wxSize& size,
                           long style, const wxString& fileName);

    void Recalculate(SupersonicRedraw which = SupersonicRedraw::Both) override;
    void ReadInputs() override;
    // Both sides come from a coordinate file and have no support points.
    bool HasFileContour() const { return fileContour_; }

    SupersonicCountField* upperCountField = nullptr;
    SupersonicCountField* lowerCountField = nullptr;
    SupersonicContourCanvas* contourCanvas = nullptr;
    SupersonicPressureCanvas* pressureCanvas = nullptr;
    SupersonicValueField* upperCurvatureStartField = nullptr;
    SupersonicValueField* upperCurvatureEndField = nullptr;
    SupersonicUpperModeRadio* upperLinearRadio = nullptr;
    SupersonicUpperModeRadio* upperSplineRadio = nullptr;
    SupersonicValueField* lowerCurvatureStartField = nullptr;
    SupersonicValueField* lowerCurvatureEndField = nullptr;
    SupersonicLowerModeRadio* lowerLinearRadio = nullptr;
    SupersonicLowerModeRadio* lowerSplineRadio = nullptr;

  protected:
    bool IsCurrent() const override;
    luvo::NumericField* FieldForKey(const std::string& key) override;
    SupersonicSettings CurrentSettings() const override;

  private:
    // The count field, "Linear"/"Spline" pair and end-value fields of one side in its box.
    template <class Radio>
    SupersonicModePair CreateSide(const wxString& title, int top, const SupersonicSide& side,
                                  SupersonicCountField*& count, Radio*& linear, Radio*& spline);
    void OnClose(wxCommandEvent& event);
    void OnCloseRequest(wxCloseEvent& event);
    void OnInfo(wxCommandEvent& event);
    void OnSave(wxCommandEvent& event);

    bool fileContour_ = false;
    wxDECLARE_EVENT_TABLE();
};
