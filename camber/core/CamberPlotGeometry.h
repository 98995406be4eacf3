#pragma once
// Pixel geometry of the thin-airfoil plots (330 x 260 pixels, origin at the canvas's top-left
// corner): curve stepping with its clip bands, the free-stream arrow and the point markers.
// The drawing routines only turn these numbers into lines.

#include <optional>
#include <vector>

#include "camber/core/CamberThreePoints.h"

struct CamberPixel {
    int x = 0;
    int y = 0;
    bool operator==(const CamberPixel& o) const { return x == o.x && y == o.y; }
};

struct CamberSegment {
    CamberPixel from;
    CamberPixel to;
    int side = 0;  // pressure curves: 0 upper side, 1 lower side; camber curves: 0
};
using CamberSegments = std::vector<CamberSegment>;

// A computed coordinate as a pixel, truncated towards zero; nothing when it is not finite or
// lies beyond +-32767 pixels, where the toolkit's coordinates end.
std::optional<int> CamberToPixel(double value);

// Plot mappings.
inline double CamberPixelX(double x) { return 60.0 + 200.0 * x; }
inline double CamberPixelZ(double z) { return 160.0 - 1000.0 * z; }
inline double CamberPixelCp(double cp) { return 160.0 + 40.0 * cp; }

// The curves as the plots draw them, in drawing order.
CamberSegments CamberApproxPressureSegments(double A0, double A1, double A2);
CamberSegments CamberExactPressureSegments(double A0, double A1, double m, double p);
CamberSegments CamberNacaLineSegments(double m, double p);
CamberSegments CamberBirnbaumLineSegments(double A0, double A1, double A2, double alpha);
CamberSegments CamberBirnbaumShiftedSegments(double A0, double A1, double A2, double alpha);

// The free-stream arrow "U", drawn at three times the angle alpha [rad].
struct CamberArrow {
    CamberPixel referenceFrom{50, 160};  // dotted chord direction ahead of the leading edge
    CamberPixel referenceTo{10, 160};
    CamberPixel tip{50, 160};
    CamberPixel tail;
    CamberPixel label;  // top-left corner of "U"
    // Angle arc around the tip through (20,160), counter-clockwise from arcFrom to arcTo.
    bool hasArc = false;
    CamberPixel arcFrom;
    CamberPixel arcTo;
    CamberPixel head1;
    CamberPixel head2;
};
CamberArrow CamberFreeStreamArrow(double alpha);

// Top-left corner of a point's 4 x 4 marker, nothing when it would lie off any canvas.
std::optional<CamberPixel> CamberLineMarker(const CamberPoint& point);
std::optional<CamberPixel> CamberPressureMarker(const CamberPoint& point);
