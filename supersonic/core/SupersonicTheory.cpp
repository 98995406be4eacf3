// Linearised and shock-expansion theory of the supersonic method, with the oblique-shock and
// Prandtl-Meyer relations they use.

#include <algorithm>
#include <cmath>
#include <limits>

#include "supersonic/core/SupersonicSolver.h"

namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// tan of the deflection behind an oblique shock of wave angle beta [deg].
double DeflectionTangent(double mach, double kappa, double betaDegrees) {
    const double beta = betaDegrees * SupersonicSolver::kDegToRad;
    const double s2 = std::sin(beta) * std::sin(beta);
    return (mach * mach * s2 - 1.0) / std::tan(beta) /
           (1.0 + mach * mach * ((kappa + 1.0) / 2.0 - s2));
}

// Wave angle [deg] of the largest deflection: where d(tan delta)/d(beta) vanishes.
double MaxDeflectionWaveAngle(double mach, double kappa) {
    const double m2 = mach * mach;
    const double root =
        std::sqrt((kappa + 1.0) * ((kappa + 1.0) * m2 * m2 + 8.0 * (kappa - 1.0) * m2 + 16.0));
    const double s2 = ((kappa + 1.0) * m2 - 4.0 + root) / (4.0 * kappa * m2);
    return std::asin(std::sqrt(std::clamp(s2, 0.0, 1.0))) * SupersonicSolver::kRadToDeg;
}

bool SupersonicInputs(double mach, double kappa) {
    return std::isfinite(mach) && std::isfinite(kappa) && mach > 1.0 && kappa > 1.0;
}

// Row 0 (x = 0) and row n (x = 1) of one theory's columns repeat the cp of their neighbours, so
// that the table spans the chord.
void CloseTableEnds(std::vector<SupersonicResultRow>& rows, int n, double SupersonicResultRow::*x,
                    double SupersonicResultRow::*cpUpper, double SupersonicResultRow::*cpLower) {
    rows[0].*x = 0.0;
    rows[0].*cpUpper = rows[1].*cpUpper;
    rows[0].*cpLower = rows[1].*cpLower;
    rows[n].*x = 1.0;
    rows[n].*cpUpper = rows[n - 1].*cpUpper;
    rows[n].*cpLower = rows[n - 1].*cpLower;
}

// The flow state along one surface and the panels' pressure ratios.
struct SurfaceMarch {
    std::vector<double> pressure;
    bool subsonic = false;
};

// Follows one surface panel by panel from the leading edge; sign +1 the upper, -1 the lower
// surface. Adds the panels' forces to drag and lift (upward for the lower surface, downward for
// the upper).
SurfaceMarch MarchSurface(const SupersonicProfileRecord& profile,
                          const std::vector<SupersonicPoint>& z, double sign, double& drag,
                          double& lift) {
    const int n = profile.pointCount;
    const double dx = 1.0 / (n - 1);
    const double a = profile.alpha;
    const double kappa = profile.kappa;
    SurfaceMarch march;
    march.pressure.assign(n - 1, 0.0);
    double mach = profile.mach;
    double p = 1.0;
    double thetaPrev = sign * a;
    for (int i = 0; i + 1 < n; ++i) {
        const double slope = (z[i + 1].z - z[i].z) / dx;
        const double theta = sign * std::atan(slope) * SupersonicSolver::kRadToDeg;
        const double delta = theta - thetaPrev;
        double mach2 = mach;
        double p2 = p;
        if (std::fabs(delta) < 1e-3) {
            // A turn this small leaves the flow as it is.
        } else if (delta > 0.0) {
            const double m2 = mach * mach;
            if (delta <= SupersonicSolver::MaxDeflection(mach, kappa)) {
                const double beta = SupersonicSolver::ShockAngle(mach, kappa, delta);
                const double mn1 = mach * std::sin(beta * SupersonicSolver::kDegToRad);
                p2 = p * (1.0 + 2.0 * kappa / (kappa + 1.0) * (mn1 * mn1 - 1.0));
                const double mn2 = std::sqrt((1.0 + (kappa - 1.0) / 2.0 * mn1 * mn1) /
                                             (kappa * mn1 * mn1 - (kappa - 1.0) / 2.0));
                mach2 = mn2 / std::sin((beta - delta) * SupersonicSolver::kDegToRad);
            } else {
                p2 = p * (1.0 + 2.0 * kappa / (kappa + 1.0) * (m2 - 1.0));
                mach2 = std::sqrt((1.0 + (kappa - 1.0) / (kappa + 1.0) * (m2 - 1.0)) /
                                  (1.0 + 2.0 * kappa / (kappa + 1.0) * (m2 - 1.0)));
            }
            if (mach2 < 1.0) {
                march.subsonic = true;
                return march;
            }
        } else {
            const double nuTarget = SupersonicSolver::PrandtlMeyer(mach, kappa) +
                                    (thetaPrev - theta) * SupersonicSolver::kDegToRad;
            mach2 = SupersonicSolver::ExpansionSearch(mach, kappa, nuTarget).value;
            const double k1 = (kappa - 1.0) / 2.0;
            p2 = p * std::pow((1.0 + k1 * mach * mach) / (1.0 + k1 * mach2 * mach2),
                              kappa / (kappa - 1.0));
        }
        const double phi = (theta - sign * a) * SupersonicSolver::kDegToRad;
        const double ds = std::sqrt((slope * dx) * (slope * dx) + dx * dx);
        drag += p2 * ds * std::sin(phi);
        lift += p2 * ds * std::cos(phi);
        march.pressure[i] = p2;
        mach = mach2;
        p = p2;
        thetaPrev = theta;
    }
    return march;
}

}  // namespace

