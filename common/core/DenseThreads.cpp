#include "common/core/DenseThreads.h"

#include <cblas.h>
#include <omp.h>

#include <algorithm>
#include <atomic>

#include "common/core/FreeCores.h"

namespace luvo {

namespace {

std::atomic<int> startThreads{0};  // OpenBLAS's count before this layer first set one
std::atomic<int> limit{0};         // 0: the start count

int StartThreads() {
    int start = startThreads.load();
    if (start == 0) {
        start = std::max(1, openblas_get_num_threads());
        int expected = 0;
        if (!startThreads.compare_exchange_strong(expected, start)) {
            start = expected;
        }
    }
    return start;
}

void SetDenseThreads(int threads) {
    threads = std::max(1, threads);
    StartThreads();  // before the first change
    // On OpenMP (parallel mode 2) OpenBLAS takes OpenMP's count, which may have changed meanwhile.
    const bool onOpenMp = openblas_get_parallel() == 2;
    if (openblas_get_num_threads() != threads || (onOpenMp && omp_get_max_threads() != threads)) {
        openblas_set_num_threads(threads);
    }
}

}  // namespace

void LimitDenseThreads(int threads) { limit.store(threads > 0 ? threads : 0); }

int DenseThreadLimit() {
    const int start = StartThreads();
    const int set = limit.load();
    return set > 0 ? std::min(set, start) : start;
}

int DenseThreadsFor(int order, int columns, DensePolicy policy) {
    const double n = order;
    const double work = columns > 0 ? n * n * columns : n * n * n / 3.0;
    const double threshold = static_cast<double>(policy.parallelOrder);
    if (order < policy.parallelOrder || work < threshold * threshold * threshold / 3.0) {
        return 1;
    }
    const int most = std::min(DenseThreadLimit(), std::max(1, order / policy.rowsPerThread));
    if (most <= 1) {
        return 1;
    }
    return std::min(most, FreeCores());
}

DenseThreadScope::DenseThreadScope(int threads) : loopThreads_(omp_get_max_threads()) {
    SetDenseThreads(threads);
}

DenseThreadScope::~DenseThreadScope() {
    if (omp_get_max_threads() != loopThreads_) {
        omp_set_num_threads(loopThreads_);
    }
}

}  // namespace luvo
