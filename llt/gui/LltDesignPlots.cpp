#include "llt/gui/LltDesignPlots.h"

#include "llt/gui/LltPlots.h"

void LltPaintDesignCirculation(wxDC& dc, const LltSolver& s, double circulationMode,
                               double heldScale) {
    LltStartPlot(dc, wxS("Zirkulationsverteilung"), 100, 10);
    DrawCirculationPlot(dc, s, circulationMode, heldScale);
    DrawCirculationHandles(dc, s, circulationMode, heldScale);
}

void LltPaintTwistDesignChord(wxDC& dc, const LltSolver& s, const LltTwistDesignInputs& in) {
    LltStartPlot(dc, wxS("Tiefenverteilung"), 115, 10);
    DrawChordPlot(dc, s, LltChordPlotLayout::TwistDesign);
    DrawChordHandles(dc, in.span, in.s1, in.s2, in.s3, in.chordA, in.chordB, in.chordC, in.chordD,
                     LltChordPlotLayout::TwistDesign);
}

void LltPaintTwistDesignTwist(wxDC& dc, const LltSolver& s, double twistScaling) {
    LltStartPlot(dc, wxS("Schränkungsverteilung"), 85, 17);
    DrawTwistResultPlot(dc, s, twistScaling);
}

void LltPaintChordDesignTwist(wxDC& dc, const LltSolver& s, double rootAngle,
                              const LltChordDesignInputs& in) {
    const luvo::PlotText& title = kLltChordDesignTwistTitle;
    LltStartPlot(dc, wxString::FromUTF8(title.text), static_cast<int>(title.x),
                 static_cast<int>(title.y));
    DrawTwistPlot(dc, s, title);
    DrawTwistHandles(dc, in.span, rootAngle, in.angleB, in.angleC, in.angleD, in.s1, in.s2, in.s3,
                     title);
}

void LltPaintChordDesignChord(wxDC& dc, const LltSolver& s, double chordScaling) {
    LltStartPlot(dc, wxS("Tiefenverteilung"), 115, 20);
    DrawChordResultPlot(dc, s, chordScaling);
}
