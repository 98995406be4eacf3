#pragma once
// The eight drawing routines of the thin-airfoil plots. Each draws into the device context it
// is given, whose origin is the canvas's top-left corner, with the fixed mapping of the plots
// (x/t: 60 + 200 x; z/t: 160 - 1000 z; cp: 160 + 40 cp). Angles in radians; m and p are
// fractions of the chord. Each leaves the pen, font and text colours it set on the context.

class wxDC;

void DrawPressureAxes(wxDC& dc);
void DrawCamberAxes(wxDC& dc);
// Grey: the exact pressure of a NACA four-digit line from its series up to n = 100.
void DrawExactPressure(wxDC& dc, double A0, double A1, double m, double p);
// Red: the pressure of the three coefficients.
void DrawApproxPressure(wxDC& dc, double A0, double A1, double A2);
// Grey: the NACA four-digit camber line.
void DrawNacaCamberLine(wxDC& dc, double m, double p);
// Red: the camber line of the three normal modes, moved so that its trailing edge lies on the
// x/t axis.
void DrawBirnbaumCamberShifted(wxDC& dc, double A0, double A1, double A2, double alpha);
// Red: the same line, unmoved.
void DrawBirnbaumCamberLine(wxDC& dc, double A0, double A1, double A2, double alpha);
// Blue: the free-stream arrow "U" at the leading edge, at three times the angle.
void DrawFreeStreamArrow(wxDC& dc, double alpha);
