#pragma once
// The NACA four-digit task of the thin-airfoil theory (analysis task): from the angle alpha*
// or the lift coefficient Ca and the two camber digits, the three Birnbaum coefficients, the
// camber-line parts, lift, moments, zero-lift angle and pressure point, and the camber-line
// and pressure plots. The window keeps no numbers: every computation starts from its controls.

#include <wx/dc.h>

#include "camber/core/CamberTheory.h"
#include "camber/gui/CamberFields.h"
#include "camber/gui/CamberNacaHost.h"
#include "camber/gui/CamberRadios.h"
#include "camber/gui/CamberTaskWindow.h"
#include "common/gui/LuvoFrame.h"

class CamberNacaLineCanvas;
class CamberNacaPressureCanvas;
class CamberNacaCloseButton;

class CamberNacaFrame : public luvo::LuvoFrame, public CamberNacaHost {
  public:
    CamberNacaFrame(const wxString& title, const wxPoint& pos, const wxSize& size);

    // Recomputes from the controls, sets the twelve results and redraws both plots.
    void Recalculate() override;

    // What the controls describe now.
    struct Inputs {
        CamberNacaTerms terms;  // m and p after the flat-plate rule
        CamberState state;
    };
    Inputs ReadInputs() const;

    // The plots as the canvases' paint handlers draw them (no clearing).
    void PaintCamberPlot(wxDC& dc) const;
    void PaintPressurePlot(wxDC& dc) const;

    // Writes the camber and position digits of the designation "NACA xy00".
    void SetDesignationDigits(const wxString& camber, const wxString& position) override;
    wxString Designation() const;

    CamberAngleRadio* AngleRadio() const override { return angleRadio_; }
    CamberLiftRadio* LiftRadio() const override { return liftRadio_; }
    CamberNacaAngleField* AngleField() const override { return angleField_; }
    CamberNacaLiftField* LiftField() const override { return liftField_; }
    CamberNacaCamberField* CamberDigitField() const override { return camberField_; }
    CamberNacaPositionField* PositionField() const override { return positionField_; }
    CamberNacaLineCanvas* LineCanvas() const { return lineCanvas_; }
    CamberNacaPressureCanvas* PressureCanvas() const { return pressureCanvas_; }
    const CamberResultTexts& ResultTexts() const { return results_; }
    CamberNacaCloseButton* CloseButton() const { return closeButton_; }

  private:
    void OnQuit(wxCommandEvent& event);
    void OnInfo(wxCommandEvent& event);
    // Camber-line plot after a recalculation: arrow first, then the curves.
    void RedrawCamberPlot(wxDC& dc, const Inputs& in) const;
    void DrawPressurePlot(wxDC& dc, const Inputs& in) const;

    CamberAngleRadio* angleRadio_ = nullptr;
    CamberLiftRadio* liftRadio_ = nullptr;
    CamberNacaAngleField* angleField_ = nullptr;
    CamberNacaLiftField* liftField_ = nullptr;
    CamberNacaCamberField* camberField_ = nullptr;
    CamberNacaPositionField* positionField_ = nullptr;
    wxStaticText* camberDigit_ = nullptr;
    wxStaticText* positionDigit_ = nullptr;
    wxStaticText* lastDigits_[2] = {nullptr, nullptr};
    wxStaticText* designationPrefix_ = nullptr;
    CamberNacaLineCanvas* lineCanvas_ = nullptr;
    CamberNacaPressureCanvas* pressureCanvas_ = nullptr;
    CamberResultTexts results_{};
    CamberNacaCloseButton* closeButton_ = nullptr;

    wxDECLARE_EVENT_TABLE();
};

// The two plots of the window; each draws its own window's state.
class CamberNacaLineCanvas : public CamberCanvas {
  public:
    using CamberCanvas::CamberCanvas;

  private:
    void OnPaint(wxPaintEvent& event);
    wxDECLARE_EVENT_TABLE();
};

class CamberNacaPressureCanvas : public CamberCanvas {
  public:
    using CamberCanvas::CamberCanvas;

  private:
    void OnPaint(wxPaintEvent& event);
    wxDECLARE_EVENT_TABLE();
};
