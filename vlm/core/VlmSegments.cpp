#include "vlm/core/VlmSegments.h"

#include <cmath>

void VlmSegments::Resize(size_t count) {
    for (std::vector<double>* a : {&x1_, &y1_, &z1_, &x2_, &y2_, &z2_}) {
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

// The Biot-Savart velocity k h of the unit-strength segment a -> b at p, h = r1 x r2, and
// |h|^2, which is the squared distance of p from the segment's line times the squared length.
// One division: k = (r0.r1/|r1| - r0.r2/|r2|) / (4 pi |h|^2) over a common denominator. Not
// finite on the line.
[[gnu::always_inline]] inline void UnitVelocity(double px, double py, double pz, double ax,
                                                double ay, double az, double bx, double by,
                                                double bz, double& vx, double& vy, double& vz,
                                                double& h2) {
    const double r0x = bx - ax, r0y = by - ay, r0z = bz - az;
    const double r1x = px - ax, r1y = py - ay, r1z = pz - az;
    const double r2x = px - bx, r2y = py - by, r2z = pz - bz;
    const double hx = r1y * r2z - r1z * r2y;
    const double hy = r1z * r2x - r1x * r2z;
    const double hz = r1x * r2y - r1y * r2x;
    h2 = hx * hx + hy * hy + hz * hz;
    const double n1 = std::sqrt(r1x * r1x + r1y * r1y + r1z * r1z);
    const double n2 = std::sqrt(r2x * r2x + r2y * r2y + r2z * r2z);
    const double k =
        ((r0x * r1x + r0y * r1y + r0z * r1z) * n2 - (r0x * r2x + r0y * r2y + r0z * r2z) * n1) /
        (4.0 * VlmPi * n1 * n2 * h2);
    vx = k * hx;
    vy = k * hy;
    vz = k * hz;
}

// Unit-strength velocities of segments a -> b at p (for the damped sums also the squared
// distances of p from their lines). Plain functions of pointers, which the compiler vectorises,
// with wider lanes where the processor has them.
__attribute__((target_clones("avx512f", "avx2", "default"))) void SegmentVelocities(
    size_t n, double px, double py, double pz, const double* __restrict ax,
    const double* __restrict ay, const double* __restrict az, const double* __restrict bx,
    const double* __restrict by, const double* __restrict bz, double* __restrict ox,
    double* __restrict oy, double* __restrict oz) {
    for (size_t s = 0; s < n; ++s) {
        double h2;
        UnitVelocity(px, py, pz, ax[s], ay[s], az[s], bx[s], by[s], bz[s], ox[s], oy[s], oz[s], h2);
    }
}

__attribute__((target_clones("avx512f", "avx2", "default"))) void SegmentVelocitiesAndDistances(
    size_t n, double px, double py, double pz, const double* __restrict ax,
    const double* __restrict ay, const double* __restrict az, const double* __restrict bx,
    const double* __restrict by, const double* __restrict bz, double* __restrict ox,
    double* __restrict oy, double* __restrict oz, double* __restrict od) {
    for (size_t s = 0; s < n; ++s) {
        double h2;
        UnitVelocity(px, py, pz, ax[s], ay[s], az[s], bx[s], by[s], bz[s], ox[s], oy[s], oz[s], h2);
        const double r0x = bx[s] - ax[s], r0y = by[s] - ay[s], r0z = bz[s] - az[s];
        od[s] = h2 / (r0x * r0x + r0y * r0y + r0z * r0z);
    }
}

// Both points' sums in one vectorised pass: each vector lane keeps its own running sums, added
// up at the end (a fixed order for a given processor, whatever the number of threads).
__attribute__((target_clones("avx512f", "avx2", "default"))) void TwoPointSums(
    size_t n, const double* p, const double* q, const double* __restrict ax,
    const double* __restrict ay, const double* __restrict az, const double* __restrict bx,
    const double* __restrict by, const double* __restrict bz, const double* __restrict strength,
    double* out) {
    const double px = p[0], py = p[1], pz = p[2];
    const double qx = q[0], qy = q[1], qz = q[2];
    double spx = 0.0, spy = 0.0, spz = 0.0, sqx = 0.0, sqy = 0.0, sqz = 0.0;
#pragma omp simd reduction(+ : spx, spy, spz, sqx, sqy, sqz)
    for (size_t s = 0; s < n; ++s) {
        const double r0x = bx[s] - ax[s], r0y = by[s] - ay[s], r0z = bz[s] - az[s];
        // Within 1e-8 of the line (|h| below 1e-8 |r0|), or a segment of no length, gives
        // nothing; the velocity there is not finite, so it is selected away, not scaled.
        const double onLine = 1e-16 * (r0x * r0x + r0y * r0y + r0z * r0z);
        double vx, vy, vz, h2;
        UnitVelocity(px, py, pz, ax[s], ay[s], az[s], bx[s], by[s], bz[s], vx, vy, vz, h2);
        spx += h2 > onLine ? strength[s] * vx : 0.0;
        spy += h2 > onLine ? strength[s] * vy : 0.0;
        spz += h2 > onLine ? strength[s] * vz : 0.0;
        UnitVelocity(qx, qy, qz, ax[s], ay[s], az[s], bx[s], by[s], bz[s], vx, vy, vz, h2);
        sqx += h2 > onLine ? strength[s] * vx : 0.0;
        sqy += h2 > onLine ? strength[s] * vy : 0.0;
        sqz += h2 > onLine ? strength[s] * vz : 0.0;
    }
    out[0] = spx;
    out[1] = spy;
    out[2] = spz;
    out[3] = sqx;
    out[4] = sqy;
    out[5] = sqz;
}

}  // namespace

void VlmSegments::UnitVelocities(const VlmPoint& p, VlmSegmentWork& work) const {
    const size_t n = x1_.size();
    for (std::vector<double>* a : {&work.vx, &work.vy, &work.vz}) {
        a->resize(n);
    }
    SegmentVelocities(n, p[0], p[1], p[2], x1_.data(), y1_.data(), z1_.data(), x2_.data(),
                      y2_.data(), z2_.data(), work.vx.data(), work.vy.data(), work.vz.data());
}

VlmPoint VlmSegments::DampedSum(const VlmPoint& p, const double* strength, double radius,
                                VlmSegmentWork& work) const {
    const size_t n = x1_.size();
    for (std::vector<double>* a : {&work.vx, &work.vy, &work.vz, &work.d2}) {
        a->resize(n);
    }
    SegmentVelocitiesAndDistances(n, p[0], p[1], p[2], x1_.data(), y1_.data(), z1_.data(),
                                  x2_.data(), y2_.data(), z2_.data(), work.vx.data(),
                                  work.vy.data(), work.vz.data(), work.d2.data());
    const double r2 = radius > 0.0 ? radius * radius : 0.0;
    double sx = 0.0, sy = 0.0, sz = 0.0;
    for (size_t s = 0; s < x1_.size(); ++s) {
        const double d2 = work.d2[s];
        if (!(d2 > 1e-16)) {
            continue;  // on the segment's line (or a segment of no length)
        }
        double g = strength[s];
        if (d2 <= r2) {
            g *= std::pow(d2 / r2, 0.7);  // (d/R)^1.4
        }
        sx += g * work.vx[s];
        sy += g * work.vy[s];
        sz += g * work.vz[s];
    }
    return {sx, sy, sz};
}

void VlmSegments::SumsAtTwoPoints(const VlmPoint& p, const VlmPoint& q, const double* strength,
                                  VlmPoint& atP, VlmPoint& atQ) const {
    double out[6];
    TwoPointSums(x1_.size(), p.data(), q.data(), x1_.data(), y1_.data(), z1_.data(), x2_.data(),
                 y2_.data(), z2_.data(), strength, out);
    atP = {out[0], out[1], out[2]};
    atQ = {out[3], out[4], out[5]};
}
