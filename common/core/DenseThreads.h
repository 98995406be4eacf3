#pragma once
// How many threads the dense algebra (OpenBLAS under LAPACK) may use for one call. BLAS threads
// only pay where a factorisation or block solve is large; below that they cost more to wake and
// to synchronise than they save. On a busy machine they are far worse: a thread that the kernel
// takes away holds up the others at every step of the factorisation, and a factorisation of
// order 900 that takes 12 ms on one thread took up to seconds on eight. So every call runs on one
// thread unless it is large enough, and then on no more threads than there are cores that
// neither other programs nor this program's own parallel loops occupy at that moment.
//
// All BLAS and LAPACK calls of the program go through DenseLu.cpp, which sets the count for each
// of them with a DenseThreadScope.

namespace luvo {

// When a factorisation (and a solve with as much work) may use more than one BLAS thread, and
// how many rows each thread must have at least.
struct DensePolicy {
    int parallelOrder;
    int rowsPerThread;
};

// A matrix factored for one solve whose solution goes straight into the results (the vortex
// lattice's flat wake). Measured with bench/common/core/dense_threads_bench.cpp (dgetrf + dgetrs,
// 8 cores): from order 800 on several threads save a third and more of the factorisation even
// beside a half-core load, as long as they take only the free cores. A threaded factorisation
// rounds differently with the number of threads, by a few units in the last place of the
// solution; the eight digits of the result files show that only for a value next to a rounding
// boundary or one that is rounding noise about zero.
inline constexpr DensePolicy kOneSolveDense{800, 125};

// A matrix that a low-rank resolver keeps (the relaxed vortex-lattice wake, every panel run):
// a relaxed wake follows the solution step by step, so a rounding difference grows through the
// steps up into the files' digits. Such a factorisation takes more threads only where they save
// tens of milliseconds (from order 1500 on, up to 6 threads there); below that its files do not
// depend on the number of cores.
inline constexpr DensePolicy kIteratedDense{1500, 250};

static_assert(kOneSolveDense.rowsPerThread > 0 && kIteratedDense.rowsPerThread > 0);

// The most BLAS threads any call may use: what OpenBLAS started with (OPENBLAS_NUM_THREADS, or
// one per core) unless set lower. A limit of 1 gives the one-thread runs that benchmarks compare
// with; 0 or less restores the start value.
void LimitDenseThreads(int threads);
int DenseThreadLimit();

// Threads for one call on an n x n matrix: a factorisation (columns = 0) or a solve with
// `columns` right-hand sides, which counts once its work matches a factorisation's. Never more
// than the free cores (common/core/FreeCores.h), so 1 inside a parallel loop.
int DenseThreadsFor(int order, int columns, DensePolicy policy);

// The BLAS thread count (at least 1) for the calls of its lifetime. OpenBLAS built on OpenMP
// shares its threads with the program's parallel loops and takes its count from OpenMP's, which
// the loops start from: that count of the calling thread is put back at the end.
class DenseThreadScope {
  public:
    explicit DenseThreadScope(int threads);
    ~DenseThreadScope();
    DenseThreadScope(const DenseThreadScope&) = delete;
    DenseThreadScope& operator=(const DenseThreadScope&) = delete;

  private:
    int loopThreads_;
};

}  // namespace luvo
