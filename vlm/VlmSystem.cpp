// Influence coefficients, right-hand side and solution of the vortex-lattice system, for the
// flat wake (the wake added into the matrix once) and the relaxed wake (the wing matrix kept and
// each iteration's wake taken in as a low-rank update).

#include <cmath>
#include <new>

#include "vlm/VlmSolver.h"

namespace {

inline VlmPoint Cross(const VlmPoint& a, const VlmPoint& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}

inline double Dot(const VlmPoint& a, const VlmPoint& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

inline double Norm(const VlmPoint& a) { return std::sqrt(Dot(a, a)); }

// h = r1 x r2 and the Biot-Savart factor K of a unit segment from p1 to p2 at p; |h| is the
// distance of p from the segment's line times the segment's length.
struct Kernel {
    VlmPoint h;
    double h2;
    double k;
};

inline Kernel SegmentKernel(const VlmPoint& p, const VlmPoint& p1, const VlmPoint& p2,
                            VlmPoint& r0) {
    r0 = {p2[0] - p1[0], p2[1] - p1[1], p2[2] - p1[2]};
    const VlmPoint r1 = {p[0] - p1[0], p[1] - p1[1], p[2] - p1[2]};
    const VlmPoint r2 = {p[0] - p2[0], p[1] - p2[1], p[2] - p2[2]};
    Kernel out;
    out.h = Cross(r1, r2);
    out.h2 = Dot(out.h, out.h);
    out.k = (Dot(r0, r1) / Norm(r1) - Dot(r0, r2) / Norm(r2)) * 0.25 / VlmPi / out.h2;
    return out;
}

}  // namespace

VlmPoint VlmSegmentVelocity(const VlmPoint& p, const VlmPoint& p1, const VlmPoint& p2, double g) {
    VlmPoint r0;
    const Kernel kr = SegmentKernel(p, p1, p2, r0);
    return {g * kr.k * kr.h[0], g * kr.k * kr.h[1], g * kr.k * kr.h[2]};
}

VlmPoint VlmDampedSegmentVelocity(const VlmPoint& p, const VlmPoint& p1, const VlmPoint& p2,
                                  double g, double radius) {
    VlmPoint r0;
    const Kernel kr = SegmentKernel(p, p1, p2, r0);
    const double distance = std::sqrt(kr.h2) / Norm(r0);
    // A point on the segment's line ignores it whatever the radius, so that a radius of 0 or
    // less means no damping rather than an infinite velocity.
    if (!(distance > 1e-8)) {
        return {0.0, 0.0, 0.0};
    }
    double factor = g * kr.k;
    if (distance <= radius) {
        factor *= std::pow(distance / radius, 1.4);
    }
    return {factor * kr.h[0], factor * kr.h[1], factor * kr.h[2]};
}

void VlmSolver::ComputeInfluence(bool half) {
    const int n = elementCount();
    const int size = half ? n / 2 : n;
    VlmMatrix& a = half ? halfMatrix : fullMatrix;
    a.Resize(size);
    // The normal velocity at collocation point m of the horseshoe of element e.
    auto influence = [&](const VlmPoint& p, const VlmPoint& nm, size_t e) {
        const VlmPoint c0 = {ringX[4 * e], ringY[4 * e], ringZ[4 * e]};
        const VlmPoint c1 = {ringX[4 * e + 1], ringY[4 * e + 1], ringZ[4 * e + 1]};
        const VlmPoint c2 = {ringX[4 * e + 2], ringY[4 * e + 2], ringZ[4 * e + 2]};
        const VlmPoint c3 = {ringX[4 * e + 3], ringY[4 * e + 3], ringZ[4 * e + 3]};
        const VlmPoint u0 = VlmSegmentVelocity(p, c0, c1, 1.0);
        const VlmPoint u1 = VlmSegmentVelocity(p, c1, c2, 1.0);
        const VlmPoint u2 = VlmSegmentVelocity(p, c2, c3, 1.0);
        const VlmPoint u = {u0[0] + u1[0] + u2[0], u0[1] + u1[1] + u2[1], u0[2] + u1[2] + u2[2]};
        return Dot(u, nm);
    };
    for (int m = 0; m < size; ++m) {
        const VlmPoint p = colloc.At(m);
        const VlmPoint nm = normal.At(m);
        for (int col = 0; col < size; ++col) {
            double w = influence(p, nm, col);
            if (half) {
                // The mirror element of the other half carries the same circulation.
                const int i = col % nx_;
                const int j = col / nx_;
                w += influence(p, nm, static_cast<size_t>(i + nx_ * (ny_ - 1 - j)));
            }
            a(m, col) = w;
        }
    }
}

double VlmSolver::FilamentInfluence(int m, int p) const {
    const VlmPoint c = colloc.At(m);
    VlmPoint u = {0.0, 0.0, 0.0};
    for (int k = 0; k < nw_; ++k) {
        const VlmPoint p1 = {wakeRows[k].x[p], wakeRows[k].y[p], wakeRows[k].z[p]};
        const VlmPoint p2 = {wakeRows[k + 1].x[p], wakeRows[k + 1].y[p], wakeRows[k + 1].z[p]};
        const VlmPoint v = VlmSegmentVelocity(c, p1, p2, 1.0);
        u = {u[0] + v[0], u[1] + v[1], u[2] + v[2]};
    }
    return Dot(u, normal.At(m));
}

void VlmSolver::ComputeWakeColumns(bool half, std::vector<double>& w) const {
    const int size = half ? elementCount() / 2 : elementCount();
    const int r = half ? ny_ / 2 : ny_;
    w.assign(static_cast<size_t>(size) * r, 0.0);
    std::vector<double> filament(static_cast<size_t>(ny_) + 1);
    for (int m = 0; m < size; ++m) {
        // Each filament once: it is edge B of strip p and edge A of strip p-1.
        for (int p = 0; p <= ny_; ++p) {
            filament[p] = FilamentInfluence(m, p);
        }
        for (int j = 0; j < ny_; ++j) {
            const int group = (half && j >= ny_ / 2) ? ny_ - 1 - j : j;
            w[luvo::ColumnMajor(m, group, size)] += filament[j] - filament[j + 1];
        }
    }
}

std::vector<luvo::LowRankResolver::Entry> VlmSolver::WakeColumnMarks(bool half) const {
    const int strips = half ? ny_ / 2 : ny_;
    std::vector<luvo::LowRankResolver::Entry> marks;
    for (int j = 0; j < strips; ++j) {
        for (int i = 0; i < nx_; ++i) {
            marks.push_back({i + nx_ * j, j, 1.0});
        }
    }
    return marks;
}

void VlmSolver::AddWakeInfluence(bool half) {
    VlmMatrix& a = half ? halfMatrix : fullMatrix;
    std::vector<double> w;
    ComputeWakeColumns(half, w);
    for (const auto& mark : WakeColumnMarks(half)) {
        for (int m = 0; m < a.n; ++m) {
            a(m, mark.row) += w[luvo::ColumnMajor(m, mark.column, a.n)];
        }
    }
}

void VlmSolver::ComputeRhs(bool half) {
    const int size = half ? elementCount() / 2 : elementCount();
    std::vector<double>& b = half ? rhsHalf : rhsFull;
    b.assign(static_cast<size_t>(size), 0.0);
    const VlmPoint dir = FreeStreamDirection();
    const double v = values_.freeStreamSpeed;
    for (int m = 0; m < size; ++m) {
        b[m] = -v * (dir[0] * normal.x[m] + dir[1] * normal.y[m] + dir[2] * normal.z[m]);
    }
}

void VlmSolver::MirrorHalfSolution() {
    for (int j = 0; j < ny_ / 2; ++j) {
        for (int i = 0; i < nx_; ++i) {
            gamma[i + nx_ * (ny_ - 1 - j)] = gamma[i + nx_ * j];
        }
    }
}

bool VlmSolver::GammaFinite() const {
    for (double g : gamma) {
        if (!std::isfinite(g)) {
            return false;
        }
    }
    return true;
}

bool VlmSolver::SolveFlat(bool half) {
    VlmMatrix& a = half ? halfMatrix : fullMatrix;
    const std::vector<double>& b = half ? rhsHalf : rhsFull;
    luvo::DenseLu lu;
    // The matrix is replaced by its factors, as it is not needed again.
    if (!lu.Factor(std::move(a.values), a.n)) {
        a.values.clear();
        return false;
    }
    std::vector<double> x(b);
    lu.Solve(x.data());
    std::copy(x.begin(), x.end(), gamma.begin());
    if (half) {
        MirrorHalfSolution();
    }
    a.values.clear();
    return GammaFinite();
}

void VlmSolver::PrepareRelaxedSystem(bool half) {
    const VlmMatrix& a = half ? halfMatrix : fullMatrix;
    const std::vector<double>& b = half ? rhsHalf : rhsFull;
    relaxed_.Prepare(a.values.data(), a.n, b.data(), WakeColumnMarks(half), half ? ny_ / 2 : ny_);
}

bool VlmSolver::SolveRelaxedIteration(bool half) {
    ComputeWakeColumns(half, wakeColumns_);
    const int size = half ? elementCount() / 2 : elementCount();
    std::vector<double> x(static_cast<size_t>(size));
    if (!relaxed_.Solve(wakeColumns_.data(), x.data())) {
        return false;
    }
    std::copy(x.begin(), x.end(), gamma.begin());
    if (half) {
        MirrorHalfSolution();
    }
    return GammaFinite();
}

void VlmSolver::ComputeTrailingCirculation() {
    auto stripSum = [&](int j) {
        double s = 0.0;
        for (int i = 0; i < nx_; ++i) {
            s += gamma[i + nx_ * j];
        }
        return s;
    };
    trailingGamma[0] = stripSum(0);
    for (int p = 1; p < ny_; ++p) {
        double s = 0.0;
        for (int i = 0; i < nx_; ++i) {
            s += gamma[i + nx_ * p] - gamma[i + nx_ * (p - 1)];
        }
        trailingGamma[p] = s;
    }
    trailingGamma[ny_] = -stripSum(ny_ - 1);
}

bool VlmSolver::UsesHalfSystem() const {
    return values_.symmetryFlag == 0 && values_.beta == 0.0 && ny_ % 2 == 0;
}
