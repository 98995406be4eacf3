// The BLAS thread count of the dense layer: one thread for all work below the order that gains
// from more, whatever OpenBLAS started with; never more than the limit, and one inside a parallel
// loop of the program.

#include "common/core/DenseThreads.h"

#include <cblas.h>
#include <gtest/gtest.h>
#include <omp.h>

#include <algorithm>
#include <random>
#include <vector>

#include "common/core/DenseLu.h"
#include "common/core/FreeCores.h"

namespace {

using luvo::DenseThreadsFor;
constexpr int kOneSolveOrder = luvo::kOneSolveDense.parallelOrder;

TEST(DenseThreads, WorkBelowTheParallelOrderRunsOnOneThreadWhateverOpenBlasStartedWith) {
    // As the program starts: OpenBLAS with a thread per core (here at least four).
    openblas_set_num_threads(4);
    const int n = 300;
    std::mt19937 rng(3);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    std::vector<double> a(static_cast<size_t>(n) * n);
    for (double& v : a) v = u(rng);
    for (int i = 0; i < n; ++i) a[luvo::ColumnMajor(i, i, n)] += n;
    luvo::DenseLu lu;
    ASSERT_TRUE(lu.Factor(a, n, luvo::kOneSolveDense));
    EXPECT_EQ(openblas_get_num_threads(), 1);
    openblas_set_num_threads(4);
    std::vector<double> b(static_cast<size_t>(n) * 20, 1.0);
    lu.Solve(b.data(), 20);
    EXPECT_EQ(openblas_get_num_threads(), 1);

    struct Case {
        int order, columns;
    };
    // Factorisations below the order, and solves with less work than a factorisation there.
    for (const Case c :
         {Case{1, 0}, Case{450, 0}, Case{kOneSolveOrder - 1, 0}, Case{kOneSolveOrder, 1},
          Case{kOneSolveOrder, 50}, Case{4 * kOneSolveOrder, 1}}) {
        EXPECT_EQ(DenseThreadsFor(c.order, c.columns, luvo::kOneSolveDense), 1)
            << c.order << " x " << c.columns;
    }
}

TEST(DenseThreads, AnIteratedFactorisationTakesThreadsOnlyFromALargerOrder) {
    // Eight free cores, or as many as this machine has; no more threads than OpenBLAS started
    // with.
    luvo::AssumeFreeCores(8);
    const int most = std::min(luvo::FreeCores(), luvo::DenseThreadLimit());
    constexpr int iterated = luvo::kIteratedDense.parallelOrder;
    static_assert(kOneSolveOrder < iterated);
    struct Case {
        int order;
        luvo::DensePolicy policy;
        int threads;
    };
    for (const Case c :
         {Case{kOneSolveOrder - 1, luvo::kOneSolveDense, 1},
          Case{kOneSolveOrder, luvo::kOneSolveDense, 6}, Case{1000, luvo::kOneSolveDense, 8},
          Case{1000, luvo::kIteratedDense, 1}, Case{iterated - 1, luvo::kIteratedDense, 1},
          Case{iterated, luvo::kIteratedDense, 6}, Case{4000, luvo::kIteratedDense, 8}}) {
        EXPECT_EQ(DenseThreadsFor(c.order, 0, c.policy), std::min(c.threads, most))
            << "order " << c.order << ", parallel from " << c.policy.parallelOrder;
    }
    luvo::AssumeFreeCores(0);
}

TEST(DenseThreads, LargeWorkStaysWithinTheLimitTheFreeCoresAndOutsideParallelLoops) {
    const int large = 8 * kOneSolveOrder;
    const int free = luvo::FreeCores();
    EXPECT_GE(free, 1);
    EXPECT_LE(free, omp_get_num_procs());
    EXPECT_GE(DenseThreadsFor(large, 0, luvo::kOneSolveDense), 1);
    EXPECT_LE(DenseThreadsFor(large, 0, luvo::kOneSolveDense), luvo::DenseThreadLimit());

    // The one-thread runs the benchmarks compare with.
    luvo::LimitDenseThreads(1);
    EXPECT_EQ(DenseThreadsFor(large, 0, luvo::kOneSolveDense), 1);
    EXPECT_EQ(DenseThreadsFor(large, large, luvo::kOneSolveDense), 1);
    luvo::LimitDenseThreads(0);

    // Inside a parallel loop its threads hold the cores.
    int inside = 0, cores = 0;
#pragma omp parallel num_threads(2)
    {
#pragma omp single
        {
            inside = DenseThreadsFor(large, 0, luvo::kOneSolveDense);
            cores = luvo::FreeCores();
        }
    }
    EXPECT_EQ(inside, 1);
    EXPECT_EQ(cores, 1);
}

TEST(DenseThreads, DenseCallsLeaveTheLoopsTheirThreadCount) {
    // The program's OpenBLAS shares the loops' OpenMP threads and takes its count from theirs.
    EXPECT_EQ(openblas_get_parallel(), 2) << "OpenBLAS should be the build on OpenMP";
    luvo::AssumeFreeCores(omp_get_num_procs());
    omp_set_num_threads(3);
    std::mt19937 rng(5);
    std::uniform_real_distribution<double> u(-1.0, 1.0);
    // Below and at the order where the factorisation takes several BLAS threads.
    for (const int n : {200, kOneSolveOrder}) {
        std::vector<double> a(static_cast<size_t>(n) * n);
        for (double& v : a) v = u(rng);
        for (int i = 0; i < n; ++i) a[luvo::ColumnMajor(i, i, n)] += n;
        luvo::DenseLu lu;
        ASSERT_TRUE(lu.Factor(a, n, luvo::kOneSolveDense));
        EXPECT_EQ(omp_get_max_threads(), 3) << "after the factorisation of order " << n;
        std::vector<double> b(static_cast<size_t>(n) * 2, 1.0);
        lu.Solve(b.data(), 2);
        lu.Multiply(b.data());
        EXPECT_EQ(omp_get_max_threads(), 3) << "after the solve of order " << n;
        if (n >= kOneSolveOrder) {
            continue;
        }
        // A low-rank update of one column, as the relaxed wakes solve.
        luvo::LowRankResolver resolver;
        const std::vector<double> rhs(static_cast<size_t>(n), 1.0);
        resolver.Prepare(a.data(), n, rhs.data(), {{0, 0, 1.0}}, 1);
        std::vector<double> w(static_cast<size_t>(n), 0.5), x(static_cast<size_t>(n));
        EXPECT_TRUE(resolver.Solve(w.data(), x.data()));
        EXPECT_EQ(omp_get_max_threads(), 3) << "after the low-rank solve of order " << n;
        EXPECT_EQ(luvo::LoopThreads(), 3);
    }
    omp_set_num_threads(omp_get_num_procs());
    luvo::AssumeFreeCores(0);
}

}  // namespace
