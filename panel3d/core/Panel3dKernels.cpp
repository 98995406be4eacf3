// Influence of one flat quadrilateral panel of constant strength at a field point: the classic
// closed forms for the potentials of a source and a doublet sheet (the velocities are in
// Panel3dInducedVelocity.cpp). Every intermediate value is local, so the kernels can run on many
// threads over the same panels.

#include <cmath>

#include "panel3d/core/Panel3dModule.h"
#include "panel3d/core/Panel3dPairedArctangents.h"
#include "panel3d/core/Panel3dPanel.h"

namespace {

// The field point in the panel's axes and the corner terms r_k, e_k, h_k.
struct LocalPoint {
    double x = 0, y = 0, z = 0;
    double r[4]{}, e[4]{}, h[4]{};
};

// The coordinates of the offset d from the centroid in the panel's axes; no corner terms yet.
LocalPoint Transform(const Panel3dPanel& panel, const Panel3dVector& d) {
    LocalPoint q;
    q.x = Dot(d, panel.AxisL());
    q.y = Dot(d, panel.AxisM());
    q.z = Dot(d, panel.Normal());
    return q;
}

// The normal distance as the doublet and the source velocity take it. A point in the plane
// counts as lying on the side opposite the normal. A distance at the rounding level of the
// coordinates is taken as in the plane, so that a point and its mirror image fall on the same
// side of a panel and its mirror image.
double ClampedZ(const Panel3dPanel& panel, const LocalPoint& q) {
    double z = q.z;
    if (std::fabs(z) <= 1e-13 * (std::fabs(q.x) + std::fabs(q.y) + panel.meanDiagonal)) {
        z = 0;
    }
    const double eps = panel.minDistance;
    if (z > 0 && z < eps) {
        z = eps;
    } else if (z > -eps && z <= 0) {
        z = -eps;
    }
    return z;
}

// The corner terms for the point's z as it stands.
void AddCornerTerms(const Panel3dPanel& panel, LocalPoint& q) {
    for (int k = 0; k < 4; ++k) {
        const double dx = q.x - panel.localX[k];
        const double dy = q.y - panel.localY[k];
        q.r[k] = std::sqrt(dx * dx + dy * dy + q.z * q.z);
        q.e[k] = dx * dx + q.z * q.z;
        q.h[k] = dx * dy;
    }
}

LocalPoint ToLocal(const Panel3dPanel& panel, const Panel3dVector& p, bool clampZ) {
    LocalPoint q = Transform(panel, p - panel.Centroid());
    if (clampZ) {
        q.z = ClampedZ(panel, q);
    }
    AddCornerTerms(panel, q);
    return q;
}

// The arctangent sum T (the solid angle of the panel seen from the point); needs z != 0.
double ArctangentSum(const Panel3dPanel& panel, const LocalPoint& q) {
    double t = 0;
    for (int k = 0; k < 4; ++k) {
        const int k1 = (k + 1) % 4;
        const double m = panel.sideSlope[k];
        // A side parallel to the local y axis has an infinite slope; both arctangents then
        // tend to the same right angle and the side adds nothing.
        if (!std::isfinite(m)) {
            continue;
        }
        t += std::atan((m * q.e[k] - q.h[k]) / (q.z * q.r[k])) -
             std::atan((m * q.e[k1] - q.h[k1]) / (q.z * q.r[k1]));
    }
    return t;
}

// ln of the side terms (r_k + r_k1 + d_k)/(r_k + r_k1 - d_k), or of its inverse, with the
// argument raised to eps.
double SideLog(const Panel3dPanel& panel, const LocalPoint& q, int k, bool inverse) {
    const int k1 = (k + 1) % 4;
    const double d = panel.planarSideLength[k];
    const double sum = q.r[k] + q.r[k1];
    double quotient = inverse ? (sum - d) / (sum + d) : (sum + d) / (sum - d);
    if (!(quotient > panel.minDistance)) {
        quotient = panel.minDistance;
    }
    return std::log(quotient);
}

// The point source of the panel's area: (x, y, z) as they come.
double FarSource(const Panel3dPanel& panel, const LocalPoint& q) {
    return -panel3d::Panel3dInv4pi * panel.area / std::sqrt(q.x * q.x + q.y * q.y + q.z * q.z);
}

// The point doublet of the panel's area, z clamped.
double FarDoublet(const Panel3dPanel& panel, const LocalPoint& q) {
    const double rho2 = q.x * q.x + q.y * q.y + q.z * q.z;
    return -panel3d::Panel3dInv4pi * panel.area * q.z / (rho2 * std::sqrt(rho2));
}

// The closed form of the source sheet from the corner terms of the unclamped point and its
// arctangent sum t (0 for a point in the plane).
double NearSource(const Panel3dPanel& panel, const LocalPoint& q, double t) {
    double sum = 0;
    for (int k = 0; k < 4; ++k) {
        const int k1 = (k + 1) % 4;
        const double d = panel.planarSideLength[k];
        if (!(d > 0)) {
            continue;  // a side of no length
        }
        const double g = ((q.x - panel.localX[k]) * (panel.localY[k1] - panel.localY[k]) -
                          (q.y - panel.localY[k]) * (panel.localX[k1] - panel.localX[k])) /
                         d;
        if (g != 0) {  // a point on the side's line: the term tends to 0
            sum += g * SideLog(panel, q, k, false);
        }
    }
    return -panel3d::Panel3dInv4pi * (sum - q.z * t);
}

}  // namespace

