#pragma once
// Interactive pressure-distribution task (design task): three points of the upper-side
// pressure, dragged with the mouse, fix the three Birnbaum coefficients; the window shows them
// with the camber-line parts, lift and moments, and draws the pressure with its points and the
// camber line that produces it.

#include <wx/dc.h>

#include "camber/core/CamberThreePoints.h"
#include "camber/gui/CamberTaskWindow.h"
#include "common/gui/LuvoFrame.h"

class CamberPressureAngleField;
class CamberPressureCloseButton;
class CamberPressureEditCanvas;
class CamberPressureLineCanvas;

class CamberPressureFrame : public luvo::LuvoFrame, public CamberTaskWindow {
  public:
    // The three points (x/t, cp of the upper side) and the angle [rad] at which they describe
    // the distribution, shared by every window of this task; each new window resets them.
    static CamberPointSet pressurePoints;
    static double pointsAngle;

    CamberPressureFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

    // After an angle edit: the camber line stays, the distribution and its points move with
    // the angle.
    void Recalculate() override;
    // After a drag: the camber line follows the points, the angle stays.
    void RecalculateDragged();

    // Coefficients of the points with A0 as solved (after a drag) or shifted by the angle
    // edit since the points were set; the angle from the field.
    CamberState DraggedState() const;
    CamberState ShiftedState() const;
    // The two plots, without clearing; the pressure plot draws the points where they are.
    void DrawPressurePlot(wxDC& dc, const CamberState& s) const;
    void DrawCamberPlot(wxDC& dc, const CamberState& s) const;

    CamberPressureEditCanvas* PressureCanvas() const { return pressureCanvas_; }
    CamberPressureAngleField* AngleField() const { return angleField_; }
    CamberPressureLineCanvas* CamberCanvas() const { return camberCanvas_; }
    const CamberResultTexts& ResultTexts() const { return valueTexts_; }
    CamberPressureCloseButton* CloseButton() const { return closeButton_; }

  private:
    void OnQuit(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    void ShowAndDraw(const CamberState& s);

    CamberPressureEditCanvas* pressureCanvas_ = nullptr;
    CamberPressureAngleField* angleField_ = nullptr;
    CamberPressureLineCanvas* camberCanvas_ = nullptr;
    CamberResultTexts valueTexts_{};
    CamberPressureCloseButton* closeButton_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};

// Upper plot: the pressure distribution with the three draggable red points.
class CamberPressureEditCanvas : public CamberCanvas {
  public:
    using CamberCanvas::CamberCanvas;

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    wxDECLARE_EVENT_TABLE();
};

// Lower plot: the camber line, moved so that its trailing edge lies on the chord.
class CamberPressureLineCanvas : public CamberCanvas {
  public:
    using CamberCanvas::CamberCanvas;

  private:
    void OnPaint(wxPaintEvent& event);
    wxDECLARE_EVENT_TABLE();
};
