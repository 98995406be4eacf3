#include "common/core/DenseLu.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <vector>

namespace {

using luvo::ColumnMajor;
using luvo::DenseLu;
using luvo::LowRankResolver;

// A random matrix with a heavy diagonal, so that it is well conditioned.
std::vector<double> RandomMatrix(int n, std::mt19937& rng, double diagonal) {
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    std::vector<double> a(static_cast<size_t>(n) * n);
    for (double& v : a) v = u(rng);
    for (int i = 0; i < n; ++i) a[ColumnMajor(i, i, n)] += diagonal;
    return a;
}

std::vector<double> Multiply(const std::vector<double>& a, const std::vector<double>& x) {
    const int n = static_cast<int>(x.size());
    std::vector<double> y(x.size(), 0.0);
    for (int j = 0; j < n; ++j)
        for (int i = 0; i < n; ++i) y[i] += a[ColumnMajor(i, j, n)] * x[j];
    return y;
}

TEST(DenseLu, SolvesWithRowExchangesAndTransposed) {
    // A zero first pivot needs a row exchange; the solution is known in closed form.
    const std::vector<double> a = {0.0, 2.0, 1.0,   // column 0
                                   1.0, 1.0, 0.0,   // column 1
                                   3.0, 0.0, 1.0};  // column 2
    const std::vector<double> x = {1.0, -2.0, 0.5};
    DenseLu lu;
    ASSERT_TRUE(lu.Factor(a, 3, luvo::kOneSolveDense));
    std::vector<double> b = Multiply(a, x);
    lu.Solve(b.data());
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(b[i], x[i], 1e-14);

    // A^T x = c
    std::vector<double> at(9);
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j) at[ColumnMajor(i, j, 3)] = a[ColumnMajor(j, i, 3)];
    std::vector<double> c = Multiply(at, x);
    lu.Solve(c.data(), 1, true);
    for (int i = 0; i < 3; ++i) EXPECT_NEAR(c[i], x[i], 1e-14);
}

TEST(DenseLu, MultipliesFromItsFactorsAndHandsItsBlockBack) {
    std::mt19937 rng(3);
    const std::vector<double> exchanges = {0.0, 2.0, 1.0, 1.0, 1.0, 0.0, 3.0, 0.0, 1.0};
    for (const std::vector<double>& a : {exchanges, RandomMatrix(40, rng, 0.5)}) {
        const int n = static_cast<int>(std::lround(std::sqrt(static_cast<double>(a.size()))));
        std::vector<double> x(static_cast<size_t>(n));
        std::uniform_real_distribution<double> u(-1.0, 1.0);
        for (double& v : x) v = u(rng);
        DenseLu lu;
        ASSERT_TRUE(lu.Factor(a, n, luvo::kOneSolveDense));
        std::vector<double> y = x;
        lu.Multiply(y.data());
        const std::vector<double> expected = Multiply(a, x);
        for (int i = 0; i < n; ++i) EXPECT_NEAR(y[i], expected[i], 1e-13) << n << " " << i;
        const std::vector<double> block = lu.Release();
        EXPECT_EQ(block.size(), a.size());
        EXPECT_FALSE(lu.IsFactored());
    }
}

TEST(DenseLu, RefusesSingularAndNonFiniteMatrices) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::vector<std::vector<double>> refused = {
        {1.0, 2.0, 2.0, 4.0},  // rank 1
        {0.0, 0.0, 0.0, 0.0},
        {1.0, nan, 0.0, 1.0},
    };
    for (const auto& a : refused) {
        DenseLu lu;
        EXPECT_FALSE(lu.Factor(a, 2, luvo::kOneSolveDense));
        EXPECT_FALSE(lu.IsFactored());
        std::vector<double> b = {1.0, 1.0};
        lu.Solve(b.data());  // does nothing
        EXPECT_EQ(b[0], 1.0);
    }
    DenseLu tooShort;
    EXPECT_FALSE(tooShort.Factor({1.0, 0.0, 0.0}, 2, luvo::kOneSolveDense));
}

// E for n unknowns in r groups: group c marks the unknowns c*k .. c*k+k-1 with weight 1, and
// the last group also marks the unknown after it with weight -1 (as the lower trailing-edge panel
// of a panel method's wake column), so both signs and shared places occur.
std::vector<LowRankResolver::Entry> Groups(int r, int k) {
    std::vector<LowRankResolver::Entry> e;
    for (int c = 0; c < r; ++c)
        for (int i = 0; i < k; ++i) e.push_back({c * k + i, c, 1.0});
    e.push_back({r * k, r - 1, -1.0});
    e.push_back({0, r - 1, 0.5});
    return e;
}

