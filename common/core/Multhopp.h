#pragma once
// Multhopp's quadrature of the lifting-line integral at the 101 interior stations
// theta_k = k pi / 102 of the full span, shared by both lifting-line methods. Rows and columns
// 1..101 of the matrices are used.

#include <array>
#include <cmath>

namespace luvo {

constexpr int kMulthoppFirst = 1;
constexpr int kMulthoppLast = 101;

// The coefficients B_ij: 102 / (4 sin theta_i) on the diagonal, sin theta_j / (102 (cos theta_j -
// cos theta_i)²) where i - j is odd, 0 where it is even.
template <class Stations, class Matrix>
void MulthoppInfluence(const Stations& theta, Matrix& b) {
    std::array<double, kMulthoppLast + 1> sinT{};
    std::array<double, kMulthoppLast + 1> cosT{};
    for (int i = kMulthoppFirst; i <= kMulthoppLast; ++i) {
        sinT[i] = std::sin(theta[i]);
        cosT[i] = std::cos(theta[i]);
    }
    for (int i = kMulthoppFirst; i <= kMulthoppLast; ++i) {
        auto& row = b[i];
        for (int j = kMulthoppFirst; j <= kMulthoppLast; ++j) {
            if (j == i) {
                row[j] = 102.0 / (4.0 * sinT[i]);
            } else if ((i - j) % 2 == 0) {
                row[j] = 0.0;
            } else {
                const double d = cosT[j] - cosT[i];
                row[j] = sinT[j] / (102.0 * (d * d));
            }
        }
    }
}

// Induced angles of a circulation: B_ii gamma_i - sum over j != i of B_ij gamma_j.
template <class Matrix, class Gamma, class Out>
void MulthoppInducedAngles(const Matrix& b, const Gamma& gamma, Out& alphaInduced) {
    for (int i = kMulthoppFirst; i <= kMulthoppLast; ++i) {
        const auto& row = b[i];
        double sum = 0.0;
        for (int j = kMulthoppFirst; j <= kMulthoppLast; ++j) {
            if (j != i) {
                sum += row[j] * gamma[j];
            }
        }
        alphaInduced[i] = row[i] * gamma[i] - sum;
    }
}

}  // namespace luvo
