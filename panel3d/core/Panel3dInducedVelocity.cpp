#include "panel3d/core/Panel3dInducedVelocity.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dPairedArctangents.h"

using panel3d_kernels::M2;
using panel3d_kernels::Next;
using panel3d_kernels::Select;
using panel3d_kernels::Splat;
using panel3d_kernels::V2;

// Pairs of lanes: corners, sides or segments 0 and 1 in [0], 2 and 3 in [1].
struct Panel3dInducedVelocity::Sheet {
    // s = sigma / 4pi; no sheet when sigma is 0.
    bool hasSource = false;
    double s = 0;
    Panel3dVector centroid, axisL, axisM, normal;
    double meanDiagonal = 0;
    double minDistance = 0;
    V2 localX[2]{}, localY[2]{};  // corners in the panel's axes
    V2 sideLength[2]{};           // in the local x-y plane
    V2 sideU[2]{}, sideV[2]{};    // dy/d and -dx/d of each side of length d > 0, else 0
    V2 slope[2]{};
};

// Straight vortex segments k from corner k+1 to corner k, each of strength gamma, damped with the
// exponent inside the core radius.
struct Panel3dInducedVelocity::Ring {
    double gamma = 0;
    double exponent = 1;
    double coreRadius = 0;
    V2 cornerX[2]{}, cornerY[2]{}, cornerZ[2]{};
    V2 r0x[2]{}, r0y[2]{}, r0z[2]{};  // corner k - corner k+1
    // (smallest distance * length)^2: a point closer to the segment's line gets nothing from it;
    // infinite for a segment of no length or one the panel does not have.
    V2 least[2]{};
    V2 core[2]{};  // (core radius * length)^2: closer, the damped form
};

