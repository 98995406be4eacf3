#include "vlm/VlmSegments.h"

#include <cmath>

void VlmSegments::Resize(size_t count) {
    for (std::vector<double>* a : {&x1_, &y1_, &z1_, &x2_, &y2_, &z2_, &vx_, &vy_, &vz_, &d2_}) {
        a->assign(count, 0.0);
    }
}

void VlmSegments::Set(size_t s, const VlmPoint& p1, const VlmPoint& p2) {
    x1_[s] = p1[0];
    y1_[s] = p1[1];
    z1_[s] = p1[2];
    x2_[s] = p2[0];
    y2_[s] = p2[1];
    z2_[s] = p2[2];
}

namespace {

// Unit-strength Biot-Savart velocities of segments a -> b at p and the squared distances of p
// from their lines. A plain function of pointers, which the compiler vectorises, with twice the
// lanes where the processor has them.
__attribute__((target_clones("avx2", "default"))) void SegmentVelocities(
    size_t n, double px, double py, double pz, const double* __restrict ax,
    const double* __restrict ay, const double* __restrict az, const double* __restrict bx,
    const double* __restrict by, const double* __restrict bz, double* __restrict ox,
    double* __restrict oy, double* __restrict oz, double* __restrict od) {
    const double c = 0.25 / VlmPi;
    for (size_t s = 0; s < n; ++s) {
        const double r0x = bx[s] - ax[s], r0y = by[s] - ay[s], r0z = bz[s] - az[s];
        const double r1x = px - ax[s], r1y = py - ay[s], r1z = pz - az[s];
        const double r2x = px - bx[s], r2y = py - by[s], r2z = pz - bz[s];
        const double hx = r1y * r2z - r1z * r2y;
        const double hy = r1z * r2x - r1x * r2z;
        const double hz = r1x * r2y - r1y * r2x;
        const double h2 = hx * hx + hy * hy + hz * hz;
        const double n1 = std::sqrt(r1x * r1x + r1y * r1y + r1z * r1z);
        const double n2 = std::sqrt(r2x * r2x + r2y * r2y + r2z * r2z);
        const double k =
            ((r0x * r1x + r0y * r1y + r0z * r1z) / n1 - (r0x * r2x + r0y * r2y + r0z * r2z) / n2) *
            c / h2;
        ox[s] = k * hx;
        oy[s] = k * hy;
        oz[s] = k * hz;
        // |r1 x r2| is the distance from the line times the segment's length.
        od[s] = h2 / (r0x * r0x + r0y * r0y + r0z * r0z);
    }
}

}  // namespace

void VlmSegments::UnitVelocities(const VlmPoint& p) const {
    SegmentVelocities(x1_.size(), p[0], p[1], p[2], x1_.data(), y1_.data(), z1_.data(), x2_.data(),
                      y2_.data(), z2_.data(), vx_.data(), vy_.data(), vz_.data(), d2_.data());
}

VlmPoint VlmSegments::DampedSum(const VlmPoint& p, const double* strength, double radius) const {
    UnitVelocities(p);
    const double r2 = radius > 0.0 ? radius * radius : 0.0;
    double sx = 0.0, sy = 0.0, sz = 0.0;
    for (size_t s = 0; s < x1_.size(); ++s) {
        const double d2 = d2_[s];
        if (!(d2 > 1e-16)) {
            continue;  // on the segment's line (or a segment of no length)
        }
        double g = strength[s];
        if (d2 <= r2) {
            g *= std::pow(d2 / r2, 0.7);  // (d/R)^1.4
        }
        sx += g * vx_[s];
        sy += g * vy_[s];
        sz += g * vz_[s];
    }
    return {sx, sy, sz};
}
