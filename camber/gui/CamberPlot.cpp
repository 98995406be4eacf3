#include "camber/gui/CamberPlot.h"

#include <wx/dc.h>
#include <wx/font.h>
#include <wx/pen.h>

#include "camber/core/CamberPlotGeometry.h"

namespace {

// The axis labels' 8-point Swiss font; created once the toolkit runs.
const wxFont& SmallFont() {
    static const wxFont font(wxFontInfo(8).Family(wxFONTFAMILY_SWISS));
    return font;
}

void DrawSegments(wxDC& dc, const CamberSegments& segments) {
    for (const CamberSegment& s : segments) dc.DrawLine(s.from.x, s.from.y, s.to.x, s.to.y);
}

// Frame, arrow heads, ticks and x labels shared by both plots, drawn with the current pen.
void DrawAxisFrame(wxDC& dc) {
    dc.DrawLine(60, 60, 60, 200);
    dc.DrawLine(57, 160, 280, 160);
    dc.DrawLine(60, 60, 55, 65);
    dc.DrawLine(60, 60, 65, 65);
    dc.DrawLine(280, 160, 275, 155);
    dc.DrawLine(280, 160, 275, 165);
    for (int y : {80, 100, 120, 140, 180}) dc.DrawLine(57, y, 63, y);
    for (int x = 80; x <= 260; x += 20) dc.DrawLine(x, 157, x, 163);
    dc.SetFont(SmallFont());
    dc.SetTextBackground(*wxWHITE);
    dc.DrawText(wxS("0.5"), 153, 164);
    dc.DrawText(wxS("1.0"), 253, 164);
}

// x/t, written as "x" over a bar.
void DrawChordName(wxDC& dc) {
    dc.DrawText(wxS("x"), 292, 153);
    dc.DrawLine(292, 155, 297, 155);
}

}  // namespace

void DrawPressureAxes(wxDC& dc) {
    dc.SetPen(*wxBLACK_PEN);
    DrawAxisFrame(dc);
    dc.DrawText(wxS("-1.0"), 35, 113);
    dc.DrawText(wxS("-2.0"), 35, 73);
    dc.DrawText(wxS("+0.5"), 35, 173);
    dc.DrawText(wxS("c"), 55, 38);
    dc.DrawText(wxS("p"), 61, 41);
    DrawChordName(dc);
    dc.DrawText(wxS("Druckverteilung auf Ober- und Unterseite"), 80, 15);
}

void DrawCamberAxes(wxDC& dc) {
    // Drawn with the context's pen: every caller starts on a fresh context, whose pen is black.
    DrawAxisFrame(dc);
    dc.DrawText(wxS("0.04"), 35, 113);
    dc.DrawText(wxS("0.08"), 35, 73);
    dc.DrawText(wxS("-0.02"), 30, 173);
    dc.DrawText(wxS("z"), 59, 42);
    dc.DrawLine(59, 44, 64, 44);
    DrawChordName(dc);
    dc.DrawText(wxS("Skelettlinie"), 140, 15);
}

void DrawExactPressure(wxDC& dc, double A0, double A1, double m, double p) {
    dc.SetPen(*wxGREY_PEN);
    DrawSegments(dc, CamberExactPressureSegments(A0, A1, m, p));
}

void DrawApproxPressure(wxDC& dc, double A0, double A1, double A2) {
    dc.SetPen(*wxRED_PEN);
    DrawSegments(dc, CamberApproxPressureSegments(A0, A1, A2));
}

void DrawNacaCamberLine(wxDC& dc, double m, double p) {
    dc.SetPen(*wxGREY_PEN);
    DrawSegments(dc, CamberNacaLineSegments(m, p));
}

void DrawBirnbaumCamberShifted(wxDC& dc, double A0, double A1, double A2, double alpha) {
    dc.SetPen(*wxRED_PEN);
    DrawSegments(dc, CamberBirnbaumShiftedSegments(A0, A1, A2, alpha));
}

void DrawBirnbaumCamberLine(wxDC& dc, double A0, double A1, double A2, double alpha) {
    dc.SetPen(*wxRED_PEN);
    DrawSegments(dc, CamberBirnbaumLineSegments(A0, A1, A2, alpha));
}

void DrawFreeStreamArrow(wxDC& dc, double alpha) {
    const CamberArrow a = CamberFreeStreamArrow(alpha);
    const wxColour blue(wxS("blue"));
    // One pixel wide: a pen of width 0 would be a hairline of a tenth of a pixel in cairo.
    dc.SetPen(wxPen(blue, 1, wxPENSTYLE_DOT));
    dc.DrawLine(a.referenceFrom.x, a.referenceFrom.y, a.referenceTo.x, a.referenceTo.y);
    dc.SetPen(wxPen(blue, 1, wxPENSTYLE_SOLID));
    dc.DrawLine(a.tip.x, a.tip.y, a.tail.x, a.tail.y);
    dc.SetTextForeground(*wxBLUE);
    dc.DrawText(wxS("U"), a.label.x, a.label.y);
    if (a.hasArc) {
        // Only the outline; the context's brush stays as the caller left it.
        const wxBrush brush = dc.GetBrush();
        dc.SetBrush(*wxTRANSPARENT_BRUSH);
        dc.DrawArc(a.arcFrom.x, a.arcFrom.y, a.arcTo.x, a.arcTo.y, a.tip.x, a.tip.y);
        dc.SetBrush(brush);
    }
    dc.DrawLine(a.tip.x, a.tip.y, a.head1.x, a.head1.y);
    dc.DrawLine(a.tip.x, a.tip.y, a.head2.x, a.head2.y);
}