namespace {

using Sheet = Panel3dInducedVelocity::Sheet;
using Ring = Panel3dInducedVelocity::Ring;

Panel3dVector Corner(const Ring& t, int k) {
    return {t.cornerX[k / 2][k % 2], t.cornerY[k / 2][k % 2], t.cornerZ[k / 2][k % 2]};
}

// Velocity of the straight vortex segment from b to a of strength gamma at p inside the core
// radius: the velocity at the core radius, damped towards the line.
Panel3dVector CoreSegment(const Panel3dVector& b, const Panel3dVector& a, double gamma,
                          const Panel3dVector& p, double coreRadius, double exponent) {
    const Panel3dVector r0 = a - b;
    const double length = Length(r0);
    const double t = Dot(p - b, r0) / (length * length);
    const Panel3dVector foot = b + t * r0;
    const Panel3dVector d = p - foot;
    const double distance = Length(d);
    const Panel3dVector moved = foot + (coreRadius / distance) * d;
    const Panel3dVector r1 = moved - b;
    const Panel3dVector r2 = moved - a;
    const Panel3dVector cr = Cross(r1, r2);
    const double k = gamma * panel3d::Panel3dInv4pi *
                     (Dot(r0, r1) / Length(r1) - Dot(r0, r2) / Length(r2)) / Dot(cr, cr);
    const double ratio = distance / coreRadius;
    return (exponent == 1.0 ? ratio : std::pow(ratio, exponent)) * (k * cr);
}

// Adds the segments' velocities at p to v. With r1 = p - b and r2 = p - a, |r1 x r2| is the
// distance from the segment's line times its length.
void AddSegments(const Ring& t, const Panel3dVector& p, Panel3dVector& v) {
    V2 dx[2], dy[2], dz[2], inverse[2];
    for (int i = 0; i < 2; ++i) {
        dx[i] = Splat(p.x) - t.cornerX[i];
        dy[i] = Splat(p.y) - t.cornerY[i];
        dz[i] = Splat(p.z) - t.cornerZ[i];
        inverse[i] = 1 / panel3d_kernels::Sqrt(dx[i] * dx[i] + dy[i] * dy[i] + dz[i] * dz[i]);
    }
    const V2 factor = Splat(t.gamma * panel3d::Panel3dInv4pi);
    V2 sx = Splat(0), sy = Splat(0), sz = Splat(0);
    M2 inCore[2];
    for (int i = 0; i < 2; ++i) {
        const int o = 1 - i;
        const V2 r1x = Next(dx[i], dx[o]), r1y = Next(dy[i], dy[o]), r1z = Next(dz[i], dz[o]);
        const V2 inverse1 = Next(inverse[i], inverse[o]);
        const V2 crx = r1y * dz[i] - r1z * dy[i];
        const V2 cry = r1z * dx[i] - r1x * dz[i];
        const V2 crz = r1x * dy[i] - r1y * dx[i];
        const V2 square = crx * crx + cry * cry + crz * crz;
        const M2 valid = square > t.least[i];
        const M2 outside = square > t.core[i];
        inCore[i] = valid & ~outside;
        const V2 dot1 = t.r0x[i] * r1x + t.r0y[i] * r1y + t.r0z[i] * r1z;
        const V2 dot2 = t.r0x[i] * dx[i] + t.r0y[i] * dy[i] + t.r0z[i] * dz[i];
        const V2 f = Select(valid & outside,
                            factor * (dot1 * inverse1 - dot2 * inverse[i]) / square, Splat(0));
        sx += f * crx;
        sy += f * cry;
        sz += f * crz;
    }
    v = v + Panel3dVector{sx[0] + sx[1], sy[0] + sy[1], sz[0] + sz[1]};
    // Inside the core (near the wake's own lines and the trailing edge) one by one.
    for (int k = 0; k < 4; ++k) {
        if (inCore[k / 2][k % 2]) {
            v = v + CoreSegment(Corner(t, (k + 1) % 4), Corner(t, k), t.gamma, p, t.coreRadius,
                                t.exponent);
        }
    }
}

// The point in the sheet's axes. A point in the plane counts as lying on the side opposite the
// normal; a distance at the rounding level of the coordinates is taken as in the plane.
inline void ToLocal(const Sheet& t, const Panel3dVector& p, double& x, double& y, double& z) {
    const Panel3dVector d = p - t.centroid;
    x = Dot(d, t.axisL);
    y = Dot(d, t.axisM);
    z = Dot(d, t.normal);
    if (std::fabs(z) <= 1e-13 * (std::fabs(x) + std::fabs(y) + t.meanDiagonal)) {
        z = 0;
    }
    const double eps = t.minDistance;
    if (z > 0 && z < eps) {
        z = eps;
    } else if (z > -eps && z <= 0) {
        z = -eps;
    }
}

// The source sheet's velocity: the tangential parts from the logarithms of the side terms, the
// normal part from the arctangent sum.
Panel3dVector Source(const Sheet& t, const Panel3dVector& p) {
    double x, y, z;
    ToLocal(t, p, x, y, z);
    const double eps = t.minDistance;
    const panel3d_kernels::CornerTerms c =
        panel3d_kernels::LocalCornerTerms(x, y, z, t.localX, t.localY);
    V2 logs[2];
    for (int i = 0; i < 2; ++i) {
        const V2 sum = c.r[i] + Next(c.r[i], c.r[1 - i]);
        const V2 length = t.sideLength[i];
        const V2 quotient = Select(length > 0, (sum - length) / (sum + length), Splat(1));
        logs[i] = panel3d_kernels::Log(Select(quotient > eps, quotient, Splat(eps)));
    }
    const double u =
        ((t.sideU[0][0] * logs[0][0] + t.sideU[0][1] * logs[0][1]) + t.sideU[1][0] * logs[1][0]) +
        t.sideU[1][1] * logs[1][1];
    const double v =
        ((t.sideV[0][0] * logs[0][0] + t.sideV[0][1] * logs[0][1]) + t.sideV[1][0] * logs[1][0]) +
        t.sideV[1][1] * logs[1][1];
    const double sum = panel3d_kernels::PairedArctangentSum(z, c, t.slope);
    const double s = t.s;
    return (s * u) * t.axisL + (s * v) * t.axisM + (s * sum) * t.normal;
}

// The segments among 0..3 that `used` marks, of strength gamma.
Ring RingTerms(const Panel3dPanel& panel, double gamma, double exponent, double coreRadius,
               const bool (&used)[4]) {
    Ring t;
    t.gamma = gamma;
    t.exponent = exponent;
    t.coreRadius = coreRadius;
    for (int k = 0; k < 4; ++k) {
        const int i = k / 2, j = k % 2;
        const Panel3dVector c = panel.PlanarCorner(k);
        t.cornerX[i][j] = c.x;
        t.cornerY[i][j] = c.y;
        t.cornerZ[i][j] = c.z;
        const Panel3dVector r0 = c - panel.PlanarCorner((k + 1) % 4);
        t.r0x[i][j] = r0.x;
        t.r0y[i][j] = r0.y;
        t.r0z[i][j] = r0.z;
        const double length = Length(r0);
        const double least = panel.minDistance * length;
        t.least[i][j] =
            used[k] && length > 0 ? least * least : std::numeric_limits<double>::infinity();
        const double core = coreRadius * length;
        t.core[i][j] = core * core;
    }
    return t;
}

Ring WingRing(const Panel3dPanel& panel, double coreRadius) {
    static const bool kRing[4] = {true, true, true, true};
    return RingTerms(panel, -panel.doubletStrength, 1.0, coreRadius, kRing);
}

Sheet WingSheet(const Panel3dPanel& panel) {
    Sheet t;
    t.hasSource = panel.sourceStrength != 0;
    t.s = panel.sourceStrength * panel3d::Panel3dInv4pi;
    t.centroid = panel.Centroid();
    t.axisL = panel.AxisL();
    t.axisM = panel.AxisM();
    t.normal = panel.Normal();
    t.meanDiagonal = panel.meanDiagonal;
    t.minDistance = panel.minDistance;
    for (int k = 0; k < 4; ++k) {
        const int i = k / 2, j = k % 2, k1 = (k + 1) % 4;
        t.localX[i][j] = panel.localX[k];
        t.localY[i][j] = panel.localY[k];
        const double d = panel.planarSideLength[k];
        t.sideLength[i][j] = d;
        if (d > 0) {
            t.sideU[i][j] = (panel.localY[k1] - panel.localY[k]) / d;
            t.sideV[i][j] = (panel.localX[k] - panel.localX[k1]) / d;
        }
        t.slope[i][j] = panel.sideSlope[k];
    }
    return t;
}

// The open ring of a trailing-edge wake panel: without its downstream side 3-2.
Ring TrailingEdgeRing(const Panel3dPanel& panel, double coreRadius) {
    static const bool kOpenRing[4] = {true, true, false, true};
    return RingTerms(panel, panel.doubletStrength, 1.0, coreRadius, kOpenRing);
}

// The streamwise sides 2-1 and 0-3 of a free-wake panel, with the wake's softer damping.
Ring FreeWakeRing(const Panel3dPanel& panel, double coreRadius) {
    static const bool kSides[4] = {false, true, false, true};
    return RingTerms(panel, panel.doubletStrength, 0.4, coreRadius, kSides);
}

Panel3dVector Velocity(const Sheet* sheet, const Ring& ring, const Panel3dVector& p) {
    Panel3dVector v = sheet != nullptr && sheet->hasSource ? Source(*sheet, p) : Panel3dVector{};
    if (ring.gamma != 0) {
        AddSegments(ring, p, v);
    }
    return v;
}

#ifdef LUVO_WIDE_KERNELS
// The same kernels four lanes wide: corners, sides and segments 0 to 3 at once.
#pragma GCC push_options
#pragma GCC target("avx2")

using panel3d_kernels::Load4;
using panel3d_kernels::M4;
using panel3d_kernels::Rotate;
using panel3d_kernels::Splat4;
using panel3d_kernels::Sum4;
using panel3d_kernels::V4;

Panel3dVector WideSource(const Sheet& t, const Panel3dVector& p) {
    double x, y, z;
    ToLocal(t, p, x, y, z);
    const double eps = t.minDistance;
    const panel3d_kernels::CornerTerms4 c =
        panel3d_kernels::LocalCornerTerms4(x, y, z, Load4(t.localX), Load4(t.localY));
    const V4 length = Load4(t.sideLength);
    const V4 sum = c.r + Rotate(c.r);
    V4 quotient = length > 0 ? (sum - length) / (sum + length) : Splat4(1);
    quotient = quotient > eps ? quotient : Splat4(eps);
    const V4 logs = _ZGVdN4v_log(quotient);
    const double u = Sum4(Load4(t.sideU) * logs);
    const double v = Sum4(Load4(t.sideV) * logs);
    const double solid = panel3d_kernels::PairedArctangentSum4(z, c, Load4(t.slope));
    const double s = t.s;
    return (s * u) * t.axisL + (s * v) * t.axisM + (s * solid) * t.normal;
}

void WideAddSegments(const Ring& t, const Panel3dVector& p, Panel3dVector& v) {
    const V4 dx = Splat4(p.x) - Load4(t.cornerX);
    const V4 dy = Splat4(p.y) - Load4(t.cornerY);
    const V4 dz = Splat4(p.z) - Load4(t.cornerZ);
    const V4 inverse = 1 / _mm256_sqrt_pd(dx * dx + dy * dy + dz * dz);
    const V4 r1x = Rotate(dx), r1y = Rotate(dy), r1z = Rotate(dz);
    const V4 crx = r1y * dz - r1z * dy;
    const V4 cry = r1z * dx - r1x * dz;
    const V4 crz = r1x * dy - r1y * dx;
    const V4 square = crx * crx + cry * cry + crz * crz;
    const M4 valid = square > Load4(t.least);
    const M4 outside = square > Load4(t.core);
    const V4 r0x = Load4(t.r0x), r0y = Load4(t.r0y), r0z = Load4(t.r0z);
    const V4 dot1 = r0x * r1x + r0y * r1y + r0z * r1z;
    const V4 dot2 = r0x * dx + r0y * dy + r0z * dz;
    const V4 f = (valid & outside) ? Splat4(t.gamma * panel3d::Panel3dInv4pi) *
                                         (dot1 * Rotate(inverse) - dot2 * inverse) / square
                                   : Splat4(0);
    v = v + Panel3dVector{Sum4(f * crx), Sum4(f * cry), Sum4(f * crz)};
    const M4 inCore = valid & ~outside;
    for (int k = 0; k < 4; ++k) {
        if (inCore[k]) {
            v = v + CoreSegment(Corner(t, (k + 1) % 4), Corner(t, k), t.gamma, p, t.coreRadius,
                                t.exponent);
        }
    }
}

Panel3dVector WideVelocity(const Sheet* sheet, const Ring& ring, const Panel3dVector& p) {
    Panel3dVector v =
        sheet != nullptr && sheet->hasSource ? WideSource(*sheet, p) : Panel3dVector{};
    if (ring.gamma != 0) {
        WideAddSegments(ring, p, v);
    }
    return v;
}

Panel3dVector WideAdd(const std::vector<Sheet>& sheets, const std::vector<Ring>& wing,
                      const std::vector<Ring>& trailingEdge, const std::vector<Ring>& freeWake,
                      Panel3dVector v, const Panel3dVector& p) {
    for (size_t k = 0; k < wing.size(); ++k) v = v + WideVelocity(&sheets[k], wing[k], p);
    for (const Ring& t : trailingEdge) v = v + WideVelocity(nullptr, t, p);
    for (const Ring& t : freeWake) v = v + WideVelocity(nullptr, t, p);
    return v;
}

#pragma GCC pop_options
#endif

}  // namespace

