#pragma once
// The two interactive tasks of the thin-airfoil theory: three points fix the three Birnbaum
// coefficients, either as samples of the camber line or of the upper-side pressure. The 3 x 3
// systems are solved by Cramer's rule; a drag moves at most one point, the one its press picked.

#include <array>

// One point of a task: the chord position x/t and the value there (z/t or cp).
struct CamberPoint {
    double x = 0.0;
    double v = 0.0;
};
using CamberPointSet = std::array<CamberPoint, 3>;

// Points of the camber line of NACA 2412 at 5 degrees (x = 0.2, 0.4, 0.7), to six decimals.
inline constexpr CamberPointSet kDefaultCamberPoints = {
    {{0.2, 0.010295}, {0.4, 0.015902}, {0.7, 0.010979}}};
// Upper-side pressure of the same line at the same angle (x = 0.2, 0.5, 0.8).
inline constexpr CamberPointSet kDefaultPressurePoints = {
    {{0.2, -0.488101}, {0.5, -0.328538}, {0.8, -0.1865529}}};
// The angle [rad] at which the default pressure points were taken.
inline constexpr double kDefaultPointsAngle = 0.087267;

// Coefficients of z(x) = c0 (1 - x) + A1 x (1 - x) - A2 x (1 - 4x + 8/3 x^2); A0 = c0 + alpha.
struct CamberLineSolution {
    double c0 = 0.0;
    double A1 = 0.0;
    double A2 = 0.0;
};
CamberLineSolution CamberSolveLinePoints(const CamberPointSet& points);

// Coefficients of the upper-side pressure p(x) = -CamberApproxPressure(x, A0, A1, A2).
struct CamberPressureSolution {
    double A0 = 0.0;  // A0_p: the A0 that puts the points on the curve
    double A1 = 0.0;
    double A2 = 0.0;
};
CamberPressureSolution CamberSolvePressurePoints(const CamberPointSet& points);

// Upper-side pressure coefficient at x.
double CamberUpperPressure(double x, double A0, double A1, double A2);

// Smallest distance in x that two points may keep: half a pixel of the plots. Two points in
// one column would make the system singular.
inline constexpr double kCamberMinPointGap = 0.0025;

// A drag: the press at the plot values (x, value) picks the first point whose column lies
// within 10 pixels of x, if the value lies within the plot's range and close enough to the
// point (camber line: 6 pixels either side; pressure: 4 pixels above to 8 below); -1 when it
// picks none. Until the release the picked point follows the pointer: each motion with a button
// held moves it to (x, value) while x lies on the chord and no other point keeps that column, a
// value beyond the plot's range stopping at its edge; true when it moved.
int CamberPickLinePoint(const CamberPointSet& points, double x, double z);
bool CamberMoveLinePoint(CamberPointSet& points, int k, double x, double z);
int CamberPickPressurePoint(const CamberPointSet& points, double x, double p);
bool CamberMovePressurePoint(CamberPointSet& points, int k, double x, double p);