double Panel3dPanel::SourcePotential(const Panel3dVector& p, bool farField) const {
    if (farField) {
        return FarSource(*this, Transform(*this, p - Centroid()));
    }
    const LocalPoint q = ToLocal(*this, p, false);
    return NearSource(*this, q, q.z == 0 ? 0.0 : ArctangentSum(*this, q));
}

double Panel3dPanel::DoubletPotential(const Panel3dVector& p, bool farField) const {
    if (farField) {
        LocalPoint q = Transform(*this, p - Centroid());
        q.z = ClampedZ(*this, q);
        return FarDoublet(*this, q);
    }
    return -panel3d::Panel3dInv4pi * ArctangentSum(*this, ToLocal(*this, p, true));
}

#ifdef LUVO_WIDE_KERNELS
#pragma GCC push_options
#pragma GCC target("avx2")
namespace {

double WideArctangentSum(const Panel3dPanel& panel, const LocalPoint& q) {
    using panel3d_kernels::Load4;
    return panel3d_kernels::PairedArctangentSum4(
        q.z,
        panel3d_kernels::LocalCornerTerms4(q.x, q.y, q.z, Load4(panel.localX.data()),
                                           Load4(panel.localY.data())),
        Load4(panel.sideSlope.data()));
}

}  // namespace
#pragma GCC pop_options
#endif

double Panel3dPanel::PairedDoubletPotential(const Panel3dVector& p) const {
    using panel3d_kernels::V2;
    LocalPoint q = Transform(*this, p - Centroid());
    q.z = ClampedZ(*this, q);
#ifdef LUVO_WIDE_KERNELS
    if (panel3d_kernels::Wide()) {
        return -panel3d::Panel3dInv4pi * WideArctangentSum(*this, q);
    }
#endif
    const V2 x[2] = {{localX[0], localX[1]}, {localX[2], localX[3]}};
    const V2 y[2] = {{localY[0], localY[1]}, {localY[2], localY[3]}};
    const V2 slope[2] = {{sideSlope[0], sideSlope[1]}, {sideSlope[2], sideSlope[3]}};
    return -panel3d::Panel3dInv4pi *
           panel3d_kernels::PairedArctangentSum(
               q.z, panel3d_kernels::LocalCornerTerms(q.x, q.y, q.z, x, y), slope);
}

Panel3dPanel::Potentials Panel3dPanel::UnitPotentials(const Panel3dVector& p) const {
    const Panel3dVector d = p - Centroid();
    LocalPoint q = Transform(*this, d);
    const double clamped = ClampedZ(*this, q);
    Potentials out;
    // The far-field test comes first: the point forms need no corner terms.
    if (Length(d) >= FarFieldDistance()) {
        out.source = FarSource(*this, q);
        q.z = clamped;
        out.doublet = FarDoublet(*this, q);
        return out;
    }
    AddCornerTerms(*this, q);
    const double t = q.z == 0 ? 0.0 : ArctangentSum(*this, q);
    out.source = NearSource(*this, q, t);
    if (clamped == q.z) {
        out.doublet = -panel3d::Panel3dInv4pi * t;
        return out;
    }
    // Only a point at or very near the panel's plane sees the doublet from a clamped distance.
    q.z = clamped;
    AddCornerTerms(*this, q);
    out.doublet = -panel3d::Panel3dInv4pi * ArctangentSum(*this, q);
    return out;
}
