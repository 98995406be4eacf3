#pragma once
// In-place LU factorisation without pivoting (Doolittle, row by row) and the two substitutions,
// on rows and columns 1..n of any matrix indexed a[i][j]. The unit lower triangle is stored below
// the diagonal, the upper triangle on and above it. The lifting-line and lattice systems are
// diagonally dominant, so no pivoting is needed, and working in place avoids copies on every
// recomputation.

namespace luvo {

template <class Matrix>
void LuFactor(Matrix& a, int n) {
    for (int k = 1; k <= n; ++k) {
        for (int j = k; j <= n; ++j) {
            double sum = 0.0;
            for (int m = 1; m < k; ++m) {
                sum += a[k][m] * a[m][j];
            }
            a[k][j] = a[k][j] - sum;
        }
        for (int i = k + 1; i <= n; ++i) {
            double sum = 0.0;
            for (int m = 1; m < k; ++m) {
                sum += a[i][m] * a[m][k];
            }
            a[i][k] = (a[i][k] - sum) / a[k][k];
        }
    }
}

// Forward substitution with the unit lower triangle: w_i = rhs(i) - sum_{m<i} l_im w_m.
template <class Matrix, class Rhs, class Vec>
void LuForward(const Matrix& a, int n, const Rhs& rhs, Vec& w) {
    for (int i = 1; i <= n; ++i) {
        double sum = 0.0;
        for (int m = 1; m < i; ++m) {
            sum += a[i][m] * w[m];
        }
        w[i] = rhs(i) - sum;
    }
}

// Back substitution with the upper triangle: x_i = (w_i - sum_{m>i} u_im x_m) / u_ii.
template <class Matrix, class Vec, class Out>
void LuBackward(const Matrix& a, int n, const Vec& w, Out& x) {
    for (int i = n; i >= 1; --i) {
        double sum = 0.0;
        for (int m = i + 1; m <= n; ++m) {
            sum += a[i][m] * x[m];
        }
        x[i] = (w[i] - sum) / a[i][i];
    }
}

}  // namespace luvo
