#pragma once
// The numerics of the supersonic method: curve construction, resampling onto the chord grid,
// linearised theory and shock-expansion theory. The class holds no data; the windows keep one
// instance, and every operation takes what it works on as an argument.

#include <array>
#include <vector>

#include "supersonic/SupersonicProfile.h"

// Result of an iterative search with the number of function evaluations it took.
struct SupersonicSearch {
    double value = 0.0;
    int evaluations = 0;
};

class SupersonicSolver {
  public:
    // Every search gives up after this many evaluations.
    static constexpr int kMaxEvaluations = 1000;
    static constexpr double kDegToRad = 0.017453292519944444;
    static constexpr double kRadToDeg = 57.29577951307855;

    using GaussMatrix = std::array<std::array<double, 8>, 7>;

    // ---- curve construction ----
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
    // The six coefficients of a camber line on the uniform grid; alpha in degrees.
    static void BirnbaumCoefficients(SupersonicCurve& camber, double alphaDegrees);
    // Camber line from the coefficients; sets alpha* [deg] = A0 - A2/3 in degrees.
    static void BirnbaumCamber(SupersonicCurve& camber, double& alphaDegrees);

    // Puts a polyline onto x = i/(targetCount - 1). A source already on that grid is copied;
    // grid points that no source segment covers keep their z.
    static void ResampleCurve(const std::vector<SupersonicPoint>& source, int sourceCount,
                              std::vector<SupersonicPoint>& target, int targetCount);

    // ---- theories ----
    static void LinearTheory(SupersonicProfile& profile);
    static void ShockExpansion(SupersonicProfile& profile);

    // Wave angle [deg] of the weak oblique shock that turns the flow by delta [deg]; delta at
    // most MaxDeflection (a larger one gives the wave angle of the largest deflection).
    static double ShockAngle(double mach, double kappa, double deltaDegrees);
    static SupersonicSearch ShockAngleSearch(double mach, double kappa, double deltaDegrees);
    // Largest deflection [deg] with an attached shock.
    static double MaxDeflection(double mach, double kappa);
    // Prandtl-Meyer angle [rad].
    static double PrandtlMeyer(double mach, double kappa);
    // Mach number behind an expansion to the Prandtl-Meyer angle nuTarget [rad], to 1e-12 rad,
    // between the upstream Mach number and mach + 10, where it ends when the target lies beyond.
    static SupersonicSearch ExpansionSearch(double mach, double kappa, double nuTarget);
};
