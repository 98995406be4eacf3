#pragma once
// Independent references for the supersonic tests: the oblique-shock, Prandtl-Meyer and
// isentropic relations in their textbook forms, each solved by plain bisection or golden-section
// search, and the exact two-wave flat plate and four-face diamond built from them.

#include <cmath>
#include <vector>

namespace supersonic_test {

constexpr double kPi = 3.14159265358979323846;
inline double Rad(double deg) { return deg * kPi / 180.0; }
inline double Deg(double rad) { return rad * 180.0 / kPi; }

// theta-beta-M relation: tan(theta) = 2 cot(beta) (M² sin²beta - 1) / (M² (g + cos 2 beta) + 2).
inline double TanDeflection(double mach, double gamma, double beta) {
    const double s = std::sin(beta);
    return 2.0 / std::tan(beta) * (mach * mach * s * s - 1.0) /
           (mach * mach * (gamma + std::cos(2.0 * beta)) + 2.0);
}

// Wave angle [rad] of the largest deflection by golden-section search between the Mach angle and
// 90 degrees.
inline double MaxDeflectionWaveAngle(double mach, double gamma) {
    double a = std::asin(1.0 / mach);
    double b = kPi / 2.0;
    const double r = (std::sqrt(5.0) - 1.0) / 2.0;
    for (int i = 0; i < 200 && b - a > 1e-15; ++i) {
        const double c = b - r * (b - a);
        const double d = a + r * (b - a);
        if (TanDeflection(mach, gamma, c) > TanDeflection(mach, gamma, d)) {
            b = d;
        } else {
            a = c;
        }
    }
    return 0.5 * (a + b);
}

inline double MaxDeflectionDeg(double mach, double gamma) {
    return Deg(std::atan(TanDeflection(mach, gamma, MaxDeflectionWaveAngle(mach, gamma))));
}

// Weak-shock wave angle [deg] by bisection below the wave angle of the largest deflection.
inline double WeakShockAngleDeg(double mach, double gamma, double deltaDeg) {
    double lo = std::asin(1.0 / mach);
    double hi = MaxDeflectionWaveAngle(mach, gamma);
    const double t = std::tan(Rad(deltaDeg));
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (TanDeflection(mach, gamma, mid) > t ? hi : lo) = mid;
    }
    return Deg(0.5 * (lo + hi));
}

// Prandtl-Meyer function [rad] in the textbook arrangement.
inline double PrandtlMeyer(double mach, double gamma) {
    const double r = std::sqrt((gamma + 1.0) / (gamma - 1.0));
    return r * std::atan(std::sqrt((mach * mach - 1.0) / (r * r))) -
           std::atan(std::sqrt(mach * mach - 1.0));
}

inline double MachFromPrandtlMeyer(double nu, double gamma) {
    double lo = 1.0;
    double hi = 1000.0;
    for (int i = 0; i < 200; ++i) {
        const double mid = 0.5 * (lo + hi);
        (PrandtlMeyer(mid, gamma) > nu ? hi : lo) = mid;
    }
    return 0.5 * (lo + hi);
}

// Static over total pressure.
inline double IsentropicPressure(double mach, double gamma) {
    return std::pow(1.0 + 0.5 * (gamma - 1.0) * mach * mach, -gamma / (gamma - 1.0));
}

// State of the flow along a surface: Mach number and pressure over free-stream pressure.
struct Flow {
    double mach;
    double pressure;
};

// The flow after a turn of delta degrees into itself (> 0: attached oblique shock) or away from
// itself (< 0: Prandtl-Meyer expansion).
inline Flow Turn(Flow in, double deltaDeg, double gamma) {
    if (deltaDeg == 0.0) return in;
    if (deltaDeg > 0.0) {
        const double beta = Rad(WeakShockAngleDeg(in.mach, gamma, deltaDeg));
        const double mn1 = in.mach * std::sin(beta);
        const double ratio = (2.0 * gamma * mn1 * mn1 - (gamma - 1.0)) / (gamma + 1.0);
        const double mn2sq =
            (mn1 * mn1 * (gamma - 1.0) + 2.0) / (2.0 * gamma * mn1 * mn1 - (gamma - 1.0));
        const double mach2 = std::sqrt(mn2sq) / std::sin(beta - Rad(deltaDeg));
        return {mach2, in.pressure * ratio};
    }
    const double mach2 = MachFromPrandtlMeyer(PrandtlMeyer(in.mach, gamma) + Rad(-deltaDeg), gamma);
    return {mach2,
            in.pressure * IsentropicPressure(mach2, gamma) / IsentropicPressure(in.mach, gamma)};
}

// Coefficients of a profile of straight faces. Each face: its x range, its inclination against
// the chord (degrees, positive when z grows with x) and its upper or lower side, with its pressure.
struct Face {
    double x0;
    double x1;
    double slopeDeg;
    bool upper;
    double pressure;
};

struct Coefficients {
    double lift = 0.0;
    double drag = 0.0;
    double moment = 0.0;  // about the leading edge, nose-up positive
};

// Pressure forces across and along the free stream, and the moment of the chordwise cp.
inline Coefficients Integrate(const std::vector<Face>& faces, double mach, double gamma,
                              double alphaDeg) {
    const double q = 0.5 * gamma * mach * mach;
    const double a = Rad(alphaDeg);
    Coefficients c;
    for (const Face& f : faces) {
        const double width = f.x1 - f.x0;
        const double s = std::tan(Rad(f.slopeDeg));
        // Force on the face per unit span: pressure times the outward normal times its length;
        // upper normal (-s, 1) for a face z = s x, lower normal (s, -1).
        const double nx = f.upper ? -s * width : s * width;
        const double nz = f.upper ? width : -width;
        const double fx = -f.pressure * nx;  // force along the chord
        const double fz = -f.pressure * nz;  // force normal to the chord
        c.drag += fx * std::cos(a) + fz * std::sin(a);
        c.lift += fz * std::cos(a) - fx * std::sin(a);
        const double cp = (f.pressure - 1.0) / q;
        const double xMoment = 0.5 * (f.x1 * f.x1 - f.x0 * f.x0);
        c.moment += (f.upper ? 1.0 : -1.0) * cp * xMoment;
    }
    c.lift /= q;
    c.drag /= q;
    return c;
}

}  // namespace supersonic_test
