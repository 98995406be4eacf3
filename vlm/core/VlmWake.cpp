// Wake relaxation: every wake element turns into the direction of the velocity at its midpoint,
// keeping its length, row after row from the trailing edge downstream.

#include <cmath>

#include "common/core/FreeCores.h"
#include "vlm/core/VlmSolver.h"

void VlmSolver::SegmentStrengths() {
    PackWakeSegments();
    wingStrength_.resize(3 * gamma.size());
    for (size_t e = 0; e < gamma.size(); ++e) {
        wingStrength_[3 * e] = wingStrength_[3 * e + 1] = wingStrength_[3 * e + 2] = gamma[e];
    }
    wakeStrength_.resize(static_cast<size_t>(ny_ + 1) * nw_);
    for (int q = 0; q <= ny_; ++q) {
        for (int k = 0; k < nw_; ++k) {
            wakeStrength_[static_cast<size_t>(q) * nw_ + k] = trailingGamma[q];
        }
    }
}

VlmPoint VlmSolver::InducedVelocity(const VlmPoint& p, double radius, VlmSegmentWork& work) const {
    const VlmPoint wing = wingSegments_.DampedSum(p, wingStrength_.data(), radius, work);
    const VlmPoint wake = wakeSegments_.DampedSum(p, wakeStrength_.data(), radius, work);
    const VlmPoint dir = FreeStreamDirection();
    const double v = values_.freeStreamSpeed;
    return {wing[0] + wake[0] + v * dir[0], wing[1] + wake[1] + v * dir[1],
            wing[2] + wake[2] + v * dir[2]};
}

void VlmSolver::InducedVelocities(const VlmPoint& p, const VlmPoint& q, VlmPoint& atP,
                                  VlmPoint& atQ) const {
    VlmPoint wingP, wingQ, wakeP, wakeQ;
    wingSegments_.SumsAtTwoPoints(p, q, wingStrength_.data(), wingP, wingQ);
    wakeSegments_.SumsAtTwoPoints(p, q, wakeStrength_.data(), wakeP, wakeQ);
    const VlmPoint dir = FreeStreamDirection();
    const double v = values_.freeStreamSpeed;
    for (int c = 0; c < 3; ++c) {
        atP[c] = wingP[c] + wakeP[c] + v * dir[c];
        atQ[c] = wingQ[c] + wakeQ[c] + v * dir[c];
    }
}

void VlmSolver::ComputeWakeVelocities(bool half) {
    const int points = (half ? ny_ / 2 : ny_) + 1;
    SegmentStrengths();
    // Every midpoint on its own: the wake moves only after all of them are known.
#pragma omp parallel num_threads(luvo::LoopThreads())
    {
        VlmSegmentWork work;
#pragma omp for schedule(dynamic, 4)
        for (int kp = 0; kp < nw_ * points; ++kp) {
            VlmWakeWorkRow& row = wakeWorkRows[kp / points];
            const int p = kp % points;
            const VlmPoint vel =
                InducedVelocity({row.midX[p], row.midY[p], row.midZ[p]}, dampingRadius, work);
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
