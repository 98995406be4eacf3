// Wake relaxation: every wake element turns into the direction of the velocity at its midpoint,
// keeping its length, row after row from the trailing edge downstream.

#include <cmath>

#include "vlm/VlmSolver.h"

VlmPoint VlmSolver::InducedVelocity(const VlmPoint& p, double radius) const {
    VlmPoint vel = {0.0, 0.0, 0.0};
    auto add = [&](const VlmPoint& v) {
        vel[0] += v[0];
        vel[1] += v[1];
        vel[2] += v[2];
    };
    for (size_t e = 0; e < gamma.size(); ++e) {
        for (size_t s = 0; s < 3; ++s) {
            const size_t c = 4 * e + s;
            add(VlmDampedSegmentVelocity(p, {ringX[c], ringY[c], ringZ[c]},
                                         {ringX[c + 1], ringY[c + 1], ringZ[c + 1]}, gamma[e],
                                         radius));
        }
    }
    for (int q = 0; q <= ny_; ++q) {
        for (int k = 0; k < nw_; ++k) {
            add(VlmDampedSegmentVelocity(
                p, {wakeRows[k].x[q], wakeRows[k].y[q], wakeRows[k].z[q]},
                {wakeRows[k + 1].x[q], wakeRows[k + 1].y[q], wakeRows[k + 1].z[q]},
                trailingGamma[q], radius));
        }
    }
    const VlmPoint dir = FreeStreamDirection();
    const double v = values_.freeStreamSpeed;
    add({v * dir[0], v * dir[1], v * dir[2]});
    return vel;
}

void VlmSolver::ComputeWakeVelocities(bool half) {
    const int last = half ? ny_ / 2 : ny_;
    for (int k = 0; k < nw_; ++k) {
        VlmWakeWorkRow& row = wakeWorkRows[k];
        for (int p = 0; p <= last; ++p) {
            const VlmPoint vel =
                InducedVelocity({row.midX[p], row.midY[p], row.midZ[p]}, dampingRadius);
            row.velX[p] = vel[0];
            row.velY[p] = vel[1];
            row.velZ[p] = vel[2];
            row.slopeZ[p] = vel[2] / vel[0];
            row.slopeY[p] = vel[1] / vel[0];
        }
    }
}

void VlmSolver::AlignWake(bool half) {
    const int last = half ? ny_ / 2 : ny_;
    for (int p = 0; p <= last; ++p) {
        for (int k = 1; k <= nw_; ++k) {
            const double l = wakeElementLength[k - 1];
            const double sy = wakeWorkRows[k - 1].slopeY[p];
            const double sz = wakeWorkRows[k - 1].slopeZ[p];
            const double d = std::sqrt(sz * sz + sy * sy + 1.0);
            wakeRows[k].x[p] = wakeRows[k - 1].x[p] + l / d;
            wakeRows[k].y[p] = wakeRows[k - 1].y[p] + sy * l / d;
            wakeRows[k].z[p] = wakeRows[k - 1].z[p] + sz * l / d;
        }
    }
    if (half) {
        for (int p = 0; p < ny_ / 2; ++p) {
            for (int k = 1; k <= nw_; ++k) {
                wakeRows[k].x[ny_ - p] = wakeRows[k].x[p];
                wakeRows[k].y[ny_ - p] = -wakeRows[k].y[p];
                wakeRows[k].z[ny_ - p] = wakeRows[k].z[p];
            }
        }
    }
    UpdateWakeMidpoints();
}

void VlmSolver::UpdateWakeMidpoints() {
    for (int k = 0; k < nw_; ++k) {
        for (int p = 0; p <= ny_; ++p) {
            wakeWorkRows[k].midX[p] = 0.5 * (wakeRows[k].x[p] + wakeRows[k + 1].x[p]);
            wakeWorkRows[k].midY[p] = 0.5 * (wakeRows[k].y[p] + wakeRows[k + 1].y[p]);
            wakeWorkRows[k].midZ[p] = 0.5 * (wakeRows[k].z[p] + wakeRows[k + 1].z[p]);
        }
    }
}
