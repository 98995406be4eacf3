#include "common/core/DenseLu.h"

#include <cblas.h>
#include <lapacke.h>

#include <algorithm>
#include <cmath>

#include "common/core/DenseThreads.h"

namespace luvo {

namespace {

int Leading(int n) { return std::max(1, n); }

bool AllFinite(const double* v, int n) {
    for (int i = 0; i < n; ++i) {
        if (!std::isfinite(v[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

bool DenseLu::Factor(std::vector<double> matrix, int n, DensePolicy policy) {
    factored_ = false;
    policy_ = policy;
    n_ = n;
    factors_ = std::move(matrix);
    pivots_.assign(static_cast<size_t>(Leading(n)), 0);
    if (n < 0 || factors_.size() < static_cast<size_t>(n) * static_cast<size_t>(n)) {
        return false;
    }
    if (n == 0) {
        factored_ = true;
        return true;
    }
    const DenseThreadScope threads(DenseThreadsFor(n, 0, policy_));
    // LAPACKE checks the input for NaN itself and then refuses it with a negative code.
    const lapack_int info =
        LAPACKE_dgetrf(LAPACK_COL_MAJOR, n, n, factors_.data(), Leading(n), pivots_.data());
    factored_ = info == 0;
    return factored_;
}

void DenseLu::Solve(double* rightHandSides, int count, bool transposed) const {
    if (!factored_ || n_ == 0 || count <= 0) {
        return;
    }
    const DenseThreadScope threads(DenseThreadsFor(n_, count, policy_));
    LAPACKE_dgetrs(LAPACK_COL_MAJOR, transposed ? 'T' : 'N', n_, count, factors_.data(),
                   Leading(n_), pivots_.data(), rightHandSides, Leading(n_));
}

void DenseLu::Multiply(double* x) const {
    if (!factored_ || n_ == 0) {
        return;
    }
    const int n = n_;
    const DenseThreadScope threads(1);  // order n^2 work
    cblas_dtrmv(CblasColMajor, CblasUpper, CblasNoTrans, CblasNonUnit, n, factors_.data(), n, x, 1);
    cblas_dtrmv(CblasColMajor, CblasLower, CblasNoTrans, CblasUnit, n, factors_.data(), n, x, 1);
    // The row interchanges undone, the last first.
    LAPACKE_dlaswp(LAPACK_COL_MAJOR, 1, x, n, 1, n, pivots_.data(), -1);
}

std::vector<double> DenseLu::Release() {
    factored_ = false;
    return std::move(factors_);
}

void LowRankResolver::Prepare(const double* a, int n, const double* b, std::vector<Entry> e,
                              int r) {
    const size_t size = static_cast<size_t>(n) * static_cast<size_t>(n);
    PrepareFrom(
        std::vector<double>(a, a + size), n, b, std::move(e), r,
        [a, size](double* out) { std::copy(a, a + size, out); }, false);
}

void LowRankResolver::Prepare(std::vector<double> a, int n, const double* b, std::vector<Entry> e,
                              int r, Refill refill) {
    PrepareFrom(std::move(a), n, b, std::move(e), r, std::move(refill), true);
}

std::vector<double> LowRankResolver::Release() {
    base_ = Base::kSingular;
    return lu_.Release();
}

void LowRankResolver::PrepareFrom(std::vector<double> a, int n, const double* b,
                                  std::vector<Entry> e, int r, Refill refill, bool inPlace) {
    n_ = n;
    r_ = r;
    refill_ = std::move(refill);
    inPlace_ = inPlace;
    b_.assign(b, b + n);
    e_ = std::move(e);
    entriesOfRow_.assign(static_cast<size_t>(n), {});
    touchedRows_.clear();
    for (const Entry& entry : e_) {
        std::vector<Entry>& entries = entriesOfRow_[static_cast<size_t>(entry.row)];
        if (entries.empty()) {
            touchedRows_.push_back(entry.row);
        }
        entries.push_back(entry);
    }
    x0_.assign(static_cast<size_t>(n), 0.0);
    y_.assign(static_cast<size_t>(n) * static_cast<size_t>(r), 0.0);
    ex0_.assign(static_cast<size_t>(r), 0.0);
    c_.assign(static_cast<size_t>(r) * static_cast<size_t>(r), 0.0);
    v_.assign(static_cast<size_t>(n), 0.0);
    if (a.size() < static_cast<size_t>(n) * static_cast<size_t>(n)) {
        base_ = Base::kSingular;
        singular_ = true;
        return;
    }
    NoteNorms(a.data());
    FactorBase(std::move(a));  // when A is singular, every solve factorises A + W E^T itself
}

void LowRankResolver::NoteNorms(const double* a) {
    const int n = n_;
    const size_t touched = touchedRows_.size();
    touchedColumns_.assign(static_cast<size_t>(n) * touched, 0.0);
    for (size_t k = 0; k < touched; ++k) {
        const double* column = a + ColumnMajor(0, touchedRows_[k], n);
        std::copy(column, column + n, touchedColumns_.begin() + static_cast<long>(k) * n);
    }
    otherRowAbs_.assign(static_cast<size_t>(n), 0.0);
    for (int j = 0; j < n; ++j) {
        if (!entriesOfRow_[static_cast<size_t>(j)].empty()) {
            continue;
        }
        const double* column = a + ColumnMajor(0, j, n);
        for (int i = 0; i < n; ++i) {
            otherRowAbs_[static_cast<size_t>(i)] += std::fabs(column[i]);
        }
    }
}

bool LowRankResolver::FactorBase(std::vector<double> a) {
    if (!lu_.Factor(std::move(a), n_, kIteratedDense)) {
        base_ = Base::kSingular;
        singular_ = true;
        return false;
    }
    singular_ = false;
    base_ = Base::kFactored;
    std::fill(y_.begin(), y_.end(), 0.0);
    for (const Entry& entry : e_) {
        y_[ColumnMajor(entry.row, entry.column, n_)] += entry.weight;
    }
    lu_.Solve(y_.data(), r_, true);
    SolveForRightHandSide();
    return true;
}

void LowRankResolver::SetRightHandSide(const double* b) {
    b_.assign(b, b + n_);
    if (base_ == Base::kFactored) {
        SolveForRightHandSide();
    }
}

void LowRankResolver::SolveForRightHandSide() {
    std::copy(b_.begin(), b_.end(), x0_.begin());
    lu_.Solve(x0_.data());
    std::fill(ex0_.begin(), ex0_.end(), 0.0);
    for (const Entry& entry : e_) {
        ex0_[static_cast<size_t>(entry.column)] +=
            entry.weight * x0_[static_cast<size_t>(entry.row)];
    }
}

bool LowRankResolver::Solve(const double* w, double* x) {
    usedDirect_ = false;
    if (base_ == Base::kReplaced && !singular_) {
        // The last solve was direct: A is factored again into the same block.
        std::vector<double> a = lu_.Release();
        a.resize(static_cast<size_t>(n_) * static_cast<size_t>(n_));
        refill_(a.data());
        FactorBase(std::move(a));
    }
    if (base_ != Base::kFactored) {
        return SolveDirect(w, x);
    }
    const int n = n_;
    const int r = r_;
    // Products of r columns and the residual: small work.
    const DenseThreadScope threads(1);
    if (r > 0) {
        // C = I + Y^T W
        cblas_dgemm(CblasColMajor, CblasTrans, CblasNoTrans, r, r, n, 1.0, y_.data(), Leading(n), w,
                    Leading(n), 0.0, c_.data(), Leading(r));
        for (int k = 0; k < r; ++k) {
            c_[ColumnMajor(k, k, r)] += 1.0;
        }
        std::vector<double> small(ex0_);
        std::vector<lapack_int> pivots(static_cast<size_t>(r));
        if (LAPACKE_dgesv(LAPACK_COL_MAJOR, r, 1, c_.data(), Leading(r), pivots.data(),
                          small.data(), Leading(r)) != 0) {
            return SolveDirect(w, x);
        }
        // v = W y, then x = x0 - A^-1 v
        cblas_dgemv(CblasColMajor, CblasNoTrans, n, r, 1.0, w, Leading(n), small.data(), 1, 0.0,
                    v_.data(), 1);
        lu_.Solve(v_.data());
        for (int i = 0; i < n; ++i) {
            x[i] = x0_[static_cast<size_t>(i)] - v_[static_cast<size_t>(i)];
        }
    } else {
        std::copy(x0_.begin(), x0_.end(), x);
    }
    if (!(BackwardError(w, x) <= kMaxBackwardError)) {
        return SolveDirect(w, x);
    }
    return true;
}

bool LowRankResolver::SolveDirect(const double* w, double* x) {
    usedDirect_ = true;
    const int n = n_;
    const size_t size = static_cast<size_t>(n) * static_cast<size_t>(n);
    // In place the factors of A give their block to A + W E^T; otherwise A's stay for the next
    // low-rank solve.
    DenseLu separate;
    DenseLu& direct = inPlace_ ? lu_ : separate;
    std::vector<double> at = inPlace_ ? lu_.Release() : std::vector<double>();
    at.resize(size);
    refill_(at.data());
    if (inPlace_) {
        base_ = Base::kReplaced;
    }
    for (const Entry& entry : e_) {
        double* column = at.data() + ColumnMajor(0, entry.row, n);
        const double* wColumn = w + ColumnMajor(0, entry.column, n);
        for (int i = 0; i < n; ++i) {
            column[i] += entry.weight * wColumn[i];
        }
    }
    if (!direct.Factor(std::move(at), n, kIteratedDense)) {
        return false;
    }
    std::copy(b_.begin(), b_.end(), x);
    direct.Solve(x);
    return AllFinite(x, n);
}

double LowRankResolver::BackwardError(const double* w, const double* x) const {
    // ||(A + W E^T) x - b|| / (||A + W E^T|| ||x|| + ||b||) in the maximum norm, with A x from the
    // factors and the row sums of |A + W E^T| from the kept columns.
    const int n = n_;
    std::vector<double> residual(x, x + n);
    lu_.Multiply(residual.data());
    if (r_ > 0) {
        std::vector<double> ex(static_cast<size_t>(r_), 0.0);
        for (const Entry& entry : e_) {
            ex[static_cast<size_t>(entry.column)] += entry.weight * x[entry.row];
        }
        cblas_dgemv(CblasColMajor, CblasNoTrans, n, r_, 1.0, w, Leading(n), ex.data(), 1, 1.0,
                    residual.data(), 1);
    }
    std::vector<double> rowAbs(otherRowAbs_);
    for (size_t k = 0; k < touchedRows_.size(); ++k) {
        const double* column = touchedColumns_.data() + static_cast<long>(k) * n;
        const std::vector<Entry>& entries = entriesOfRow_[static_cast<size_t>(touchedRows_[k])];
        for (int i = 0; i < n; ++i) {
            double value = column[i];
            for (const Entry& entry : entries) {
                value += entry.weight * w[ColumnMajor(i, entry.column, n)];
            }
            rowAbs[static_cast<size_t>(i)] += std::fabs(value);
        }
    }
    double rNorm = 0.0;
    double aNorm = 0.0;
    double xNorm = 0.0;
    double bNorm = 0.0;
    for (int i = 0; i < n; ++i) {
        const size_t k = static_cast<size_t>(i);
        rNorm = std::max(rNorm, std::fabs(residual[k] - b_[k]));
        aNorm = std::max(aNorm, rowAbs[k]);
        xNorm = std::max(xNorm, std::fabs(x[i]));
        bNorm = std::max(bNorm, std::fabs(b_[k]));
    }
    if (!std::isfinite(rNorm) || !std::isfinite(xNorm)) {
        return rNorm + xNorm;  // not finite: never accepted
    }
    if (rNorm == 0.0) {
        return 0.0;
    }
    return rNorm / (aNorm * xNorm + bNorm);
}

}  // namespace luvo
