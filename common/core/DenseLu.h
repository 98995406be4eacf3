#pragma once
// Dense linear systems of the 3D methods through LAPACK (dgetrf/dgetrs, partial pivoting).
// Matrices are one contiguous column-major block: entry (row i, column j) of an n x n matrix lies
// at i + j * n, which is what LAPACK and BLAS take without copying.

#include <cstddef>
#include <functional>
#include <vector>

#include "common/core/DenseThreads.h"

namespace luvo {

// Index of entry (row, column) in a column-major block with `rows` rows.
inline size_t ColumnMajor(int row, int column, int rows) {
    return static_cast<size_t>(row) + static_cast<size_t>(column) * static_cast<size_t>(rows);
}

// The LU factors of one square matrix, kept for any number of solves.
class DenseLu {
  public:
    // Factors the n x n column-major matrix, which the object takes over (pass a copy to keep
    // the original). False when the matrix is exactly singular or holds a value that is not
    // finite; no solve is possible then. The policy sets the BLAS threads of the factorisation
    // and of the solves with its factors.
    bool Factor(std::vector<double> matrix, int n, DensePolicy policy);

    bool IsFactored() const { return factored_; }
    int Order() const { return n_; }

    // Overwrites the n x count column-major block of right-hand sides with the solutions of
    // A X = B (or of A^T X = B when `transposed`). Does nothing unless factored.
    void Solve(double* rightHandSides, int count = 1, bool transposed = false) const;

    // Overwrites the n entries of x with A x, from the factors (P L U x). Does nothing unless
    // factored.
    void Multiply(double* x) const;

    // Hands back the block that holds the factors, to be filled anew without a second n x n
    // allocation; nothing is factored afterwards.
    std::vector<double> Release();

  private:
    std::vector<double> factors_;
    std::vector<int> pivots_;
    DensePolicy policy_ = kOneSolveDense;
    int n_ = 0;
    bool factored_ = false;
};

// Solves (A + W E^T) x = b for one fixed n x n matrix A and right-hand side b and a sequence of
// n x r matrices W, where E is a fixed sparse n x r matrix. The LU of A, x0 = A^-1 b and
// Y = A^-T E are computed once, so that each new W costs O(n^2 + n r^2) instead of a new
// factorisation:
//   C = I + Y^T W,  y = C^-1 E^T x0,  x = x0 - A^-1 (W y).
// A result whose normwise backward error on A + W E^T exceeds 1e-10 (an ill-conditioned C), or a
// singular A, makes the solve factorise A + W E^T itself. The backward error is measured from the
// factors of A, the columns of A that E touches and the absolute row sums of the others, so A
// itself is needed again only by such a direct solve.
class LowRankResolver {
  public:
    // Entry E(row, column) = weight; entries of one place add up.
    struct Entry {
        int row;
        int column;
        double weight;
    };
    // Writes the n x n column-major A into the block it is given.
    using Refill = std::function<void(double*)>;

    // A stays owned by the caller and must stay unchanged while the resolver is used; it is only
    // read. b has n entries. Throws std::bad_alloc when the work arrays do not fit.
    void Prepare(const double* a, int n, const double* b, std::vector<Entry> e, int r);
    // The same with A factored in place: the resolver takes the block over, so that one n x n
    // matrix is held. A direct solve gets A from `refill` into that block and afterwards
    // factors A again from `refill` before the next low-rank solve.
    void Prepare(std::vector<double> a, int n, const double* b, std::vector<Entry> e, int r,
                 Refill refill);

    // The block of the factors, handed back for the caller's next matrix; the resolver is then
    // empty until the next Prepare.
    std::vector<double> Release();

    // A new b for the same A and E: the factors of A and Y are kept, so the next solves cost
    // what they would after Prepare with this b, without its factorisation.
    void SetRightHandSide(const double* b);

    // x (n entries) for W (n x r, column-major). False when A + W E^T is singular or the result
    // is not finite.
    bool Solve(const double* w, double* x);

    // Whether the last solve had to factorise A + W E^T itself.
    bool UsedDirectSolve() const { return usedDirect_; }

    // The largest backward error accepted from the low-rank update.
    static constexpr double kMaxBackwardError = 1e-10;

  private:
    // What lu_ holds.
    enum class Base {
        kFactored,  // the factors of A
        kSingular,  // nothing usable: A cannot be factored
        kReplaced,  // the factors of the last direct solve's A + W E^T (in place only)
    };

    void PrepareFrom(std::vector<double> a, int n, const double* b, std::vector<Entry> e, int r,
                     Refill refill, bool inPlace);
    // The row sums and columns of A that the backward error needs, before A is factored.
    void NoteNorms(const double* a);
    // Factors A, then Y and x0; false when A is singular.
    bool FactorBase(std::vector<double> a);
    void SolveForRightHandSide();
    bool SolveDirect(const double* w, double* x);
    double BackwardError(const double* w, const double* x) const;

    int n_ = 0;
    int r_ = 0;
    std::vector<double> b_;
    std::vector<Entry> e_;
    std::vector<std::vector<Entry>> entriesOfRow_;
    Refill refill_;
    bool inPlace_ = false;
    Base base_ = Base::kSingular;
    bool singular_ = true;          // A itself cannot be factored: no low-rank solve to go back to
    std::vector<int> touchedRows_;  // the rows of E: columns of A that W E^T changes
    std::vector<double> touchedColumns_;  // those columns of A, n x touchedRows_.size()
    std::vector<double> otherRowAbs_;     // per row of A, the sum of |a_ij| over the others
    DenseLu lu_;
    std::vector<double> x0_;
    std::vector<double> y_;    // A^-T E, n x r
    std::vector<double> ex0_;  // E^T x0
    std::vector<double> c_;    // r x r work
    std::vector<double> v_;    // n work
    bool usedDirect_ = false;
};

}  // namespace luvo
