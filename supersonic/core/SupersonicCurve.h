#pragma once
// One curve part of a supersonic profile: up to four support points, the rule that joins them
// and the curve built from them. In the parts window the two parts are the camber line and the
// half thickness, in the contour window the upper and the lower contour.

#include <vector>

// A point in chord units: x from the leading edge (0) to the trailing edge (1), z upwards.
struct SupersonicPoint {
    double x = 0.0;
    double z = 0.0;
};

inline bool operator==(const SupersonicPoint& a, const SupersonicPoint& b) {
    return a.x == b.x && a.z == b.z;
}

class SupersonicCurve {
  public:
    // Allocates `capacity` support slots and coefficients and `pointCount` curve points, all 0.
    SupersonicCurve(int capacity, int pointCount, bool curved, bool lagrange);

    int capacity;
    int supportCount = 0;        // slots in use; set by the windows and the configuration reader
    int pointCount;              // 191, or the number of points read from a coordinate file
    bool curved;                 // false: straight lines between the support points
    double endCurvature0 = 0.0;  // spline end value at x = 0 (half the second derivative)
    double endCurvature1 = 0.0;  // spline end value at x = 1
    std::vector<SupersonicPoint> supportPoints;  // `capacity` slots
    std::vector<SupersonicPoint> points;         // `pointCount` points
    std::vector<double> coefficients;            // Birnbaum coefficients A0..A5
    bool coefficientMode = false;  // camber line from the coefficients, not the support points
    bool lagrange;                 // the curved rule is Lagrange interpolation
    bool rebuild = true;           // false: the points were read from a file and stay as read
};
