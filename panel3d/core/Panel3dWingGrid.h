#pragma once
// Geometry of the interactive panel wing: NACA four-digit sections that vary from root to tip,
// the spanwise stations and chordwise fractions of its grid, and the flap zones. Pure functions,
// so that each step can be checked on its own; Panel3dModel::GenerateWingGrid puts them together.

#include <vector>

#include "panel3d/core/Panel3dVector.h"

// The planform and section inputs of the right half wing (lengths in metres, angles in degrees,
// section values in per cent of the local chord).
struct Panel3dWingShape {
    double halfSpan = 0;
    double rootChord = 0;
    double tipChord = 0;
    double leadingEdgeSweep = 0;
    double quarterChordSweep = 0;
    double rootCamber = 0;
    double tipCamber = 0;
    double rootCamberPosition = 0;
    double tipCamberPosition = 0;
    double rootThickness = 0;
    double tipThickness = 0;
};

// Mean-line height [m] at the global x of a point on the station y (0 <= y <= s). The camber
// maximum moves linearly in global x from root to tip, so its relative position at a station is
// the chord-weighted mean of the root and tip values.
double Panel3dNacaCamber(const Panel3dWingShape& shape, double x, double y);
// Half thickness [m] at the same point; the coefficient 0.1281 closes the trailing edge.
double Panel3dNacaThickness(const Panel3dWingShape& shape, double x, double y);

// x of the tip leading edge: s·tan(quarter-chord sweep) + (root chord - tip chord)/4.
double Panel3dTipLeadingEdgeX(const Panel3dWingShape& shape);

// Whole arc of the cosine spacing over a zone, asin(1/g - 1) + pi/2, for the spanwise grading g.
double Panel3dSpanwiseArc(double spanwiseGrading);
// The n + 1 stations of a zone of n strips that starts at y0 and runs length towards the root;
// the first is y0 itself, the last y0 - length up to rounding.
std::vector<double> Panel3dZoneStations(double y0, double length, double spanwiseGrading, int n);
// The n + 1 chordwise fractions 0 ... 1 of a cosine spacing with grading f (0.5: fine at both
// edges, 1: fine at the leading edge only).
std::vector<double> Panel3dChordFractions(double chordwiseGrading, int n);

// Strips per spanwise zone of the flap grid, from the root zone to the tip zone.
struct Panel3dFlapZones {
    int root = 0;
    int flap = 0;
    int tip = 0;
};
// M strips per half span; flap ends as fractions of the half span, in either order.
Panel3dFlapZones Panel3dFlapStripCounts(int spanPanels, double flapEndA, double flapEndB);
// Chordwise flap panels per section side for N panels and a hinge at the fraction x_h, kept
// between 1 and N - 1 so that at least one panel stays ahead of the hinge.
int Panel3dFlapPanelCount(int chordPanels, double hingePosition);
// The N + 1 chordwise fractions of the flap grid: N - nf panels up to the hinge and nf behind it,
// each part with the grading f; fraction N - nf is the hinge x_h exactly.
std::vector<double> Panel3dFlapChordFractions(double chordwiseGrading, int chordPanels,
                                              int flapPanels, double hingePosition);

// Rotation by an angle about an axis through a point (Rodrigues' formula).
class Panel3dAxisRotation {
  public:
    // origin: a point of the axis; unitAxis: its direction, of length 1; angle [rad], positive
    // counter-clockwise looking against the axis.
    Panel3dAxisRotation(const Panel3dVector& origin, const Panel3dVector& unitAxis, double angle);
    Panel3dVector Apply(const Panel3dVector& p) const;

  private:
    Panel3dVector origin_;
    double r_[3][3];
};

// Point B(t) of the Bézier curve over the control points C_0 ... C_n, with the binomial
// coefficients summed exactly in Pascal's triangle (no factorials that overflow).
Panel3dVector Panel3dBezierPoint(const std::vector<Panel3dVector>& controls, double t);
