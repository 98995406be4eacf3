#include "common/core/FreeCores.h"

#include <dirent.h>
#include <omp.h>
#include <sched.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <string>

namespace luvo {

namespace {

std::atomic<int> assumed{0};

int AvailableCpus() {
    cpu_set_t set;
    CPU_ZERO(&set);
    if (sched_getaffinity(0, sizeof set, &set) == 0) {
        return std::max(1, CPU_COUNT(&set));
    }
    return static_cast<int>(std::max(1L, sysconf(_SC_NPROCESSORS_ONLN)));
}

// The threads ready to run in the whole system (the fourth field of /proc/loadavg, "R/T", the
// count of this moment); -1 when it cannot be read.
int RunnableThreads() {
    std::FILE* f = std::fopen("/proc/loadavg", "r");
    if (f == nullptr) {
        return -1;
    }
    double a, b, c;
    int running = -1, total = 0;
    if (std::fscanf(f, "%lf %lf %lf %d/%d", &a, &b, &c, &running, &total) != 5) {
        running = -1;
    }
    std::fclose(f);
    return running;
}

// The threads of this process that are ready to run, the calling one included.
int OwnRunnableThreads() {
    DIR* dir = opendir("/proc/self/task");
    if (dir == nullptr) {
        return 1;
    }
    int running = 0;
    while (const dirent* entry = readdir(dir)) {
        if (entry->d_name[0] == '.') {
            continue;
        }
        const std::string path = std::string("/proc/self/task/") + entry->d_name + "/stat";
        std::FILE* f = std::fopen(path.c_str(), "r");
        if (f == nullptr) {
            continue;
        }
        char line[512];
        const size_t used = std::fread(line, 1, sizeof line - 1, f);
        std::fclose(f);
        line[used] = '\0';
        // "tid (name) S ...": the state follows the last ')', as the name may hold one.
        const char* close = std::strrchr(line, ')');
        if (close != nullptr && close[1] == ' ' && close[2] == 'R') {
            ++running;
        }
    }
    closedir(dir);
    return std::max(1, running);
}

// Free cores from one look at the threads ready to run; -1 when the system does not say. This
// process's own threads are counted after the system's count: those still busy from its last
// parallel step only ever fall asleep meanwhile, so the count errs towards fewer free cores,
// never towards more than there are.
int FreeCoresSeen(int cpus) {
    const int all = RunnableThreads();
    if (all < 0) {
        return -1;
    }
    // The runnable count includes this thread, which is also one of its own.
    const int others = std::max(0, all - OwnRunnableThreads());
    return std::clamp(cpus - others, 1, cpus);
}

}  // namespace

int FreeCores() {
    if (omp_in_parallel()) {
        return 1;
    }
    const int cpus = AvailableCpus();
    if (assumed.load() > 0) {
        return std::min(assumed.load(), cpus);
    }
    int free = FreeCoresSeen(cpus);
    if (free < 0) {
        return 1;  // nothing known about the load: the safe count
    }
    // On a busy machine up to three looks, the best counts: a thread that the system or another
    // program wakes for a moment (a kernel worker, a timer), or one of this process's own that
    // falls asleep during a look, would otherwise take a core from a whole parallel step, which
    // then runs a third or half longer.
    for (int look = 1; look < 3 && free < cpus; ++look) {
        free = std::max(free, FreeCoresSeen(cpus));
    }
    return free;
}

void AssumeFreeCores(int cores) { assumed.store(std::max(0, cores)); }

int LoopThreads() { return std::max(1, std::min(omp_get_max_threads(), FreeCores())); }

}  // namespace luvo