void SupersonicSolver::LinearTheory(SupersonicProfileRecord& profile) {
    const int n = profile.pointCount;
    if (n < 2) return;
    const double a = profile.alpha * kDegToRad;
    const double B = std::pow(profile.mach * profile.mach - 1.0, 0.5);
    const auto& zc = profile.camberLine;
    const auto& zt = profile.thickness;
    const double dx = zt[1].x - zt[0].x;
    double s1 = 0.0;
    double s2 = 0.0;
    double s3 = 0.0;
    auto& rows = profile.rows;
    for (int i = 1; i <= n - 1; ++i) {
        const double sc = (zc[i].z - zc[i - 1].z) / dx;
        const double st = (zt[i].z - zt[i - 1].z) / dx;
        const double xm = zt[i - 1].x + dx / 2.0;
        s1 += sc * sc * dx;
        s2 += st * st * dx;
        s3 += ((xm + dx / 2.0) * (xm + dx / 2.0) - (xm - dx / 2.0) * (xm - dx / 2.0)) * sc * 0.5;
        rows[i].xLinear = xm;
        rows[i].cpUpperLinear = (st - a + sc) * (2.0 / B);
        rows[i].cpLowerLinear = (a - sc + st) * (2.0 / B);
    }
    CloseTableEnds(rows, n, &SupersonicResultRow::xLinear, &SupersonicResultRow::cpUpperLinear,
                   &SupersonicResultRow::cpLowerLinear);
    const double K = 4.0 / B;
    profile.linLift = K * a;
    profile.linMoment = (-4.0 / B) * (a * 0.5 - s3);
    profile.linDragAlphaCamber = (a * a + s1) * K;
    profile.linDragThickness = K * s2;
    if (profile.linLift != 0.0) profile.linPressurePoint = -profile.linMoment / profile.linLift;
}

void SupersonicSolver::ShockExpansion(SupersonicProfileRecord& profile) {
    const int n = profile.pointCount;
    if (n < 2) return;
    const double dx = 1.0 / (n - 1);
    // Each surface sums its own forces, so that a symmetric profile at zero incidence gets
    // exactly zero lift.
    double upperDrag = 0.0;
    double upperLift = 0.0;
    double lowerDrag = 0.0;
    double lowerLift = 0.0;
    const SurfaceMarch upper = MarchSurface(profile, profile.upper, 1.0, upperDrag, upperLift);
    // The lower surface is marched in full even when the upper one ended subsonic.
    const SurfaceMarch lower = MarchSurface(profile, profile.lower, -1.0, lowerDrag, lowerLift);
    const double q = profile.kappa * profile.mach * profile.mach * 0.5;
    const double drag = (upperDrag + lowerDrag) / q;
    const double lift = (lowerLift - upperLift) / q;
    if (upper.subsonic || lower.subsonic) {
        // The theory does not apply; the last supersonic results stay.
        profile.subsonic = true;
        return;
    }
    auto& rows = profile.rows;
    const double cpScale = 2.0 / (profile.kappa * profile.mach * profile.mach);
    double moment = 0.0;
    for (int i = 1; i <= n - 1; ++i) {
        rows[i].xShockExpansion = (i - 0.5) * dx;
        rows[i].cpUpperShockExpansion = (upper.pressure[i - 1] - 1.0) * cpScale;
        rows[i].cpLowerShockExpansion = (lower.pressure[i - 1] - 1.0) * cpScale;
        moment -= ((i * dx) * (i * dx) - ((i - 1) * dx) * ((i - 1) * dx)) *
                  (rows[i].cpLowerShockExpansion - rows[i].cpUpperShockExpansion) * 0.5;
    }
    CloseTableEnds(rows, n, &SupersonicResultRow::xShockExpansion,
                   &SupersonicResultRow::cpUpperShockExpansion,
                   &SupersonicResultRow::cpLowerShockExpansion);
    profile.seDrag = drag;
    profile.seLift = lift;
    profile.seMoment = moment;
    profile.sePressurePoint = -moment / lift;
    profile.subsonic = false;
}

