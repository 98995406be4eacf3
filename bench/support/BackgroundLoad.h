#pragma once
// A load that a benchmark starts and stops itself: processes that keep cores busy with
// arithmetic while the object lives, as other programs do on a shared machine. Processes, not
// threads of the benchmark: the program counts the runnable threads of other programs when it
// chooses its thread counts, and its own threads as its own.

#include <signal.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <thread>
#include <vector>

namespace luvo::bench {

class BackgroundLoad {
  public:
    explicit BackgroundLoad(int processes) {
        for (int p = 0; p < processes; ++p) {
            const pid_t child = fork();
            if (child == 0) {
                // Only arithmetic in the child: it was forked from a process with threads.
                volatile double x = 1.0;
                for (;;) x = x * 1.0000001 + 1e-9;
            }
            if (child > 0) children_.push_back(child);
        }
        // Let the scheduler see them runnable before the first measurement.
        usleep(200000);
    }
    ~BackgroundLoad() {
        for (pid_t child : children_) kill(child, SIGKILL);
        for (pid_t child : children_) waitpid(child, nullptr, 0);
    }
    BackgroundLoad(const BackgroundLoad&) = delete;
    BackgroundLoad& operator=(const BackgroundLoad&) = delete;

  private:
    std::vector<pid_t> children_;
};

inline int HalfTheCores() {
    return std::max(1, static_cast<int>(std::thread::hardware_concurrency()) / 2);
}

}  // namespace luvo::bench
