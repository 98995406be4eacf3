#include "llt/LltPlots.h"

#include <wx/brush.h>
#include <wx/font.h>
#include <wx/pen.h>

#include <utility>

namespace {

// The plot routines' drawing steps on a device context of the window library.
class DcPainter : public LltPlotPainter {
  public:
    explicit DcPainter(wxDC& dc) : dc_(dc) {}

    void SetOrigin(int x, int y) override { dc_.SetDeviceOrigin(x, y); }

    void SetPen(LltPen pen) override {
        switch (pen) {
            case LltPen::StockBlack:
                dc_.SetPen(*wxBLACK_PEN);
                return;
            case LltPen::Axis:
                dc_.SetPen(wxPen(*wxBLACK, 0, wxPENSTYLE_SOLID));
                return;
            case LltPen::Red:
                dc_.SetPen(wxPen(wxColour(wxS("red")), 0, wxPENSTYLE_SOLID));
                return;
            case LltPen::Grey:
                dc_.SetPen(wxPen(wxColour(wxS("grey")), 0, wxPENSTYLE_SOLID));
                return;
            case LltPen::Blue:
                dc_.SetPen(wxPen(wxColour(wxS("blue")), 0, wxPENSTYLE_SOLID));
                return;
            case LltPen::Green:
                dc_.SetPen(wxPen(wxColour(wxS("green")), 0, wxPENSTYLE_SOLID));
                return;
        }
    }

    void UseSmallFont() override {
        dc_.SetFont(LltSmallFont());
        dc_.SetTextBackground(*wxWHITE);
    }

    void Line(int x1, int y1, int x2, int y2) override { dc_.DrawLine(x1, y1, x2, y2); }

    void Rectangle(int x, int y, int width, int height) override {
        dc_.DrawRectangle(x, y, width, height);
    }

    void Text(const std::string& text, int x, int y) override {
        dc_.DrawText(wxString::FromUTF8(text), x, y);
    }

  private:
    wxDC& dc_;
};

// Runs a plot routine on the context.
template <class... Params, class... Args>
void DrawOn(wxDC& dc, void (*paint)(LltPlotPainter&, Params...), Args&&... args) {
    DcPainter painter(dc);
    paint(painter, std::forward<Args>(args)...);
}

}  // namespace

wxFont LltSmallFont() {
    // The captions place their subscripts with runs of blanks: they need a face with the
    // proportions of the classic 8-point sans-serif UI font, as Liberation Sans has.
    return wxFont(wxFontInfo(8).Family(wxFONTFAMILY_SWISS).FaceName(wxS("Liberation Sans")));
}

void LltStartPlot(wxDC& dc, const wxString& title, int x, int y) {
    dc.SetDeviceOrigin(0, 0);
    dc.SetBackground(*wxWHITE_BRUSH);
    dc.Clear();
    dc.SetFont(LltSmallFont());
    dc.DrawText(title, x, y);
}

void DrawCirculationPlot(wxDC& dc, const LltSolver& s, double inputMode) {
    DrawOn(dc, PaintCirculationPlot, s, inputMode);
}

void DrawCirculationHandles(wxDC& dc, const LltSolver& s, double inputMode) {
    DrawOn(dc, PaintCirculationHandles, s, inputMode);
}

void DrawChordPlot(wxDC& dc, const LltSolver& s, LltChordPlotLayout layout) {
    DrawOn(dc, PaintChordPlot, s, layout);
}

void DrawChordHandles(wxDC& dc, double b, double s1, double s2, double s3, double cA, double cB,
                      double cC, double cD) {
    DrawOn(dc, PaintChordHandles, b, s1, s2, s3, cA, cB, cC, cD);
}

void DrawTwistPlot(wxDC& dc, const LltSolver& s) { DrawOn(dc, PaintTwistPlot, s); }

void DrawTwistHandles(wxDC& dc, double alphaA, double deltaB, double deltaC, double deltaD,
                      double s1, double s2, double s3) {
    DrawOn(dc, PaintTwistHandles, alphaA, deltaB, deltaC, deltaD, s1, s2, s3);
}

void DrawTwistResultPlot(wxDC& dc, const LltSolver& s, double twistScaling) {
    DrawOn(dc, PaintTwistResultPlot, s, twistScaling);
}

void DrawChordResultPlot(wxDC& dc, const LltSolver& s, double chordScaling) {
    DrawOn(dc, PaintChordResultPlot, s, chordScaling);
}

void DrawCirculationLiftPlot(wxDC& dc, const LltSolver& s) {
    DrawOn(dc, PaintCirculationLiftPlot, s);
}

void DrawResultsCirculationLiftPlot(wxDC& dc, const LltSolver& s) {
    DrawOn(dc, PaintResultsCirculationLiftPlot, s);
}