double SupersonicSolver::MaxDeflection(double mach, double kappa) {
    if (!SupersonicInputs(mach, kappa)) return 0.0;
    const double beta = MaxDeflectionWaveAngle(mach, kappa);
    return std::atan(DeflectionTangent(mach, kappa, beta)) * kRadToDeg;
}

SupersonicSearch SupersonicSolver::ShockAngleSearch(double mach, double kappa,
                                                    double deltaDegrees) {
    if (!SupersonicInputs(mach, kappa) || !std::isfinite(deltaDegrees)) return {kNaN, 0};
    // The weak root lies between the Mach angle (no deflection) and the wave angle of the
    // largest deflection, where tan delta rises monotonically with the wave angle.
    double low = std::asin(1.0 / mach) * kRadToDeg;
    double high = MaxDeflectionWaveAngle(mach, kappa);
    if (deltaDegrees <= 0.0) return {low, 0};
    const double target = std::tan(deltaDegrees * kDegToRad);
    SupersonicSearch search;
    search.value = high;
    // To full precision, like the expansions: a compressing surface turns at every panel, and a
    // wave angle that stops short there adds up along it.
    while (search.evaluations < kMaxEvaluations) {
        const double beta = 0.5 * (low + high);
        const double f = DeflectionTangent(mach, kappa, beta);
        ++search.evaluations;
        search.value = beta;
        if (f == target || high - low <= 1e-12) break;
        if (f > target) {
            high = beta;
        } else {
            low = beta;
        }
    }
    return search;
}

double SupersonicSolver::ShockAngle(double mach, double kappa, double deltaDegrees) {
    return ShockAngleSearch(mach, kappa, deltaDegrees).value;
}

double SupersonicSolver::PrandtlMeyer(double mach, double kappa) {
    const double g = std::sqrt((kappa + 1.0) / (kappa - 1.0));
    const double s = std::sqrt(mach * mach - 1.0);
    return g * std::atan(s / g) - std::atan(s);
}

SupersonicSearch SupersonicSolver::ExpansionSearch(double mach, double kappa, double nuTarget) {
    SupersonicSearch search;
    search.value = mach;
    if (!std::isfinite(mach) || !std::isfinite(kappa) || !std::isfinite(nuTarget) || mach < 1.0 ||
        kappa <= 1.0) {
        return search;
    }
    // Newton on nu(M) to full precision: a search that stops short of the target leaves an error
    // at every expansion, which adds up along the surface and makes the results jump with the
    // last digits of the contour. Each step stays inside the bracket that holds the root, and
    // falls back to halving it where Newton would leave it.
    constexpr double kTolerance = 1e-12;  // rad
    double low = mach;
    double high = mach + 10.0;
    ++search.evaluations;
    if (PrandtlMeyer(high, kappa) <= nuTarget) {
        // Beyond ten Mach numbers more (or beyond the largest turn there is) the search ends.
        search.value = high;
        return search;
    }
    const double k1 = (kappa - 1.0) / 2.0;
    double m = mach;
    while (search.evaluations < kMaxEvaluations) {
        const double f = PrandtlMeyer(m, kappa) - nuTarget;
        ++search.evaluations;
        search.value = m;
        if (std::fabs(f) <= kTolerance) break;
        (f < 0.0 ? low : high) = m;
        if (!(high - low > 4.0 * std::numeric_limits<double>::epsilon() * high)) break;
        const double slope = std::sqrt(m * m - 1.0) / (m * (1.0 + k1 * m * m));
        const double next = m - f / slope;
        m = next > low && next < high ? next : 0.5 * (low + high);
    }
    return search;
}
