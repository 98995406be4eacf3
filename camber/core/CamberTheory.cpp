#include "camber/core/CamberTheory.h"

#include <cmath>

CamberNacaTerms CamberNacaLineTerms(double m, double p) {
    // A position of 0 would divide by p: it stands for the flat plate.
    if (p == 0.0) {
        m = 0.0;
        p = 0.1;
    }
    CamberNacaTerms t;
    t.m = m;
    t.p = p;
    const double u = 2.0 * p - 1.0;
    const double phi = std::acos(u);
    const double K = m / std::pow(1.0 - p, 2.0) - m / std::pow(p, 2.0);
    t.I = kCamberOneOverPi * (K * (u * phi - std::sin(phi)) + u * m * kCamberPi / std::pow(p, 2.0));
    t.A1 = -kCamberTwoOverPi *
           (K * (u * std::sin(phi) - phi * 0.5 - std::sin(phi) * std::cos(phi) * 0.5) -
            m * kCamberHalfPi / std::pow(p, 2.0));
    t.A2 =
        -kCamberTwoOverPi * K *
        (u * std::sin(2.0 * phi) * 0.5 + std::sin(-phi) * 0.5 - std::sin(3.0 * phi) * (1.0 / 6.0));
    return t;
}

CamberState CamberNacaFromAngle(const CamberNacaTerms& terms, double alphaDeg) {
    CamberState s;
    s.alphaDeg = alphaDeg;
    s.alpha = alphaDeg * kCamberRadPerDeg;
    s.A0 = s.alpha - terms.I;
    s.A1 = terms.A1;
    s.A2 = terms.A2;
    return s;
}

CamberState CamberNacaFromLift(const CamberNacaTerms& terms, double ca) {
    CamberState s;
    s.A1 = terms.A1;
    s.A2 = terms.A2;
    s.A0 = (ca * kCamberOneOverPi - terms.A1) * 0.5;
    s.alphaDeg = (s.A0 + terms.I) * kCamberDegPerRad;
    s.alpha = s.alphaDeg * kCamberRadPerDeg;
    return s;
}

CamberResults CamberComputeResults(const CamberState& s) {
    const double A0 = s.A0;
    const double A1 = s.A1;
    const double A2 = s.A2;
    CamberResults r{};
    r[kResultA0] = A0;
    r[kResultA1] = A1;
    r[kResultA2] = A2;
    r[kResultIncidence] = (A0 - s.alpha) * kCamberDegPerRad;
    r[kResultCamber] = A1 * 0.25;
    r[kResultSShape] = A2 * (1.0 / 3.0) * (-kCamberDegPerRad);
    r[kResultAlpha] = s.alphaDeg;
    const double ca = (2.0 * A0 + A1) * kCamberPi;
    r[kResultCa] = ca;
    const double cm = (2.0 * A0 + 2.0 * A1 + A2) * (-kCamberQuarterPi);
    r[kResultCm] = cm;
    r[kResultCm025] = (2.0 * A0 + A1) * kCamberQuarterPi + cm;
    r[kResultZeroLift] = (-(A1 * 0.5) - (A0 - s.alpha)) * kCamberDegPerRad;
    // Ca = 0 leaves the pressure point undefined; the label shows that as "---".
    r[kResultPressurePoint] = (2.0 * A0 + 2.0 * A1 + A2) * kCamberQuarterPi / ca;
    return r;
}

CamberExactSeries::CamberExactSeries(double m, double p) {
    const double thetaP = std::acos(2.0 * p - 1.0);
    const double K = m / std::pow(1.0 - p, 2.0) - m / std::pow(p, 2.0);
    for (int n = 2; n <= kLastTerm; ++n) {
        b_[n] = -kCamberTwoOverPi * K *
                ((2.0 * p - 1.0) * std::sin(n * thetaP) / n -
                 std::sin((n - 1) * thetaP) / (2.0 * (n - 1)) -
                 std::sin((n + 1) * thetaP) / (2.0 * (n + 1)));
    }
}

double CamberExactSeries::Value(double x, double A0, double A1) const {
    const double theta = std::acos(2.0 * x - 1.0);
    double t = A0 * std::tan(theta * 0.5) + A1 * std::sin(theta);
    for (int n = 2; n <= kLastTerm; ++n) t += b_[n] * std::sin(n * theta);
    return t;
}

double CamberApproxPressure(double x, double A0, double A1, double A2) {
    const double root = std::sqrt(x * (1.0 - x));
    return 2.0 * A0 * std::sqrt((1.0 - x) / x) + 4.0 * A1 * root +
           8.0 * A2 * (2.0 * x - 1.0) * root;
}

double CamberBirnbaumZ(double x, double A0, double A1, double A2, double alpha) {
    const double c0 = A0 - alpha;
    return (1.0 - x) * (A1 * x + c0) - A2 * x * (1.0 - 4.0 * x + (8.0 / 3.0) * x * x);
}

double CamberBirnbaumTrailingEdgeShift(double A2) {
    // -A2 (1 - 4 + 8/3) as the double arithmetic gives it.
    return A2 * 0.3333333333333335;
}
