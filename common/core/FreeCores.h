#pragma once
// How many cores a computation may take now. On a shared machine a thread more than there are
// free cores does not add speed: the kernel takes turns with it, and every thread that waits
// for it at the end of a parallel step (busily, with OpenMP and OpenBLAS) takes a further core
// away. The counts here follow the load at the moment they are asked for.

namespace luvo {

// Cores that are free now: the cores this process may run on, less the threads of other
// programs that are ready to run (this process's own threads do not count: they are the ones
// asking). 1 when called inside a parallel loop of this program, whose threads hold the cores.
// At least 1.
int FreeCores();

// Threads for a parallel loop: the free cores, at most what OpenMP is set to
// (OMP_NUM_THREADS or omp_set_num_threads).
int LoopThreads();

// Counts `cores` as free whatever the load (0: measure again), for tests that must run the
// loops on a given number of threads on a busy machine too.
void AssumeFreeCores(int cores);

}  // namespace luvo
