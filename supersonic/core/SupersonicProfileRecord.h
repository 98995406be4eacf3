#pragma once
// What a supersonic profile holds: free stream, its two curve parts, the profile on the chord grid
// x = i/190 and the results of the linearised and the shock-expansion theory. The theories read
// and write this record; SupersonicProfile adds the computation that builds and runs them.

#include <vector>

#include "supersonic/core/SupersonicCurve.h"

// One row of the pressure table. Row 0 and the last row repeat their neighbour's cp so that the
// table spans x = 0 to 1.
struct SupersonicResultRow {
    double xLinear = 0.0;
    double cpUpperLinear = 0.0;
    double cpLowerLinear = 0.0;
    double xShockExpansion = 0.0;
    double cpUpperShockExpansion = 0.0;
    double cpLowerShockExpansion = 0.0;
};

class SupersonicProfileRecord {
  public:
    static constexpr int kGridPoints = 191;
    static constexpr int kSupportSlots = 6;

    bool partsMode;
    int pointCount = kGridPoints;
    double mach = 0.0;
    double alpha = 0.0;  // alpha* [deg]
    double kappa = 0.0;
    double linDragAlphaCamber = 0.0;
    double linDragThickness = 0.0;
    double linMoment = 0.0;  // about the leading edge, nose-up positive
    double linLift = 0.0;
    double linPressurePoint = 0.0;  // kept when the lift is 0
    double seDrag = 0.0;
    double seMoment = 0.0;
    double seLift = 0.0;
    double sePressurePoint = 0.0;
    bool subsonic = false;  // the last shock-expansion run met subsonic flow behind a shock
    SupersonicCurve part1;
    SupersonicCurve part2;
    std::vector<SupersonicPoint> camberLine;
    std::vector<SupersonicPoint> thickness;  // half thickness
    std::vector<SupersonicPoint> upper;
    std::vector<SupersonicPoint> lower;
    std::vector<SupersonicResultRow> rows;  // pointCount + 1 rows

  protected:
    // Parts mode: part1 is the camber part (curved, Lagrange), part2 the thickness part
    // (straight lines). Contour mode: part1 the upper and part2 the lower contour, both splines.
    SupersonicProfileRecord(bool partsMode, int part1PointCount, int part2PointCount);
};
