#pragma once
// Thin-airfoil (camber-line) theory: the Birnbaum (Glauert) coefficients of a NACA four-digit
// camber line, the result quantities shown by every task window, and the exact series of the
// NACA line's pressure difference. Plain numerics, no window.

#include <array>

// The method's constants exactly as written: pi is the literal 3.14159265359 and the other
// values are derived from it, so that the shown results keep their last digits.
constexpr double kCamberPi = 3.14159265359;
constexpr double kCamberHalfPi = 1.570796326795;
constexpr double kCamberQuarterPi = 0.7853981633975;
constexpr double kCamberOneOverPi = 0.3183098861837697;
constexpr double kCamberTwoOverPi = 0.6366197723675394;
constexpr double kCamberDegPerRad = 57.29577951307855;
constexpr double kCamberRadPerDeg = 0.017453292519944444;

// Camber-line terms of a NACA four-digit line after the flat-plate rule. m and p are the
// fractions of the chord actually used (a position of exactly 0 becomes the flat plate m = 0,
// p = 0.1), I is the camber integral that A0 = alpha - I needs.
struct CamberNacaTerms {
    double m = 0.0;
    double p = 0.1;
    double I = 0.0;
    double A1 = 0.0;
    double A2 = 0.0;  // negative for a positively cambered line
};

// m: camber, p: camber position, both as fractions of the chord (0.02 and 0.4 for NACA 2412).
CamberNacaTerms CamberNacaLineTerms(double m, double p);

// The three coefficients and the angle of one state of a task.
struct CamberState {
    double A0 = 0.0;
    double A1 = 0.0;
    double A2 = 0.0;
    double alpha = 0.0;     // radians
    double alphaDeg = 0.0;  // degrees, as shown in the alpha* label
};

// Angle given (degrees).
CamberState CamberNacaFromAngle(const CamberNacaTerms& terms, double alphaDeg);
// Lift coefficient given: the angle that gives it.
CamberState CamberNacaFromLift(const CamberNacaTerms& terms, double ca);

// The twelve results in the order of the labels.
enum CamberResultIndex {
    kResultA0,
    kResultA1,
    kResultA2,
    kResultIncidence,  // alpha_0 [deg]
    kResultCamber,     // f/t
    kResultSShape,     // alpha_2 [deg]
    kResultAlpha,      // alpha* [deg]
    kResultCa,
    kResultCm,
    kResultCm025,
    kResultZeroLift,       // alpha0 [deg]
    kResultPressurePoint,  // xA/t; not finite when Ca is 0
    kResultCount
};
using CamberResults = std::array<double, kResultCount>;

CamberResults CamberComputeResults(const CamberState& state);

// Exact Birnbaum series of a NACA four-digit line (coefficients B_n, n = 2 .. 100). B_2 equals
// the A2 of CamberNacaLineTerms for the same m and p.
class CamberExactSeries {
  public:
    static constexpr int kLastTerm = 100;
    CamberExactSeries(double m, double p);
    double Coefficient(int n) const { return b_[n]; }
    // t(x) = A0 tan(theta/2) + A1 sin(theta) + sum B_n sin(n theta), theta = arccos(2x - 1):
    // half the pressure difference between lower and upper side.
    double Value(double x, double A0, double A1) const;

  private:
    std::array<double, kLastTerm + 1> b_{};
};

// Three-term pressure difference h(x) = 2 (A0 tan(theta/2) + A1 sin(theta) + A2 sin(2 theta));
// the upper side has cp = -h, the lower side cp = +h. Unbounded at x = 0.
double CamberApproxPressure(double x, double A0, double A1, double A2);

// Camber line of the three normal modes for c0 = A0 - alpha.
double CamberBirnbaumZ(double x, double A0, double A1, double A2, double alpha);

// Its value at the trailing edge, by which the shifted line is moved.
double CamberBirnbaumTrailingEdgeShift(double A2);