// Reference: A + W E^T assembled and solved directly.
std::vector<double> DirectSolution(const std::vector<double>& a, const std::vector<double>& w,
                                   const std::vector<LowRankResolver::Entry>& e,
                                   const std::vector<double>& b) {
    const int n = static_cast<int>(b.size());
    std::vector<double> at = a;
    for (const auto& entry : e)
        for (int i = 0; i < n; ++i)
            at[ColumnMajor(i, entry.row, n)] += entry.weight * w[ColumnMajor(i, entry.column, n)];
    DenseLu lu;
    EXPECT_TRUE(lu.Factor(at, n, luvo::kOneSolveDense));
    std::vector<double> x = b;
    lu.Solve(x.data());
    return x;
}

TEST(LowRankResolver, MatchesTheAssembledSystemOverManyUpdates) {
    std::mt19937 rng(7);
    const int n = 60, r = 5;
    const std::vector<double> a = RandomMatrix(n, rng, 20.0);
    std::vector<double> b(n);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    for (double& v : b) v = u(rng);
    const auto e = Groups(r, 10);

    LowRankResolver resolver;
    resolver.Prepare(a.data(), n, b.data(), e, r);
    for (int step = 0; step < 6; ++step) {
        std::vector<double> w(static_cast<size_t>(n) * r);
        for (double& v : w) v = 0.3 * step * u(rng);
        std::vector<double> x(n);
        ASSERT_TRUE(resolver.Solve(w.data(), x.data()));
        EXPECT_FALSE(resolver.UsedDirectSolve()) << "step " << step;
        const std::vector<double> reference = DirectSolution(a, w, e, b);
        for (int i = 0; i < n; ++i) EXPECT_NEAR(x[i], reference[i], 1e-10) << "step " << step;
    }
}

TEST(LowRankResolver, SingularBaseOrIllConditionedUpdateSolvesDirectly) {
    // A singular on its own (its first column is zero); W E^T fills it.
    const int n = 3, r = 1;
    const std::vector<double> a = {0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 3.0};
    const std::vector<double> b = {1.0, 2.0, 3.0};
    const std::vector<LowRankResolver::Entry> e = {{0, 0, 1.0}};
    LowRankResolver resolver;
    resolver.Prepare(a.data(), n, b.data(), e, r);
    const std::vector<double> w = {4.0, 0.0, 0.0};
    std::vector<double> x(n);
    ASSERT_TRUE(resolver.Solve(w.data(), x.data()));
    EXPECT_TRUE(resolver.UsedDirectSolve());
    EXPECT_NEAR(x[0], 0.25, 1e-15);
    EXPECT_NEAR(x[1], 1.0, 1e-15);
    EXPECT_NEAR(x[2], 1.0, 1e-15);

    // A regular, A + W E^T singular: no solution is reported as one.
    const std::vector<double> eye = {1.0, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 1.0};
    resolver.Prepare(eye.data(), n, b.data(), e, r);
    const std::vector<double> cancel = {-1.0, 0.0, 0.0};
    EXPECT_FALSE(resolver.Solve(cancel.data(), x.data()));

    // A nearly singular, A + W E^T well conditioned: x0 = A^-1 b is huge and the update cancels
    // it with a loss of every digit, which the backward error catches.
    const std::vector<double> tiny = {1e-15, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 1.0};
    resolver.Prepare(tiny.data(), n, b.data(), e, r);
    const std::vector<double> lift = {1.3, 0.0, 0.0};
    ASSERT_TRUE(resolver.Solve(lift.data(), x.data()));
    EXPECT_TRUE(resolver.UsedDirectSolve());
    const std::vector<double> reference = DirectSolution(tiny, lift, e, b);
    for (int i = 0; i < n; ++i) EXPECT_NEAR(x[i], reference[i], 1e-14);
}

