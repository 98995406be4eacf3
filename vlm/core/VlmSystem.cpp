// Influence coefficients, right-hand side and solution of the vortex-lattice system, for the
// flat wake (the wake added into the matrix once) and the relaxed wake (the wing matrix kept and
// each iteration's wake taken in as a low-rank update). Rows are independent: they are filled
// on the free cores, each entry summed in the same order whatever the number of threads.

#include <cmath>

#include "common/core/FreeCores.h"
#include "vlm/core/VlmSolver.h"

void VlmSolver::ComputeInfluence(bool half) {
    const int n = elementCount();
    const int size = half ? n / 2 : n;
    VlmMatrix& a = half ? halfMatrix : fullMatrix;
    a.Resize(size);
#pragma omp parallel num_threads(luvo::LoopThreads())
    {
        VlmSegmentWork work;
        // Rows in blocks of 8, so that threads rarely share a cache line of a column.
#pragma omp for schedule(dynamic, 8)
        for (int m = 0; m < size; ++m) {
            // The velocity of each of the three segments of every horseshoe at collocation point
            // m, projected on its normal.
            wingSegments_.UnitVelocities(colloc.At(m), work);
            const double* vx = work.vx.data();
            const double* vy = work.vy.data();
            const double* vz = work.vz.data();
            const double nx = normal.x[m], ny = normal.y[m], nz = normal.z[m];
            auto influence = [&](size_t e) {
                const size_t s = 3 * e;
                return (vx[s] + vx[s + 1] + vx[s + 2]) * nx + (vy[s] + vy[s + 1] + vy[s + 2]) * ny +
                       (vz[s] + vz[s + 1] + vz[s + 2]) * nz;
            };
            for (int col = 0; col < size; ++col) {
                double w = influence(static_cast<size_t>(col));
                if (half) {
                    // The mirror element of the other half carries the same circulation.
                    const int i = col % nx_;
                    const int j = col / nx_;
                    w += influence(static_cast<size_t>(i + nx_ * (ny_ - 1 - j)));
                }
                a(m, col) = w;
            }
        }
    }
}

void VlmSolver::PackWakeSegments() {
    wakeSegments_.Resize(static_cast<size_t>(ny_ + 1) * nw_);
    for (int q = 0; q <= ny_; ++q) {
        for (int k = 0; k < nw_; ++k) {
            wakeSegments_.Set(static_cast<size_t>(q) * nw_ + k,
                              {wakeRows[k].x[q], wakeRows[k].y[q], wakeRows[k].z[q]},
                              {wakeRows[k + 1].x[q], wakeRows[k + 1].y[q], wakeRows[k + 1].z[q]});
        }
    }
}

void VlmSolver::ComputeWakeColumns(bool half, std::vector<double>& w) {
    const int size = half ? elementCount() / 2 : elementCount();
    const int r = half ? ny_ / 2 : ny_;
    w.assign(static_cast<size_t>(size) * r, 0.0);
    PackWakeSegments();
#pragma omp parallel num_threads(luvo::LoopThreads())
    {
        VlmSegmentWork work;
        std::vector<double> filament(static_cast<size_t>(ny_) + 1);
#pragma omp for schedule(dynamic, 8)
        for (int m = 0; m < size; ++m) {
            wakeSegments_.UnitVelocities(colloc.At(m), work);
            const double* vx = work.vx.data();
            const double* vy = work.vy.data();
            const double* vz = work.vz.data();
            // Each filament once: it is edge B of strip p and edge A of strip p-1.
            for (int p = 0; p <= ny_; ++p) {
                double ux = 0.0, uy = 0.0, uz = 0.0;
                for (int k = 0; k < nw_; ++k) {
                    const size_t s = static_cast<size_t>(p) * nw_ + k;
                    ux += vx[s];
                    uy += vy[s];
                    uz += vz[s];
                }
                filament[p] = ux * normal.x[m] + uy * normal.y[m] + uz * normal.z[m];
            }
            for (int j = 0; j < ny_; ++j) {
                const int group = (half && j >= ny_ / 2) ? ny_ - 1 - j : j;
                w[luvo::ColumnMajor(m, group, size)] += filament[j] - filament[j + 1];
            }
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
    const std::vector<luvo::LowRankResolver::Entry> marks = WakeColumnMarks(half);
    // Each mark is a column of its own.
#pragma omp parallel for schedule(static) num_threads(luvo::LoopThreads())
    for (size_t k = 0; k < marks.size(); ++k) {
        for (int m = 0; m < a.n; ++m) {
            a(m, marks[k].row) += w[luvo::ColumnMajor(m, marks[k].column, a.n)];
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
    if (!lu.Factor(std::move(a.values), a.n, luvo::kOneSolveDense)) {
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
