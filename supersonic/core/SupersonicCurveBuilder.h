#pragma once
// The curve construction of the supersonic method: support points to curves, and curves onto the
// chord grid. The profile builds its curves with it; the theories work on the finished profile.

#include <array>
#include <vector>

#include "supersonic/core/SupersonicCurve.h"

class SupersonicCurveBuilder {
  public:
    static constexpr double kDegToRad = 0.017453292519944444;
    static constexpr double kRadToDeg = 57.29577951307855;

    using GaussMatrix = std::array<std::array<double, 8>, 7>;

    // Reorders the first `count` points by ascending x. Points of equal x collapse into one point
    // placed several times; x is expected within (-1, 2).
    static void SortByX(int count, std::vector<SupersonicPoint>& points);
    // Straight lines through the support points (and (0, 0), (1, 0) with ends), always 191 points.
    static void LinearCurve(int supportCount, const std::vector<SupersonicPoint>& support,
                            std::vector<SupersonicPoint>& target, bool withEnds);
    // One interpolation polynomial through the support points, in their stored order.
    static void LagrangeCurve(int supportCount, const std::vector<SupersonicPoint>& support,
                              int targetCount, std::vector<SupersonicPoint>& target, bool withEnds);
    // Cubic spline whose interior system is the natural spline's; the end values are half the
    // second derivative at x = 0 and x = 1.
    static void CurvatureSpline(int supportCount, const std::vector<SupersonicPoint>& support,
                                double endCurvature0, double endCurvature1, double targetCount,
                                std::vector<SupersonicPoint>& target, bool withEnds);
    // Gauss elimination with partial pivoting on an n x (n+1) augmented matrix, n <= 7. False
    // when a pivot is below 0.001 (the last one is not tested for n >= 2); the solution is then
    // left as it was.
    static bool GaussSolve(GaussMatrix& matrix, int n, double* solution);
    // Builds the curve's `points` from its support points by its rule: the coefficient series
    // (the curve is then the camber part, and the angle of attack is an output), straight lines,
    // Lagrange interpolation followed by the coefficients (reads the angle of attack), or the
    // curvature spline. `alphaDegrees` is the profile's angle of attack.
    static void Build(SupersonicCurve& curve, double& alphaDegrees);
    // The six coefficients of a camber line on the uniform grid; alpha in degrees.
    static void BirnbaumCoefficients(SupersonicCurve& camber, double alphaDegrees);
    // Camber line from the coefficients; sets alpha* [deg] = A0 - A2/3 in degrees.
    static void BirnbaumCamber(SupersonicCurve& camber, double& alphaDegrees);

    // Puts a polyline onto x = i/(targetCount - 1). A source already on that grid is copied;
    // grid points that no source segment covers keep their z.
    static void ResampleCurve(const std::vector<SupersonicPoint>& source, int sourceCount,
                              std::vector<SupersonicPoint>& target, int targetCount);
};
