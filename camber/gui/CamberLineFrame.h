#pragma once
// Interactive camber-line task: three points of the camber line, dragged with the mouse, fix
// the three normal modes of Birnbaum and Ackermann; the window shows the coefficients, the
// camber line with its points and the resulting pressure on both sides.

#include <wx/dc.h>

#include "camber/core/CamberThreePoints.h"
#include "camber/gui/CamberTaskWindow.h"
#include "common/gui/LuvoFrame.h"

class CamberLineAngleField;
class CamberLineCloseButton;
class CamberLineEditCanvas;
class CamberLinePressureCanvas;

class CamberLineFrame : public luvo::LuvoFrame, public CamberTaskWindow {
  public:
    // The three points (x/t, z/t), shared by every window of this task; each new window resets
    // them to the default points.
    static CamberPointSet camberPoints;

    CamberLineFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

    // Reads the angle, solves for the coefficients, writes the results, redraws both plots.
    void Recalculate() override;

    // The angle field's angle with the coefficients of the current points.
    CamberState CurrentState() const;
    // The two plots, without clearing.
    void DrawCamberPlot(wxDC& dc, const CamberState& s) const;
    void DrawPressurePlot(wxDC& dc, const CamberState& s) const;

    CamberLineEditCanvas* CamberCanvas() const { return camberCanvas_; }
    CamberLineAngleField* AngleField() const { return angleField_; }
    CamberLinePressureCanvas* PressureCanvas() const { return pressureCanvas_; }
    const CamberResultTexts& ResultTexts() const { return valueTexts_; }
    CamberLineCloseButton* CloseButton() const { return closeButton_; }

  private:
    void OnQuit(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);

    CamberLineEditCanvas* camberCanvas_ = nullptr;
    CamberLineAngleField* angleField_ = nullptr;
    CamberLinePressureCanvas* pressureCanvas_ = nullptr;
    CamberResultTexts valueTexts_{};
    CamberLineCloseButton* closeButton_ = nullptr;
    wxDECLARE_EVENT_TABLE();
};

// Upper plot: the camber line with the three draggable red points.
class CamberLineEditCanvas : public CamberCanvas {
  public:
    using CamberCanvas::CamberCanvas;

  private:
    void OnPaint(wxPaintEvent& event);
    void OnMouse(wxMouseEvent& event);
    wxDECLARE_EVENT_TABLE();
};

// Lower plot: the pressure on the upper and the lower side.
class CamberLinePressureCanvas : public CamberCanvas {
  public:
    using CamberCanvas::CamberCanvas;

  private:
    void OnPaint(wxPaintEvent& event);
    wxDECLARE_EVENT_TABLE();
};