Panel3dVector Panel3dPanel::SourceVelocity(const Panel3dVector& p, double coreRadius) const {
    const Sheet sheet = WingSheet(*this);
    return Velocity(&sheet, WingRing(*this, coreRadius), p);
}

Panel3dVector Panel3dPanel::DoubletVelocity(const Panel3dVector& p, double coreRadius) const {
    return Velocity(nullptr, TrailingEdgeRing(*this, coreRadius), p);
}

Panel3dVector Panel3dPanel::WakeDoubletVelocity(const Panel3dVector& p, double coreRadius) const {
    return Velocity(nullptr, FreeWakeRing(*this, coreRadius), p);
}

Panel3dInducedVelocity::Panel3dInducedVelocity() = default;

Panel3dInducedVelocity::Panel3dInducedVelocity(
    const std::vector<Panel3dPanel>& wing,
    const std::vector<Panel3dTrailingEdgeWakePanel>& trailingEdgeWake,
    const std::vector<Panel3dFreeWakePanel>& freeWake, double coreRadius, bool wide) {
    Set(wing, trailingEdgeWake, freeWake, coreRadius, wide);
}

void Panel3dInducedVelocity::Set(const std::vector<Panel3dPanel>& wing,
                                 const std::vector<Panel3dTrailingEdgeWakePanel>& trailingEdgeWake,
                                 const std::vector<Panel3dFreeWakePanel>& freeWake,
                                 double coreRadius, bool wide) {
    wide_ = wide && WideAvailable();
    wingSheets_.resize(wing.size());
    wingRings_.resize(wing.size());
    for (size_t k = 0; k < wing.size(); ++k) {
        wingSheets_[k] = WingSheet(wing[k]);
        wingRings_[k] = WingRing(wing[k], coreRadius);
    }
    trailingEdgeRings_.resize(trailingEdgeWake.size());
    for (size_t k = 0; k < trailingEdgeWake.size(); ++k) {
        trailingEdgeRings_[k] = TrailingEdgeRing(trailingEdgeWake[k], coreRadius);
    }
    freeWakeRings_.resize(freeWake.size());
    for (size_t k = 0; k < freeWake.size(); ++k) {
        freeWakeRings_[k] = FreeWakeRing(freeWake[k], coreRadius);
    }
}

Panel3dInducedVelocity::~Panel3dInducedVelocity() = default;

bool Panel3dInducedVelocity::WideAvailable() {
#ifdef LUVO_WIDE_KERNELS
    return panel3d_kernels::Wide();
#else
    return false;
#endif
}

Panel3dVector Panel3dInducedVelocity::Add(Panel3dVector v, const Panel3dVector& p) const {
#ifdef LUVO_WIDE_KERNELS
    if (wide_) {
        return WideAdd(wingSheets_, wingRings_, trailingEdgeRings_, freeWakeRings_, v, p);
    }
#endif
    for (size_t k = 0; k < wingRings_.size(); ++k) {
        v = v + Velocity(&wingSheets_[k], wingRings_[k], p);
    }
    for (const Ring& t : trailingEdgeRings_) v = v + Velocity(nullptr, t, p);
    for (const Ring& t : freeWakeRings_) v = v + Velocity(nullptr, t, p);
    return v;
}