// In place: the resolver holds A's factors in A's own block, so A comes back only through
// `refill`, which a low-rank solve never needs.
TEST(LowRankResolver, InPlaceMatchesTheAssembledSystemWithoutTheMatrix) {
    std::mt19937 rng(7);
    const int n = 60, r = 5;
    const std::vector<double> a = RandomMatrix(n, rng, 20.0);
    std::vector<double> b(n), b2(n);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    for (double& v : b) v = u(rng);
    for (double& v : b2) v = u(rng);
    const auto e = Groups(r, 10);

    int refills = 0;
    LowRankResolver inPlace;
    inPlace.Prepare(std::vector<double>(a), n, b.data(), e, r, [&](double* out) {
        ++refills;
        std::copy(a.begin(), a.end(), out);
    });
    LowRankResolver copying;
    copying.Prepare(a.data(), n, b.data(), e, r);
    for (int step = 0; step < 6; ++step) {
        // A new right-hand side half way, as a further angle of a polar brings.
        const std::vector<double>& rhs = step < 3 ? b : b2;
        if (step == 3) {
            inPlace.SetRightHandSide(b2.data());
            copying.SetRightHandSide(b2.data());
        }
        std::vector<double> w(static_cast<size_t>(n) * r);
        for (double& v : w) v = 0.3 * step * u(rng);
        std::vector<double> x(n), y(n);
        ASSERT_TRUE(inPlace.Solve(w.data(), x.data()));
        ASSERT_TRUE(copying.Solve(w.data(), y.data()));
        EXPECT_FALSE(inPlace.UsedDirectSolve()) << "step " << step;
        const std::vector<double> reference = DirectSolution(a, w, e, rhs);
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(x[i], reference[i], 1e-10) << "step " << step;
            EXPECT_EQ(x[i], y[i]) << "step " << step;
        }
    }
    EXPECT_EQ(refills, 0);
    // The block goes back to the caller in one piece.
    EXPECT_EQ(inPlace.Release().size(), a.size());
}

TEST(LowRankResolver, InPlaceDirectSolveRefillsTheBlockAndTheNextStepFactorsAAgain) {
    const int n = 3, r = 1;
    const std::vector<double> b = {1.0, 2.0, 3.0};
    const std::vector<LowRankResolver::Entry> e = {{0, 0, 1.0}};
    const std::vector<double> zero = {0.0, 0.0, 0.0};
    const std::vector<double> lift = {1.3, 0.0, 0.0};
    int refills = 0;
    auto resolverOf = [&](const std::vector<double>& a, LowRankResolver& resolver) {
        refills = 0;
        resolver.Prepare(std::vector<double>(a), n, b.data(), e, r, [&refills, a](double* out) {
            ++refills;
            std::copy(a.begin(), a.end(), out);
        });
    };
    std::vector<double> x(n);

    // A nearly singular: the update that cancels x0 needs the direct solve, the step after it
    // (no wake term) the low-rank one again, on A factored anew.
    const std::vector<double> tiny = {1e-15, 0.0, 0.0, 0.0, 1.0, 0.0, 0.0, 0.0, 1.0};
    LowRankResolver resolver;
    resolverOf(tiny, resolver);
    struct Step {
        const std::vector<double>* w;
        bool direct;
        int refills;  // after the step
    };
    for (const Step& step : {Step{&lift, true, 1}, Step{&zero, false, 2}, Step{&lift, true, 3}}) {
        ASSERT_TRUE(resolver.Solve(step.w->data(), x.data()));
        EXPECT_EQ(resolver.UsedDirectSolve(), step.direct);
        EXPECT_EQ(refills, step.refills);
        const std::vector<double> reference = DirectSolution(tiny, *step.w, e, b);
        for (int i = 0; i < n; ++i) EXPECT_NEAR(x[i] / reference[i], 1.0, 1e-14);
    }

    // A singular on its own (first column zero): every solve is direct, from a refilled block;
    // and A + W E^T singular is no solution.
    const std::vector<double> singular = {0.0, 0.0, 0.0, 0.0, 2.0, 0.0, 0.0, 0.0, 3.0};
    resolverOf(singular, resolver);
    const std::vector<double> fill = {4.0, 0.0, 0.0};
    for (int step = 1; step <= 2; ++step) {
        ASSERT_TRUE(resolver.Solve(fill.data(), x.data()));
        EXPECT_TRUE(resolver.UsedDirectSolve());
        EXPECT_EQ(refills, step);
        EXPECT_NEAR(x[0], 0.25, 1e-15);
        EXPECT_NEAR(x[1], 1.0, 1e-15);
    }
    EXPECT_FALSE(resolver.Solve(zero.data(), x.data()));
}

}  // namespace
