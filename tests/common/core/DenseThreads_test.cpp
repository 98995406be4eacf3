// The BLAS thread count of the dense layer: one thread for all work below the order that gains
// from more, whatever OpenBLAS started with; never more than the limit, and one inside a parallel
// loop of the program.

#include "common/core/DenseThreads.h"

#include <cblas.h>
#include <gtest/gtest.h>
#include <omp.h>

#include <random>
#include <vector>

#include "common/core/DenseLu.h"
#include "common/core/FreeCores.h"

namespace {

using luvo::DenseThreadsFor;
using luvo::kParallelDenseOrder;

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
    ASSERT_TRUE(lu.Factor(a, n));
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
         {Case{1, 0}, Case{450, 0}, Case{kParallelDenseOrder - 1, 0}, Case{kParallelDenseOrder, 1},
          Case{kParallelDenseOrder, 50}, Case{4 * kParallelDenseOrder, 1}}) {
        EXPECT_EQ(DenseThreadsFor(c.order, c.columns), 1) << c.order << " x " << c.columns;
    }
}

TEST(DenseThreads, LargeWorkStaysWithinTheLimitTheFreeCoresAndOutsideParallelLoops) {
    const int large = 8 * kParallelDenseOrder;
    const int free = luvo::FreeCores();
    EXPECT_GE(free, 1);
    EXPECT_LE(free, omp_get_num_procs());
    EXPECT_GE(DenseThreadsFor(large), 1);
    EXPECT_LE(DenseThreadsFor(large), luvo::DenseThreadLimit());

    // The one-thread runs the benchmarks compare with.
    luvo::LimitDenseThreads(1);
    EXPECT_EQ(DenseThreadsFor(large), 1);
    EXPECT_EQ(DenseThreadsFor(large, large), 1);
    luvo::LimitDenseThreads(0);

    // Inside a parallel loop its threads hold the cores.
    int inside = 0, cores = 0;
#pragma omp parallel num_threads(2)
    {
#pragma omp single
        {
            inside = DenseThreadsFor(large);
            cores = luvo::FreeCores();
        }
    }
    EXPECT_EQ(inside, 1);
    EXPECT_EQ(cores, 1);
}

}  // namespace
